<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ReportWords</name>
    <message>
        <source>Energy Dissipator Calculation Report</source>
        <comment>DefaultTitle</comment>
        <translation>消能计算书</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>DateLabel</comment>
        <translation>日期</translation>
    </message>
    <message>
        <source>%1 cases.</source>
        <comment>ContentsNote</comment>
        <translation>共 %1 个工况。</translation>
    </message>
    <message>
        <source>1 Basis of the calculation</source>
        <comment>BasisHeading</comment>
        <translation>1 计算依据</translation>
    </message>
    <message>
        <source>Underflow (hydraulic-jump) energy dissipation below an overflow weir: the contracted depth hco and its conjugate depth hco2 follow from the total head; compared with the tailwater depth ht they decide the kind of jump. For a remote jump, the basin depth d that holds the jump submerged with the factor σ is found by bisection, with the contracted depth below the basin floor and the basin length.</source>
        <comment>BasisMethod</comment>
        <translation>溢流堰下游按底流式（水跃）消能计算：由总水头求收缩断面水深 hco 及其共轭水深 hco2，与下游水深 ht 比较判别水跃形式；发生远离水跃时，按淹没系数 σ 用二分法求消力池深度 d，使池内水跃被淹没，并求池底以下的收缩水深及池长。</translation>
    </message>
    <message>
        <source>The basin depth and length are cross-checked by the Chinese sluice design standard SL 265 (appendix on energy dissipation and scour protection); the floor slab thickness and the apron extension follow the same appendix.</source>
        <comment>BasisStandard</comment>
        <translation>池深、池长按《水闸设计规范》SL 265 附录（消能防冲计算）复核；护坦厚度和海漫长度亦按该附录计算。</translation>
    </message>
    <message>
        <source>Gravity g = %1 m/s², 2g taken as %2 m/s²; lengths in m, time in s.</source>
        <comment>BasisConstants</comment>
        <translation>重力加速度 g = %1 m/s²，2g 取 %2 m/s²；长度单位 m，时间单位 s。</translation>
    </message>
    <message>
        <source>Formulas</source>
        <comment>BasisFormulasCaption</comment>
        <translation>计算公式</translation>
    </message>
    <message>
        <source>Parameters of the cross-check</source>
        <comment>BasisOptionsCaption</comment>
        <translation>复核参数</translation>
    </message>
    <message>
        <source>2 Summary of results</source>
        <comment>SummaryHeading</comment>
        <translation>2 计算成果汇总</translation>
    </message>
    <message>
        <source>▲ case governing the basin depth; ■ case governing the basin length.</source>
        <comment>SummaryLegend</comment>
        <translation>▲ 控制池深的工况；■ 控制池长的工况。</translation>
    </message>
    <message>
        <source>The basin depth is governed by case “%1”: d = %2 m.</source>
        <comment>GoverningDepth</comment>
        <translation>池深由工况「%1」控制：d = %2 m。</translation>
    </message>
    <message>
        <source>The basin length is governed by case “%1”: L = %2 m.</source>
        <comment>GoverningLength</comment>
        <translation>池长由工况「%1」控制：L = %2 m。</translation>
    </message>
    <message>
        <source>No case needs a stilling basin.</source>
        <comment>GoverningNone</comment>
        <translation>没有需要消力池的工况。</translation>
    </message>
    <message>
        <source>3 Calculation by case</source>
        <comment>CasesHeading</comment>
        <translation>3 各工况计算</translation>
    </message>
    <message>
        <source>3.%1 Case: </source>
        <comment>CaseHeading</comment>
        <translation>3.%1 工况：</translation>
    </message>
    <message>
        <source>Inputs</source>
        <comment>InputsCaption</comment>
        <translation>输入数据</translation>
    </message>
    <message>
        <source>Jump-type check</source>
        <comment>CheckCaption</comment>
        <translation>水跃形式判别</translation>
    </message>
    <message>
        <source>Stilling basin</source>
        <comment>BasinCaption</comment>
        <translation>消力池水力计算</translation>
    </message>
    <message>
        <source>Cross-check of depth and length by SL 265</source>
        <comment>StandardCaption</comment>
        <translation>按 SL 265 复核池深及池长</translation>
    </message>
    <message>
        <source>Floor slab thickness (SL 265)</source>
        <comment>SlabCaption</comment>
        <translation>护坦厚度（SL 265）</translation>
    </message>
    <message>
        <source>Apron extension (SL 265)</source>
        <comment>ApronCaption</comment>
        <translation>海漫长度（SL 265）</translation>
    </message>
    <message>
        <source>Advice on the basin type</source>
        <comment>AdviceCaption</comment>
        <translation>池型建议</translation>
    </message>
    <message>
        <source>The window&apos;s texts</source>
        <comment>WindowTextsCaption</comment>
        <translation>窗口显示值</translation>
    </message>
    <message>
        <source>basin hco (Text8)</source>
        <comment>WindowBasinHco</comment>
        <translation>池底收缩水深 hco (Text8)</translation>
    </message>
    <message>
        <source>Sketch of the case</source>
        <comment>SketchCaption</comment>
        <translation>计算简图</translation>
    </message>
    <message>
        <source>Verdict</source>
        <comment>VerdictLabel</comment>
        <translation>结论</translation>
    </message>
    <message>
        <source>%1: hco2 = %2 m %3 ht = %4 m. %5</source>
        <comment>VerdictLine</comment>
        <translation>%1：hco2 = %2 m %3 ht = %4 m，%5</translation>
    </message>
    <message>
        <source>Calculation stopped</source>
        <comment>ErrorCaption</comment>
        <translation>计算中止</translation>
    </message>
    <message>
        <source>No.</source>
        <comment>ColumnNumber</comment>
        <translation>序号</translation>
    </message>
    <message>
        <source>Case</source>
        <comment>ColumnCase</comment>
        <translation>工况</translation>
    </message>
    <message>
        <source>Symbol</source>
        <comment>ColumnSymbol</comment>
        <translation>符号</translation>
    </message>
    <message>
        <source>Quantity</source>
        <comment>ColumnQuantity</comment>
        <translation>名称</translation>
    </message>
    <message>
        <source>Value</source>
        <comment>ColumnValue</comment>
        <translation>数值</translation>
    </message>
    <message>
        <source>Unit</source>
        <comment>ColumnUnit</comment>
        <translation>单位</translation>
    </message>
    <message>
        <source>Jump</source>
        <comment>ColumnJump</comment>
        <translation>水跃</translation>
    </message>
    <message>
        <source>Calculation</source>
        <comment>ColumnFormula</comment>
        <translation>计算式</translation>
    </message>
    <message>
        <source>discharge per unit width</source>
        <comment>QuantityQ</comment>
        <translation>单宽流量</translation>
    </message>
    <message>
        <source>head over the crest</source>
        <comment>QuantityH</comment>
        <translation>堰上水头</translation>
    </message>
    <message>
        <source>weir height above the downstream floor</source>
        <comment>QuantityA1</comment>
        <translation>下游堰高</translation>
    </message>
    <message>
        <source>approach velocity</source>
        <comment>QuantityV</comment>
        <translation>行进流速</translation>
    </message>
    <message>
        <source>tailwater depth</source>
        <comment>QuantityHt</comment>
        <translation>下游水深</translation>
    </message>
    <message>
        <source>velocity coefficient</source>
        <comment>QuantityPhi</comment>
        <translation>流速系数</translation>
    </message>
    <message>
        <source>submergence factor</source>
        <comment>QuantitySigma</comment>
        <translation>淹没系数</translation>
    </message>
    <message>
        <source>total head above the downstream floor</source>
        <comment>QuantityE0</comment>
        <translation>以下游河床为基准的总水头</translation>
    </message>
    <message>
        <source>critical depth</source>
        <comment>QuantityHc</comment>
        <translation>临界水深</translation>
    </message>
    <message>
        <source>contracted depth</source>
        <comment>QuantityHco</comment>
        <translation>收缩断面水深</translation>
    </message>
    <message>
        <source>conjugate depth</source>
        <comment>QuantityHco2</comment>
        <translation>跃后水深（共轭水深）</translation>
    </message>
    <message>
        <source>Froude number before the jump</source>
        <comment>QuantityFr1</comment>
        <translation>跃前弗劳德数</translation>
    </message>
    <message>
        <source>form of the jump</source>
        <comment>QuantityForm</comment>
        <translation>水跃形式</translation>
    </message>
    <message>
        <source>energy loss in the jump</source>
        <comment>QuantityEnergyLoss</comment>
        <translation>水跃消能量</translation>
    </message>
    <message>
        <source>specific energy before the jump</source>
        <comment>QuantitySpecificEnergy</comment>
        <translation>跃前断面比能</translation>
    </message>
    <message>
        <source>share of the energy lost</source>
        <comment>QuantityRelativeLoss</comment>
        <translation>消能率</translation>
    </message>
    <message>
        <source>length of the free jump</source>
        <comment>QuantityJumpLength</comment>
        <translation>自由水跃长度</translation>
    </message>
    <message>
        <source>downstream total head</source>
        <comment>QuantityEt</comment>
        <translation>下游总水头</translation>
    </message>
    <message>
        <source>balance for the basin depth</source>
        <comment>QuantityBalance</comment>
        <translation>池深平衡式</translation>
    </message>
    <message>
        <source>basin depth</source>
        <comment>QuantityBasinDepth</comment>
        <translation>消力池深</translation>
    </message>
    <message>
        <source>total head above the basin floor</source>
        <comment>QuantityBasinHead</comment>
        <translation>以池底为基准的总水头</translation>
    </message>
    <message>
        <source>contracted depth below the basin floor</source>
        <comment>QuantityBasinHco</comment>
        <translation>池底以下收缩水深</translation>
    </message>
    <message>
        <source>conjugate depth in the basin</source>
        <comment>QuantityBasinHco2</comment>
        <translation>池内跃后水深</translation>
    </message>
    <message>
        <source>basin length</source>
        <comment>QuantityBasinLength</comment>
        <translation>消力池长</translation>
    </message>
    <message>
        <source>total head above the basin floor</source>
        <comment>QuantityT0</comment>
        <translation>以池底为基准的总水头</translation>
    </message>
    <message>
        <source>contracted depth (iterated)</source>
        <comment>QuantityStandardHco</comment>
        <translation>收缩水深（迭代）</translation>
    </message>
    <message>
        <source>conjugate depth</source>
        <comment>QuantityConjugate</comment>
        <translation>跃后水深</translation>
    </message>
    <message>
        <source>fall at the basin exit</source>
        <comment>QuantityDeltaZ</comment>
        <translation>出池落差</translation>
    </message>
    <message>
        <source>basin depth by the standard</source>
        <comment>QuantityStandardDepth</comment>
        <translation>规范池深</translation>
    </message>
    <message>
        <source>basin length by the standard</source>
        <comment>QuantityStandardLength</comment>
        <translation>规范池长</translation>
    </message>
    <message>
        <source>difference of the water levels</source>
        <comment>QuantityHeadDifference</comment>
        <translation>上下游水位差</translation>
    </message>
    <message>
        <source>slab thickness</source>
        <comment>QuantitySlab</comment>
        <translation>护坦厚度</translation>
    </message>
    <message>
        <source>apron length</source>
        <comment>QuantityApron</comment>
        <translation>海漫长度</translation>
    </message>
    <message>
        <source>kinetic-energy correction factor</source>
        <comment>OptionAlpha</comment>
        <translation>动能修正系数</translation>
    </message>
    <message>
        <source>ratio of the inflow width to the basin width</source>
        <comment>OptionWidthRatio</comment>
        <translation>收缩断面与池宽之比</translation>
    </message>
    <message>
        <source>share of the free-jump length</source>
        <comment>OptionBeta</comment>
        <translation>水跃长度校正系数</translation>
    </message>
    <message>
        <source>horizontal length of the sloping part</source>
        <comment>OptionSlopeLength</comment>
        <translation>斜坡段水平投影长度</translation>
    </message>
    <message>
        <source>slab-thickness coefficient</source>
        <comment>OptionK1</comment>
        <translation>护坦厚度计算系数</translation>
    </message>
    <message>
        <source>apron-length coefficient</source>
        <comment>OptionKs</comment>
        <translation>海漫长度计算系数</translation>
    </message>
    <message>
        <source>not given</source>
        <comment>OptionKsNone</comment>
        <translation>未给定</translation>
    </message>
    <message>
        <source>root by bisection</source>
        <comment>RootByBisection</comment>
        <translation>二分法求根</translation>
    </message>
    <message>
        <source>iterated with d′ to convergence</source>
        <comment>RootIterated</comment>
        <translation>与 d′ 迭代至收敛</translation>
    </message>
    <message>
        <source>Fr1 &lt; 1, no jump</source>
        <comment>NoForm</comment>
        <translation>Fr1 &lt; 1，不成水跃</translation>
    </message>
    <message>
        <source>The standard&apos;s cross-check has no root: </source>
        <comment>StandardNoRoot</comment>
        <translation>规范复核无解：</translation>
    </message>
    <message>
        <source>Note: √(q·√ΔH′) lies outside 1–9, where the formula is meant to be used.</source>
        <comment>SlabOutsideRange</comment>
        <translation>注意：√(q·√ΔH′) 超出公式适用范围 1～9。</translation>
    </message>
    <message>
        <source>No Ks given: the apron length is not computed.</source>
        <comment>ApronNotComputed</comment>
        <translation>未给定 Ks，不计算海漫长度。</translation>
    </message>
    <message>
        <source>The tailwater holds the jump: no stilling basin is needed.</source>
        <comment>NoBasinNeeded</comment>
        <translation>下游水深足以淹没水跃，不需设消力池。</translation>
    </message>
    <message>
        <source>No basin was sized.</source>
        <comment>NoBasinSized</comment>
        <translation>未求得消力池。</translation>
    </message>
    <message>
        <source>Stopped at the %1 (%2): </source>
        <comment>CaseStopped</comment>
        <translation>在「%1」一步停止（%2）：</translation>
    </message>
    <message>
        <source>jump-type check</source>
        <comment>StepCheck</comment>
        <translation>水跃形式判别</translation>
    </message>
    <message>
        <source>basin sizing</source>
        <comment>StepBasin</comment>
        <translation>消力池水力计算</translation>
    </message>
    <message>
        <source>remote</source>
        <comment>KindRemote</comment>
        <translation>远离水跃</translation>
    </message>
    <message>
        <source>submerged</source>
        <comment>KindSubmerged</comment>
        <translation>淹没水跃</translation>
    </message>
    <message>
        <source>critical</source>
        <comment>KindCritical</comment>
        <translation>临界水跃</translation>
    </message>
    <message>
        <source>stopped</source>
        <comment>StoppedShort</comment>
        <translation>中止</translation>
    </message>
    <message>
        <source>scale 1:%1</source>
        <comment>SketchScale</comment>
        <translation>比例 1:%1</translation>
    </message>
    <message>
        <source>horizontal 1:%1, vertical 1:%2 (vertical exaggeration ×%3)</source>
        <comment>SketchExaggeration</comment>
        <translation>横向 1:%1，竖向 1:%2（竖向放大 %3 倍）</translation>
    </message>
    <message>
        <source>; dimensions in m</source>
        <comment>SketchUnits</comment>
        <translation>；尺寸单位：m</translation>
    </message>
    <message>
        <source>basin</source>
        <comment>SketchBasinLength</comment>
        <translation>池长</translation>
    </message>
    <message>
        <source>jump</source>
        <comment>SketchJumpLength</comment>
        <translation>跃长</translation>
    </message>
    <message>
        <source> to </source>
        <comment>RangeTo</comment>
        <translation>～</translation>
    </message>
    <message>
        <source>case %1</source>
        <comment>UnnamedCase</comment>
        <translation>工况 %1</translation>
    </message>
    <message>
        <source>A remote jump forms downstream: an energy dissipator must be built.</source>
        <comment>verdict</comment>
        <translation>下游发生远离水跃,需要做消能工.</translation>
    </message>
    <message>
        <source>A submerged jump forms downstream.</source>
        <comment>verdict</comment>
        <translation>下游发生淹没水跃</translation>
    </message>
    <message>
        <source>A critical jump forms downstream.</source>
        <comment>verdict</comment>
        <translation>下游发生临界水跃</translation>
    </message>
    <message>
        <source>undular jump</source>
        <comment>form</comment>
        <translation>波状水跃</translation>
    </message>
    <message>
        <source>weak jump</source>
        <comment>form</comment>
        <translation>弱水跃</translation>
    </message>
    <message>
        <source>oscillating jump</source>
        <comment>form</comment>
        <translation>摆动水跃</translation>
    </message>
    <message>
        <source>steady jump</source>
        <comment>form</comment>
        <translation>稳定水跃</translation>
    </message>
    <message>
        <source>strong jump</source>
        <comment>form</comment>
        <translation>强水跃</translation>
    </message>
    <message>
        <source>No appurtenances are needed.</source>
        <comment>advice</comment>
        <translation>无需辅助消能工</translation>
    </message>
    <message>
        <source>A plain basin is enough.</source>
        <comment>advice</comment>
        <translation>采用简单消力池</translation>
    </message>
    <message>
        <source>An oscillating jump: add wave suppressors or deepen the basin.</source>
        <comment>advice</comment>
        <translation>摆动水跃：宜设消浪设施或加深消力池</translation>
    </message>
    <message>
        <source>A short basin with chute blocks, baffle piers and an end sill.</source>
        <comment>advice</comment>
        <translation>短消力池：设趾墩、消力墩和尾坎</translation>
    </message>
    <message>
        <source>Chute blocks and a dentated end sill, without baffle piers.</source>
        <comment>advice</comment>
        <translation>设趾墩和齿形尾坎，不设消力墩</translation>
    </message>
    <message>
        <source>type mismatch</source>
        <comment>error</comment>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>overflow</source>
        <comment>error</comment>
        <translation>溢出</translation>
    </message>
    <message>
        <source>division by zero</source>
        <comment>error</comment>
        <translation>除数为零</translation>
    </message>
    <message>
        <source>invalid operation</source>
        <comment>error</comment>
        <translation>无效运算</translation>
    </message>
    <message>
        <source>file not found</source>
        <comment>error</comment>
        <translation>文件未找到</translation>
    </message>
    <message>
        <source>no solution</source>
        <comment>error</comment>
        <translation>无解</translation>
    </message>
    <message>
        <source>invalid input</source>
        <comment>error</comment>
        <translation>无效输入</translation>
    </message>
    <message>
        <source>error</source>
        <comment>error</comment>
        <translation>错误</translation>
    </message>
    <message>
        <source>The basin types compared</source>
        <comment>TypesCaption</comment>
        <translation>消力池型式比较</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>ColumnBasinType</comment>
        <translation>型式</translation>
    </message>
    <message>
        <source>Note</source>
        <comment>ColumnTypeNote</comment>
        <translation>说明</translation>
    </message>
    <message>
        <source>Sunk basin (floor lowered)</source>
        <comment>TypeSunk</comment>
        <translation>降低护坦式消力池</translation>
    </message>
    <message>
        <source>Sill basin</source>
        <comment>TypeSill</comment>
        <translation>消力坎式消力池</translation>
    </message>
    <message>
        <source>Combined basin</source>
        <comment>TypeCombined</comment>
        <translation>综合式消力池</translation>
    </message>
    <message>
        <source>H10 = %1 m, H1 = %2 m, σs = %3; after the sill hc1″ = %4 m ≤ ht = %5 m: the jump after the sill is held</source>
        <comment>SillHeld</comment>
        <translation>H10 = %1 m，H1 = %2 m，σs = %3；坎后 hc1″ = %4 m ≤ ht = %5 m，坎后水跃被淹没</translation>
    </message>
    <message>
        <source>H10 = %1 m, H1 = %2 m, σs = %3; after the sill hc1″ = %4 m &gt; ht = %5 m: a remote jump follows the sill; a second sill or the combined basin is needed</source>
        <comment>SillRemote</comment>
        <translation>H10 = %1 m，H1 = %2 m，σs = %3；坎后 hc1″ = %4 m &gt; ht = %5 m，坎后发生远离水跃，需设第二道坎或采用综合式消力池</translation>
    </message>
    <message>
        <source>no sill (%1)</source>
        <comment>SillNone</comment>
        <translation>无法设坎（%1）</translation>
    </message>
    <message>
        <source>not sized</source>
        <comment>CombinedNone</comment>
        <translation>无法求得</translation>
    </message>
    <message>
        <source>Scour depth at the end of the apron dm = 1.1 × %1 / %2 − %3 = %4 m</source>
        <comment>ScourDepthLine</comment>
        <translation>海漫末端冲刷深度 dm = 1.1 × %1 / %2 − %3 = %4 m</translation>
    </message>
    <message>
        <source>No allowable velocity of the bed given: the scour depth is not computed.</source>
        <comment>ScourNone</comment>
        <translation>未给定床面允许流速，不计算冲刷深度。</translation>
    </message>
    <message>
        <source>The sill height is governed by %1: c = %2 m.</source>
        <comment>GoverningSill</comment>
        <translation>消力坎高度由%1控制：c = %2 m。</translation>
    </message>
    <message>
        <source>The combined basin is governed by %1: d = %2 m, c = %3 m.</source>
        <comment>GoverningCombined</comment>
        <translation>综合式消力池由%1控制：d = %2 m，c = %3 m。</translation>
    </message>
    <message>
        <source>The scour depth is governed by %1: dm = %2 m.</source>
        <comment>GoverningScour</comment>
        <translation>冲刷深度由%1控制：dm = %2 m。</translation>
    </message>
    <message>
        <source>Adopted: %1.</source>
        <comment>AdoptedType</comment>
        <translation>采用%1。</translation>
    </message>
    <message>
        <source> (line %1)</source>
        <comment>CaseRow</comment>
        <translation>（第 %1 行）</translation>
    </message>
</context>
<context>
    <name>varnolt::report::Options</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>option --%1 needs a value</source>
        <translation>选项 --%1 需要一个值</translation>
    </message>
    <message>
        <source>option --%1 takes no value</source>
        <translation>选项 --%1 不带值</translation>
    </message>
    <message>
        <source>option --%1: %2</source>
        <translation>选项 --%1：%2</translation>
    </message>
    <message>
        <source>option --%1 is given more than once</source>
        <translation>选项 --%1 给了不止一次</translation>
    </message>
    <message>
        <source>one case file at most, given %1</source>
        <translation>最多一个工况文件，给了 %1 个</translation>
    </message>
    <message>
        <source>give either a case file or one case by --q --H --a1 --v --ht, not both</source>
        <translation>请给出工况文件，或用 --q --H --a1 --v --ht 给出一个工况，不能两者都给</translation>
    </message>
    <message>
        <source>no cases: give a case file, or one case by --q --H --a1 --v --ht</source>
        <translation>没有工况：请给出工况文件，或用 --q --H --a1 --v --ht 给出一个工况</translation>
    </message>
    <message>
        <source>one case needs --q, --H, --a1, --v and --ht; --%1 is missing</source>
        <translation>单个工况需要 --q、--H、--a1、--v 和 --ht；缺少 --%1</translation>
    </message>
    <message>
        <source>option --name: contains a control character</source>
        <translation>选项 --name：含有控制字符</translation>
    </message>
    <message>
        <source>option --name: give 1 to %1 characters</source>
        <translation>选项 --name：请给出 1 至 %1 个字符</translation>
    </message>
    <message>
        <source>option --%1: must be greater than 0</source>
        <translation>选项 --%1：必须大于 0</translation>
    </message>
    <message>
        <source>option --ls: must not be negative</source>
        <translation>选项 --ls：不能为负</translation>
    </message>
    <message>
        <source>give --ks or --bed, not both</source>
        <translation>--ks 与 --bed 只能给一个</translation>
    </message>
    <message>
        <source>option --ks: must be greater than 0</source>
        <translation>选项 --ks：必须大于 0</translation>
    </message>
    <message>
        <source>option --bed: unknown bed class &apos;%1&apos; (one of %2)</source>
        <translation>选项 --bed：未知的河床类别“%1”（可选 %2）</translation>
    </message>
    <message>
        <source>option --format: unknown format &apos;%1&apos; (table, csv, json, md, html, xlsx)</source>
        <translation>选项 --format：未知的格式“%1”（table、csv、json、md、html、xlsx）</translation>
    </message>
    <message>
        <source>cannot tell the format of &apos;%1&apos; from its extension (.csv, .json, .md, .html, .xlsx); give --format</source>
        <translation>无法由扩展名确定“%1”的格式（.csv、.json、.md、.html、.xlsx）；请给出 --format</translation>
    </message>
    <message>
        <source>option --lang: unknown language &apos;%1&apos; (zh, en)</source>
        <translation>选项 --lang：未知的语言“%1”（zh、en）</translation>
    </message>
    <message>
        <source>option --title: give at most %1 characters</source>
        <translation>选项 --title：最多 %1 个字符</translation>
    </message>
    <message>
        <source>a workbook is written to a file: give -o FILE.xlsx</source>
        <translation>工作簿只能写入文件：请给出 -o 文件.xlsx</translation>
    </message>
    <message>
        <source>Usage: varnolt-report [OPTION]... CASES.csv
  or:  varnolt-report [OPTION]... --q Q --H H --a1 A1 --v V --ht HT
Design the stilling basin below an overflow weir for every discharge of a
design: the window&apos;s jump check and basin sizing for each case, the jump&apos;s
Froude number, form and energy loss, the sluice design standard&apos;s basin
depth and length, the floor slab and apron, and the governing cases.

CASES.csv has a header naming the columns q, H, a1, v, ht (required) and
name, phi, sigma (optional; phi 0.95, sigma 1.05), in any order and case,
separated by commas, semicolons or tabs. Use - to read standard input.
Quantities are in metres and seconds.

One case:
  --q Q             discharge per unit width (m²/s)
  --H H             head over the weir crest (m)
  --a1 A1           weir height above the downstream floor (m)
  --v V             approach velocity (m/s)
  --ht HT           tailwater depth (m)
  --phi PHI         velocity coefficient (default 0.95)
  --sigma SIGMA     submergence factor of the basin (default 1.05)
  --name NAME       the case&apos;s name (default &quot;case 1&quot;)

Design-wide:
  --alpha A         kinetic-energy correction factor (default 1.0)
  --b-ratio R       b1/b2, width of the inflow over that of the basin (default 1)
  --beta B          share of the free-jump length for the basin (default 0.75)
  --ls LS           length of the sloping part of the basin (m, default 0)
  --k1 K1           slab-thickness coefficient (default 0.20; code 0.15-0.20)
  --ks KS           apron-length coefficient; without it no apron length
  --bed CLASS       Ks and the allowable velocity [v0] by the bed class,
                    instead of --ks:
%1  --basin TYPE      the adopted basin: sunk (default; the floor lowered), sill
                    (a sill at the basin&apos;s end) or combined (both); every
                    case with a remote jump is sized all three ways
  --sill-m M        discharge coefficient of the sill (default 0.42)
  --allowable-velocity V
                    [v0], the velocity the bed beyond the apron bears (m/s),
                    for the scour depth dm = 1.1·q·b1/b2/[v0] − ht; default by
                    --bed, no scour depth without either

Output:
  -o, --output FILE write to FILE, the format from its extension
                    (.csv, .json, .md, .html, .xlsx); written whole or not at all,
                    keeping its permissions; through a link, the file it points
                    to; a device or FIFO written as it is; - for standard output
  --format FORMAT   table, csv, json, md, html or xlsx (overrides the extension)

Calculation report (.html, printable on A4 with a sketch of each case; .md):
  --lang LANG       zh (default) or en, the language of the report
  --title TITLE     the report&apos;s title (default 消能计算书), dated today
                    (or by SOURCE_DATE_EPOCH when it is set)
  --help            show this help and exit
  --version         show the version and exit

Exit status: 0 when every row was read (a case without a solution is a
result); 1 when some rows could not be read (the others are written, and
each bad row is reported as FILE:LINE: column NAME: what is wrong);
2 for a usage error, a missing or unknown column, or a file that cannot be
read or written (nothing is written then).
</source>
        <translation>用法：varnolt-report [选项]... 工况.csv
  或：varnolt-report [选项]... --q Q --H H --a1 A1 --v V --ht HT
对一个设计的每个流量计算溢流堰下游的消力池：逐个工况进行窗口的水跃形式判别
和消力池水力计算，求跃前弗劳德数、水跃形式和水跃消能量，按水闸设计规范复核
池深和池长，计算护坦厚度和海漫长度，并给出控制工况。

工况.csv 的表头列出 q、H、a1、v、ht（必填）及 name、phi、sigma（可选；
phi 取 0.95，sigma 取 1.05），列的次序和大小写不限，以逗号、分号或制表符
分隔。用 - 从标准输入读取。
长度单位 m，时间单位 s。

单个工况：
  --q Q             单宽流量（m²/s）
  --H H             堰上水头（m）
  --a1 A1           下游堰高（m）
  --v V             行进流速（m/s）
  --ht HT           下游水深（m）
  --phi PHI         流速系数（默认 0.95）
  --sigma SIGMA     消力池淹没系数（默认 1.05）
  --name NAME       工况名称（默认“case 1”）

全设计通用：
  --alpha A         动能修正系数（默认 1.0）
  --b-ratio R       b1/b2，收缩断面宽度与池宽之比（默认 1）
  --beta B          池长取自由水跃长度的比例（默认 0.75）
  --ls LS           消力池斜坡段水平投影长度（m，默认 0）
  --k1 K1           护坦厚度计算系数（默认 0.20；规范 0.15～0.20）
  --ks KS           海漫长度计算系数；不给定则不计算海漫长度
  --bed CLASS       按河床类别取 Ks 及允许流速 [v0]，
                    代替 --ks：
%1  --basin TYPE      采用的消力池型式：sunk（默认，降低护坦）、sill（池末设消力坎）
                    或 combined（综合式）；远离水跃的工况三种型式均计算
  --sill-m M        消力坎流量系数（默认 0.42）
  --allowable-velocity V
                    [v0]，海漫末端河床允许流速（m/s），用于冲刷深度
                    dm = 1.1·q·b1/b2/[v0] − ht；默认按 --bed 取值，两者均未给定则不计算

输出：
  -o, --output FILE 写入 FILE，格式由扩展名确定
                    （.csv、.json、.md、.html、.xlsx）；要么完整写入，要么不写，
                    并保留其权限；经链接写入时写其指向的文件；设备或 FIFO
                    按原样写入；- 表示标准输出
  --format FORMAT   table、csv、json、md、html 或 xlsx（优先于扩展名）

计算书（.html，可用 A4 纸打印，每个工况附计算简图；.md）：
  --lang LANG       计算书的语言：zh（默认）或 en
  --title TITLE     计算书标题（默认“消能计算书”），日期为当天
                    （设置了 SOURCE_DATE_EPOCH 时按其取日期）
  --help            显示本帮助并退出
  --version         显示版本并退出

退出状态：0 表示每一行都已读入（无解的工况也是一个结果）；1 表示有些行无法
读入（其余各行照常写出，每个错误行报告为“文件:行号: 列 列名：错误说明”）；
2 表示用法错误、缺少列或有未知列，或文件无法读写（此时不写出任何内容）。
</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH: &apos;%1&apos; is not a number of seconds since 1970 from 0 to %2</source>
        <translation>SOURCE_DATE_EPOCH：“%1”不是自 1970 年起 0 至 %2 的秒数</translation>
    </message>
</context>
<context>
    <name>varnolt::report::Program</name>
    <message>
        <source>%1:%2: column %3: %4</source>
        <translation>%1:%2: 列 %3：%4</translation>
    </message>
    <message>
        <source>Try &apos;varnolt-report --help&apos; for more information.</source>
        <translation>请用“varnolt-report --help”查看更多信息。</translation>
    </message>
    <message>
        <source>the %1 format is not part of this build</source>
        <translation>本版本不含 %1 格式</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1：无法写入：%2</translation>
    </message>
    <message>
        <source>%1: refusing to write over the case file</source>
        <translation>%1：拒绝覆盖工况文件</translation>
    </message>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1：无法读取：%2</translation>
    </message>
</context>
</TS>
