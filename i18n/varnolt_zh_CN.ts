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
        <source>2 Method and basis of the calculation</source>
        <comment>BasisHeading</comment>
        <translation>2 计算方法及依据</translation>
    </message>
    <message>
        <source>The basin depth and length are cross-checked by SL 265—2016, Design code for sluices, Appendix B (energy dissipation and scour protection), whose clauses on the depth and length of the stilling basin, the thickness of its floor slab, the length of the apron and the depth of scour beyond it are used here. The basin depth itself follows the textbook balance: the depth at which the energy above the basin floor holds the jump submerged by the factor σ against the tailwater.</source>
        <comment>BasisStandard</comment>
        <translation>池深、池长按 SL 265—2016《水闸设计规范》附录 B（消能防冲计算）复核，所用条文为：消力池深度及长度计算、消力池底板厚度计算、海漫长度计算和河床冲刷深度计算。池深按水力学教材的池内外能量平衡计算：池深应使池底以上的总能量在下游水深作用下将水跃以淹没系数 σ 淹没。</translation>
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
        <source>4 Summary of results</source>
        <comment>SummaryHeading</comment>
        <translation>4 计算成果汇总</translation>
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
        <translation>消力池底板厚度（SL 265）</translation>
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
        <source>Figures shown in the program window</source>
        <comment>WindowTextsCaption</comment>
        <translation>程序窗口显示值</translation>
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
        <source>%1: hc″ = %2 m %3 ht = %4 m. %5</source>
        <comment>VerdictLine</comment>
        <translation>%1：hc″ = %2 m %3 ht = %4 m，%5</translation>
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
        <translation>行近流速</translation>
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
        <translation>水跃淹没系数</translation>
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
        <translation>共轭水深</translation>
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
        <translation>池内共轭水深</translation>
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
        <translation>共轭水深</translation>
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
        <translation>消力池底板厚度</translation>
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
        <translation>底板厚度计算系数</translation>
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
        <source>No Ks given: the apron length is not computed.</source>
        <comment>ApronNotComputed</comment>
        <translation>未给定 Ks，不计算海漫长度。</translation>
    </message>
    <message>
        <source>Stopped at the %1 (%2): </source>
        <comment>CaseStopped</comment>
        <translation>在“%1”一步停止（%2）：</translation>
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
        <translation>下游发生远离水跃，需设消能工（消力池）。</translation>
    </message>
    <message>
        <source>A submerged jump forms downstream.</source>
        <comment>verdict</comment>
        <translation>下游发生淹没水跃。</translation>
    </message>
    <message>
        <source>A critical jump forms downstream.</source>
        <comment>verdict</comment>
        <translation>下游发生临界水跃。</translation>
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
        <translation>消力坎高度由工况“%1”控制：c = %2 m。</translation>
    </message>
    <message>
        <source>The combined basin is governed by %1: d = %2 m, c = %3 m.</source>
        <comment>GoverningCombined</comment>
        <translation>综合式消力池由工况“%1”控制：d = %2 m，c = %3 m。</translation>
    </message>
    <message>
        <source>The scour depth is governed by %1: dm = %2 m.</source>
        <comment>GoverningScour</comment>
        <translation>冲刷深度由工况“%1”控制：dm = %2 m。</translation>
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
    <message>
        <source>Floods and levels</source>
        <comment>FloodsHeading</comment>
        <translation>洪水与水位</translation>
    </message>
    <message>
        <source>The head H over the crest follows from the weir&apos;s discharge capacity, the tailwater level from the river&apos;s stage–discharge table; levels in m.</source>
        <comment>FloodsNote</comment>
        <translation>堰顶水头 H 由堰的泄流能力公式求得，下游水位由下游水位流量关系插值求得；高程单位 m。</translation>
    </message>
    <message>
        <source>Q (m³/s)</source>
        <comment>ColumnDischarge</comment>
        <translation>流量 Q (m³/s)</translation>
    </message>
    <message>
        <source>Upstream level</source>
        <comment>ColumnUpstreamLevel</comment>
        <translation>上游水位</translation>
    </message>
    <message>
        <source>Tailwater level</source>
        <comment>ColumnTailwaterLevel</comment>
        <translation>下游水位</translation>
    </message>
    <message>
        <source>Basin floor level</source>
        <comment>ColumnBasinFloorLevel</comment>
        <translation>池底高程</translation>
    </message>
    <message>
        <source>Jump level</source>
        <comment>ColumnJumpLevel</comment>
        <translation>跃后水位</translation>
    </message>
    <message>
        <source>%1 discharges evenly spaced between the smallest and the largest flood: the deepest basin at Q = %2 m³/s (q = %3 m²/s), d = %4 m.</source>
        <comment>ScanDepth</comment>
        <translation>在最小与最大洪水流量之间均匀取 %1 个流量计算：池深最大时 Q = %2 m³/s（q = %3 m²/s），d = %4 m。</translation>
    </message>
    <message>
        <source>The longest basin at Q = %1 m³/s (q = %2 m²/s), length %3 m.</source>
        <comment>ScanLength</comment>
        <translation>池长最大时 Q = %1 m³/s（q = %2 m²/s），池长 %3 m。</translation>
    </message>
    <message>
        <source>No discharge of the range needs the floor lowered.</source>
        <comment>ScanNoDepth</comment>
        <translation>该流量范围内均无需降低池底。</translation>
    </message>
    <message>
        <source>The governing discharge Q = %1 m³/s needs a basin d = %2 m deeper than every listed flood&apos;s; the adopted depth must cover it.</source>
        <comment>ScanGoverning</comment>
        <translation>最不利流量 Q = %1 m³/s：其所需池深 d = %2 m 大于各计算洪水，采用池深应予满足。</translation>
    </message>
    <message>
        <source>The structure&apos;s adopted basin depth covers it: d = %1 m.</source>
        <comment>ScanAdoptedDepth</comment>
        <translation>消力池采用池深据此取 d = %1 m。</translation>
    </message>
    <message>
        <source>Underflow (hydraulic-jump) energy dissipation below an overflow weir: the contracted depth hc and its conjugate depth hc″ follow from the total head; compared with the tailwater depth ht they decide the kind of jump. A stilling basin is needed while σ′ = ht/hc″ &lt; σ: for a remote jump, and also for a critical jump or a submerged one whose tailwater is short of σ times the conjugate depth. Its depth d, which holds the jump submerged with the factor σ, is found by the window&apos;s bisection and solved exactly as well, with the contracted depth below the basin floor and the basin length.</source>
        <comment>BasisMethod</comment>
        <translation>溢流堰下游按底流式（水跃）消能计算：由总水头求收缩断面水深 hc 及其共轭水深 hc″，与下游水深 ht 比较判别水跃形式。按规范，σ′ = ht/hc″ &lt; σ 时须设消力池：远离水跃须设池，临界水跃及下游水深不足 σ 倍共轭水深的淹没水跃亦须设池。池深 d 按水跃淹没系数 σ 使池内水跃被淹没，用窗口的二分法求得，并另行精确求解，同时求池底以下的收缩水深及池长。</translation>
    </message>
    <message>
        <source>▲ case governing the adopted basin depth; ■ the adopted basin length; ● the slab thickness; ◆ the apron length.</source>
        <comment>SummaryLegend</comment>
        <translation>▲ 控制采用池深的工况；■ 控制采用池长的工况；● 控制消力池底板厚度的工况；◆ 控制海漫长度的工况。</translation>
    </message>
    <message>
        <source>Adopted basin depth d = %2 m, governed by case “%1”.</source>
        <comment>GoverningDepth</comment>
        <translation>采用池深 d = %2 m，由工况“%1”控制。</translation>
    </message>
    <message>
        <source>Adopted basin length L = %2 m, governed by case “%1”.</source>
        <comment>GoverningLength</comment>
        <translation>采用池长 L = %2 m，由工况“%1”控制。</translation>
    </message>
    <message>
        <source>Slab thickness t = %2 m, governed by case “%1”.</source>
        <comment>GoverningSlab</comment>
        <translation>消力池底板厚度 t = %2 m，由工况“%1”控制。</translation>
    </message>
    <message>
        <source>Apron length Lp = %2 m, governed by case “%1”.</source>
        <comment>GoverningApron</comment>
        <translation>海漫长度 Lp = %2 m，由工况“%1”控制。</translation>
    </message>
    <message>
        <source>The structure&apos;s stilling basin, from the adopted dimensions of all cases:</source>
        <comment>StructureBasin</comment>
        <translation>本工程消力池（取各工况采用值的最大者）：</translation>
    </message>
    <message>
        <source>%1 case(s) need a basin that could not be sized: %2.</source>
        <comment>UnsizeableCases</comment>
        <translation>%1 个工况须设消力池但无法求得：%2。</translation>
    </message>
    <message>
        <source>Basin decision</source>
        <comment>DecisionCaption</comment>
        <translation>消力池判别</translation>
    </message>
    <message>
        <source>σ′ = ht/hc″ = %1/%2 = %3 ≥ σ = %4: the tailwater holds the jump with the margin σ; no stilling basin is needed.</source>
        <comment>DecisionNone</comment>
        <translation>σ′ = ht/hc″ = %1/%2 = %3 ≥ σ = %4：下游水深足以按水跃淹没系数 σ 淹没水跃，不须设消力池。</translation>
    </message>
    <message>
        <source>σ′ = ht/hc″ = %1/%2 = %3 &lt; σ = %4: a stilling basin is needed (a basin while σ′ &lt; σ); it is sized below.</source>
        <comment>DecisionBasin</comment>
        <translation>σ′ = ht/hc″ = %1/%2 = %3 &lt; σ = %4：按 σ′ &lt; σ 须设消力池，计算如下。</translation>
    </message>
    <message>
        <source>σ′ = ht/hc″ = %1/%2 = %3 &lt; σ = %4: a stilling basin is needed (a basin while σ′ &lt; σ), but it cannot be sized: %5</source>
        <comment>DecisionUnsizeable</comment>
        <translation>σ′ = ht/hc″ = %1/%2 = %3 &lt; σ = %4：按 σ′ &lt; σ 须设消力池，但无法求得：%5</translation>
    </message>
    <message>
        <source>no basin</source>
        <comment>DecisionShortNone</comment>
        <translation>不设池</translation>
    </message>
    <message>
        <source>basin</source>
        <comment>DecisionShortBasin</comment>
        <translation>设消力池</translation>
    </message>
    <message>
        <source>not sizeable</source>
        <comment>DecisionShortUnsizeable</comment>
        <translation>无法求得</translation>
    </message>
    <message>
        <source>Decision</source>
        <comment>ColumnDecision</comment>
        <translation>判别</translation>
    </message>
    <message>
        <source>adopted d (m)</source>
        <comment>ColumnAdoptedDepth</comment>
        <translation>采用 d (m)</translation>
    </message>
    <message>
        <source>adopted L (m)</source>
        <comment>ColumnAdoptedLength</comment>
        <translation>采用 L (m)</translation>
    </message>
    <message>
        <source>total head at the basin exit (φ′)</source>
        <comment>QuantityExitHead</comment>
        <translation>出池断面总水头（按 φ′）</translation>
    </message>
    <message>
        <source>balance for the basin depth, exact root</source>
        <comment>QuantityExactBalance</comment>
        <translation>池深平衡式（精确根）</translation>
    </message>
    <message>
        <source>solved to double precision; the window&apos;s figure d = %1 m</source>
        <comment>RootExact</comment>
        <translation>按双精度求解；窗口计算值 d = %1 m</translation>
    </message>
    <message>
        <source>at d = 0 the left side is %1 m ≤ Et′ = %2 m: the balance holds with the floor unlowered, its root d = 0</source>
        <comment>BalanceHoldsUnlowered</comment>
        <translation>d = 0 时左端为 %1 m ≤ Et′ = %2 m：池底不降低平衡式已满足，其根 d = 0</translation>
    </message>
    <message>
        <source>The balance has no root in double precision; the window&apos;s figure stands alone.</source>
        <comment>ExactNoRoot</comment>
        <translation>平衡式按双精度无解，仅列窗口计算值。</translation>
    </message>
    <message>
        <source>The window&apos;s basin (its bisection)</source>
        <comment>WindowBasinCaption</comment>
        <translation>窗口计算的消力池（二分法）</translation>
    </message>
    <message>
        <source>basin depth, the window&apos;s figure</source>
        <comment>QuantityWindowDepth</comment>
        <translation>池深（窗口计算值）</translation>
    </message>
    <message>
        <source>the window&apos;s bisection, which stops at steps of about 5 mm</source>
        <comment>RootWindow</comment>
        <translation>窗口二分法所得，按约 5 mm 的步长停止</translation>
    </message>
    <message>
        <source>Adopted dimensions</source>
        <comment>AdoptedCaption</comment>
        <translation>采用值</translation>
    </message>
    <message>
        <source>adopted basin depth</source>
        <comment>QuantityAdoptedDepth</comment>
        <translation>采用池深</translation>
    </message>
    <message>
        <source>adopted basin length</source>
        <comment>QuantityAdoptedLength</comment>
        <translation>采用池长</translation>
    </message>
    <message>
        <source>rounded up to a step of %1 m: %2 m</source>
        <comment>RoundedUp</comment>
        <translation>按 %1 m 向上取整：%2 m</translation>
    </message>
    <message>
        <source>the window&apos;s bisection</source>
        <comment>MethodWindow</comment>
        <translation>窗口二分法</translation>
    </message>
    <message>
        <source>the exact root</source>
        <comment>MethodExact</comment>
        <translation>精确根</translation>
    </message>
    <message>
        <source>the standard&apos;s formula</source>
        <comment>MethodStandard</comment>
        <translation>规范公式</translation>
    </message>
    <message>
        <source>the window&apos;s upper length</source>
        <comment>MethodWindowLength</comment>
        <translation>窗口池长上限</translation>
    </message>
    <message>
        <source>by %1</source>
        <comment>GivenBy</comment>
        <translation>由%1</translation>
    </message>
    <message>
        <source>end thickness of the slab</source>
        <comment>QuantitySlabEnd</comment>
        <translation>底板末端厚度</translation>
    </message>
    <message>
        <source>velocity entering the jump in the basin</source>
        <comment>QuantityUpliftVelocity</comment>
        <translation>池内收缩断面流速</translation>
    </message>
    <message>
        <source>pulsating pressure</source>
        <comment>QuantityPulsation</comment>
        <translation>脉动压强</translation>
    </message>
    <message>
        <source>slab against uplift, front half</source>
        <comment>QuantityUpliftFront</comment>
        <translation>底板抗浮厚度（前半部）</translation>
    </message>
    <message>
        <source>slab against uplift, rear half</source>
        <comment>QuantityUpliftRear</comment>
        <translation>底板抗浮厚度（后半部）</translation>
    </message>
    <message>
        <source>adopted slab thickness</source>
        <comment>QuantityAdoptedSlab</comment>
        <translation>采用底板厚度</translation>
    </message>
    <message>
        <source>No uplift given: the slab is not checked against uplift.</source>
        <comment>UpliftNone</comment>
        <translation>未给出扬压力，未作底板抗浮验算。</translation>
    </message>
    <message>
        <source>unit discharge at the basin&apos;s end</source>
        <comment>QuantityApronDischarge</comment>
        <translation>消力池末端单宽流量</translation>
    </message>
    <message>
        <source>parameter of the apron formula</source>
        <comment>QuantityApronParameter</comment>
        <translation>海漫长度公式参数</translation>
    </message>
    <message>
        <source>Note: √(qs·√ΔH′) = %1 lies outside 1–9, the range the apron formula is meant for.</source>
        <comment>ApronOutsideRange</comment>
        <translation>注：√(qs·√ΔH′) = %1 不在海漫长度公式的适用范围 1～9 内。</translation>
    </message>
    <message>
        <source>velocity coefficient at the basin exit</source>
        <comment>OptionExitPhi</comment>
        <translation>出池流速系数</translation>
    </message>
    <message>
        <source>step the adopted depth is rounded up to</source>
        <comment>OptionDepthStep</comment>
        <translation>采用池深取整步长</translation>
    </message>
    <message>
        <source>step the adopted length is rounded up to</source>
        <comment>OptionLengthStep</comment>
        <translation>采用池长取整步长</translation>
    </message>
    <message>
        <source>safety factor of the slab against uplift</source>
        <comment>OptionK2</comment>
        <translation>底板抗浮安全系数</translation>
    </message>
    <message>
        <source>unit weight of the slab</source>
        <comment>OptionSlabUnitWeight</comment>
        <translation>底板容重</translation>
    </message>
    <message>
        <source>Adopted dimensions: the basin depth is the largest of the window&apos;s figure, the exact root and the standard&apos;s d′, rounded up to %1 m; the basin length the larger of the window&apos;s upper length and the standard&apos;s Lsj, rounded up to %2 m. The slab takes the largest of its thickness against scour and, where an uplift is given, against uplift.</source>
        <comment>BasisAdoption</comment>
        <translation>采用值：池深取窗口计算值、精确根与规范 d′ 三者的最大值，向上取整至 %1 m；池长取窗口池长上限与规范 Lsj 的较大值，向上取整至 %2 m。消力池底板厚度取抗冲厚度与（给出扬压力时）抗浮厚度的最大值。</translation>
    </message>
    <message>
        <source>Coefficients outside their usual ranges</source>
        <comment>WarningsCaption</comment>
        <translation>超出常用范围的系数</translation>
    </message>
    <message>
        <source>%1 %2 = %3 lies outside its usual range %4–%5; it is used as given.</source>
        <comment>WarningRange</comment>
        <translation>%1 %2 = %3 超出常用范围 %4～%5，仍按给定值计算。</translation>
    </message>
    <message>
        <source>%1 %2 = %3 lies below its usual lower limit %4; it is used as given.</source>
        <comment>WarningBelow</comment>
        <translation>%1 %2 = %3 低于常用下限 %4，仍按给定值计算。</translation>
    </message>
    <message>
        <source>%1 %2 = %3 lies above its usual upper limit %4; it is used as given.</source>
        <comment>WarningAbove</comment>
        <translation>%1 %2 = %3 高于常用上限 %4，仍按给定值计算。</translation>
    </message>
    <message>
        <source>Case “%1”: </source>
        <comment>WarningCase</comment>
        <translation>工况“%1”：</translation>
    </message>
    <message>
        <source>Project</source>
        <comment>ProjectName</comment>
        <translation>工程名称</translation>
    </message>
    <message>
        <source>Design stage</source>
        <comment>DesignStage</comment>
        <translation>设计阶段</translation>
    </message>
    <message>
        <source>Report number</source>
        <comment>ReportNumber</comment>
        <translation>计算书编号</translation>
    </message>
    <message>
        <source>Sign-off</source>
        <comment>SignOffRole</comment>
        <translation>签署</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>SignOffName</comment>
        <translation>签名</translation>
    </message>
    <message>
        <source>Calculated</source>
        <comment>SignCalculated</comment>
        <translation>计算</translation>
    </message>
    <message>
        <source>Checked</source>
        <comment>SignChecked</comment>
        <translation>校核</translation>
    </message>
    <message>
        <source>Reviewed</source>
        <comment>SignReviewed</comment>
        <translation>审查</translation>
    </message>
    <message>
        <source>Approved</source>
        <comment>SignApproved</comment>
        <translation>批准</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>PageHeader</comment>
        <translation>%1&#x3000;%2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <comment>PageFooter</comment>
        <translation>第 %1 页 共 %2 页</translation>
    </message>
    <message>
        <source>energy line</source>
        <comment>SketchEnergyLine</comment>
        <translation>总水头线</translation>
    </message>
    <message>
        <source>1 Design conditions</source>
        <comment>ConditionsHeading</comment>
        <translation>1 设计条件</translation>
    </message>
    <message>
        <source>The structure and its levels</source>
        <comment>StructureCaption</comment>
        <translation>建筑物及特征高程</translation>
    </message>
    <message>
        <source>Level (m)</source>
        <comment>ColumnLevel</comment>
        <translation>高程 (m)</translation>
    </message>
    <message>
        <source>weir crest</source>
        <comment>LevelCrest</comment>
        <translation>堰顶</translation>
    </message>
    <message>
        <source>downstream floor at the toe</source>
        <comment>LevelFloor</comment>
        <translation>下游河床（坝趾处）</translation>
    </message>
    <message>
        <source>approach-channel bed, P below the crest</source>
        <comment>LevelApproachBed</comment>
        <translation>上游河床（堰顶以下 P）</translation>
    </message>
    <message>
        <source>The cases as given</source>
        <comment>ConditionsCasesCaption</comment>
        <translation>计算工况</translation>
    </message>
    <message>
        <source>Floods, heads and tailwater levels</source>
        <comment>ConditionsFloodsCaption</comment>
        <translation>洪水、堰顶水头及下游水位</translation>
    </message>
    <message>
        <source>5 Conclusion</source>
        <comment>ConclusionHeading</comment>
        <translation>5 结论</translation>
    </message>
    <message>
        <source>Item</source>
        <comment>ColumnItem</comment>
        <translation>项目</translation>
    </message>
    <message>
        <source>Adopted</source>
        <comment>ColumnAdoptedValue</comment>
        <translation>采用值</translation>
    </message>
    <message>
        <source>Governing case</source>
        <comment>ColumnGoverningCase</comment>
        <translation>控制工况</translation>
    </message>
    <message>
        <source>type of the stilling basin</source>
        <comment>ItemBasinType</comment>
        <translation>消力池型式</translation>
    </message>
    <message>
        <source>basin floor level ▽ (m)</source>
        <comment>ItemFloorLevel</comment>
        <translation>池底高程 ▽ (m)</translation>
    </message>
    <message>
        <source>basin depth d (m)</source>
        <comment>ItemDepth</comment>
        <translation>消力池深 d (m)</translation>
    </message>
    <message>
        <source>basin length L (m)</source>
        <comment>ItemLength</comment>
        <translation>消力池长 L (m)</translation>
    </message>
    <message>
        <source>sill height c (m)</source>
        <comment>ItemSill</comment>
        <translation>消力坎高度 c (m)</translation>
    </message>
    <message>
        <source>floor slab thickness t (m)</source>
        <comment>ItemSlab</comment>
        <translation>消力池底板厚度 t (m)</translation>
    </message>
    <message>
        <source>slab end thickness t′ (m)</source>
        <comment>ItemSlabEnd</comment>
        <translation>底板末端厚度 t′ (m)</translation>
    </message>
    <message>
        <source>apron length Lp (m)</source>
        <comment>ItemApron</comment>
        <translation>海漫长度 Lp (m)</translation>
    </message>
    <message>
        <source>scour depth dm (m)</source>
        <comment>ItemScour</comment>
        <translation>冲刷深度 dm (m)</translation>
    </message>
    <message>
        <source>appurtenances</source>
        <comment>ItemAppurtenances</comment>
        <translation>辅助消能工</translation>
    </message>
    <message>
        <source>%1 cases were calculated; adopted: %2.</source>
        <comment>ConclusionAdopted</comment>
        <translation>共计算 %1 个工况，采用%2。</translation>
    </message>
    <message>
        <source>The basin depth is governed by case “%1” and its length by case “%2”; the dimensions adopted are those in the table above.</source>
        <comment>ConclusionGoverning</comment>
        <translation>池深由工况“%1”控制，池长由工况“%2”控制，采用尺寸见上表。</translation>
    </message>
    <message>
        <source>At the governing case&apos;s Froude number Fr1 = %1: %2</source>
        <comment>ConclusionAdvice</comment>
        <translation>按控制工况的跃前弗劳德数 Fr1 = %1，%2。</translation>
    </message>
    <message>
        <source>Source</source>
        <comment>ColumnSource</comment>
        <translation>来源</translation>
    </message>
    <message>
        <source>hydraulics textbook</source>
        <comment>SourceTextbook</comment>
        <translation>水力学教材</translation>
    </message>
    <message>
        <source>SL 265—2016, Appendix B</source>
        <comment>SourceStandard</comment>
        <translation>SL 265—2016 附录 B</translation>
    </message>
    <message>
        <source>the structure: widths of the weir and of the basin</source>
        <comment>SourceStructureWidths</comment>
        <translation>按结构：堰宽与池宽</translation>
    </message>
    <message>
        <source>the structure: horizontal length of the sloping segment</source>
        <comment>SourceStructureSlope</comment>
        <translation>按结构：斜坡段水平长度</translation>
    </message>
    <message>
        <source>by the river bed: %1</source>
        <comment>SourceBed</comment>
        <translation>按河床土质：%1</translation>
    </message>
    <message>
        <source>material of the floor slab</source>
        <comment>SourceSlabMaterial</comment>
        <translation>底板材料</translation>
    </message>
    <message>
        <source>usually %1</source>
        <comment>SourceUsually</comment>
        <translation>常用 %1</translation>
    </message>
    <message>
        <source>program default</source>
        <comment>OriginDefault</comment>
        <translation>程序默认值</translation>
    </message>
    <message>
        <source>design file</source>
        <comment>OriginDesignFile</comment>
        <translation>设计文件</translation>
    </message>
    <message>
        <source>command line %1</source>
        <comment>OriginCommandLine</comment>
        <translation>命令行 %1</translation>
    </message>
    <message>
        <source>design practice</source>
        <comment>SourceDesignPractice</comment>
        <translation>设计惯例</translation>
    </message>
</context>
<context>
    <name>SideFailureWords</name>
    <message>
        <source>apron length Lp not computed: %1</source>
        <translation>海漫长度 Lp 未能计算：%1</translation>
    </message>
    <message>
        <source>slab thickness not computed: %1</source>
        <translation>消力池底板厚度未能计算：%1</translation>
    </message>
    <message>
        <source>uplift check not computed: %1</source>
        <translation>抗浮验算未能计算：%1</translation>
    </message>
    <message>
        <source>scour depth not computed: %1</source>
        <translation>冲刷深度未能计算：%1</translation>
    </message>
</context>
<context>
    <name>varnolt::design::CaseReader</name>
    <message>
        <source>not valid UTF-8 text</source>
        <translation>不是有效的 UTF-8 文本</translation>
    </message>
    <message>
        <source>contains a control character (U+%1)</source>
        <translation>含有控制字符（U+%1）</translation>
    </message>
    <message>
        <source>contains a bidirectional control (U+%1), which would reorder the figures printed beside the name</source>
        <translation>含有双向控制字符（U+%1），会打乱名称旁所印数字的顺序</translation>
    </message>
    <message>
        <source>empty, a number is needed</source>
        <translation>为空，此处需要一个数</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number (this file writes numbers with a full stop)</source>
        <translation>“%1”不是数（本文件以句点作小数点）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is beyond the range of numbers</source>
        <translation>“%1”超出数的范围</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number in this file&apos;s notation (a decimal comma, full stops grouping thousands)</source>
        <translation>“%1”按本文件的记数法不是数（逗号作小数点，句点分隔千位）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>“%1”不是数</translation>
    </message>
    <message>
        <source>header: %1</source>
        <translation>表头：%1</translation>
    </message>
    <message>
        <source>header: column without a name</source>
        <translation>表头：有一列没有名称</translation>
    </message>
    <message>
        <source>unknown column (the columns are name, q, H, a1, v, ht, phi, sigma, uplift)</source>
        <translation>未知的列（可用的列为 name、q、H、a1、v、ht、phi、sigma、uplift）</translation>
    </message>
    <message>
        <source>column given twice</source>
        <translation>该列重复出现</translation>
    </message>
    <message>
        <source>missing: the header must name the columns q, H, a1, v and ht</source>
        <translation>缺少列：表头必须包含 q、H、a1、v 和 ht 列</translation>
    </message>
    <message>
        <source>missing: the row has %1 fields, the header %2 columns</source>
        <translation>缺少字段：该行有 %1 个字段，表头有 %2 列</translation>
    </message>
    <message>
        <source>a field beyond the header&apos;s %1 columns</source>
        <translation>字段超出表头的 %1 列</translation>
    </message>
    <message>
        <source>name longer than %1 characters</source>
        <translation>名称超过 %1 个字符</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is impossible: the value must be %2</source>
        <translation>“%1”不合理：取值范围为 %2</translation>
    </message>
    <message>
        <source>warning: &apos;%1&apos; also names the case at line %2</source>
        <translation>警告：“%1”与第 %2 行的工况同名</translation>
    </message>
    <message>
        <source>no header row: the file holds no cases</source>
        <translation>没有表头行：文件中没有工况</translation>
    </message>
    <message>
        <source>a header and no case: the file holds no row to evaluate</source>
        <translation>只有表头而没有工况：文件中没有可计算的行</translation>
    </message>
    <message>
        <source>row longer than %1 bytes</source>
        <translation>行长超过 %1 字节</translation>
    </message>
    <message>
        <source>text after a closing quotation mark</source>
        <translation>右引号之后还有文字</translation>
    </message>
    <message>
        <source>quotation not closed before the end of the file</source>
        <translation>引号直到文件末尾仍未闭合</translation>
    </message>
    <message>
        <source>quoted field longer than %1 bytes</source>
        <translation>带引号的字段超过 %1 字节</translation>
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
        <source>SOURCE_DATE_EPOCH: &apos;%1&apos; is not a number of seconds since 1970 from 0 to %2</source>
        <translation>SOURCE_DATE_EPOCH：“%1”不是自 1970 年起 0 至 %2 的秒数</translation>
    </message>
    <message>
        <source>option --%1: &apos;%2&apos; is impossible: the value must be %3</source>
        <translation>选项 --%1：“%2”不合理：取值范围为 %3</translation>
    </message>
    <message>
        <source>option --name: contains a bidirectional control, which would reorder the figures printed beside the name</source>
        <translation>选项 --name：含有双向控制字符，会打乱名称旁所印数字的顺序</translation>
    </message>
    <message>
        <source>option --scan: give a whole number of discharges from 2 to %1</source>
        <translation>选项 --scan：请给出 2 至 %1 之间的整数个流量</translation>
    </message>
    <message>
        <source>option --scan: only a design file (.toml) with a [tailwater] table can be scanned</source>
        <translation>选项 --scan：只有带 [tailwater] 表的设计文件（.toml）才能扫描</translation>
    </message>
    <message>
        <source>option --basin: unknown basin type &apos;%1&apos; (sunk, sill, combined)</source>
        <translation>选项 --basin：未知的消力池型式“%1”（sunk、sill、combined）</translation>
    </message>
    <message>
        <source>option --sill-m: must be greater than 0</source>
        <translation>选项 --sill-m：必须大于 0</translation>
    </message>
    <message>
        <source>option --allowable-velocity: must be greater than 0</source>
        <translation>选项 --allowable-velocity：必须大于 0</translation>
    </message>
    <message>
        <source>option --%1: contains a control character</source>
        <translation>选项 --%1：含有控制字符</translation>
    </message>
    <message>
        <source>option --%1: contains a bidirectional control, which would reorder the words printed beside it</source>
        <translation>选项 --%1：含有双向控制字符，会打乱其旁所印文字的顺序</translation>
    </message>
    <message>
        <source>option --%1: give 1 to %2 characters</source>
        <translation>选项 --%1：请给出 1 至 %2 个字符</translation>
    </message>
    <message>
        <source>option --format: unknown format &apos;%1&apos; (table, csv, json, md, html, xlsx, docx)</source>
        <translation>选项 --format：未知的格式“%1”（table、csv、json、md、html、xlsx、docx）</translation>
    </message>
    <message>
        <source>cannot tell the format of &apos;%1&apos; from its extension (.csv, .json, .md, .html, .xlsx, .docx); give --format</source>
        <translation>无法由扩展名确定“%1”的格式（.csv、.json、.md、.html、.xlsx、.docx）；请给出 --format</translation>
    </message>
    <message>
        <source>Usage: varnolt-report [OPTION]... CASES.csv
  or:  varnolt-report [OPTION]... DESIGN.toml
  or:  varnolt-report [OPTION]... --q Q --H H --a1 A1 --v V --ht HT
Design the stilling basin below an overflow weir for every discharge of a
design: the window&apos;s jump check and basin sizing for each case, the jump&apos;s
Froude number, form and energy loss, the sluice design standard&apos;s basin
depth and length, the floor slab and apron, and the governing cases.

CASES.csv has a header naming the columns q, H, a1, v, ht (required) and
name, phi, sigma (optional; phi 0.95, sigma 1.05), in any order and case,
separated by commas, semicolons or tabs. Use - to read standard input.
Quantities are in metres and seconds.

DESIGN.toml gives the weir ([weir]), the river&apos;s stage-discharge table
([tailwater]), the floods ([[flood]] with a discharge each), and optionally
[project] and [basin]; each flood&apos;s head comes from the weir&apos;s capacity and
its tailwater from the table (see the manual for every key). An option on
the command line overrides the file&apos;s [basin] value.
  --scan N          discharges evaluated between the smallest and largest
                    flood to find the one needing the deepest and the
                    longest basin (default 200; needs a [tailwater] table)

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
  --phi-exit PHI    velocity coefficient of the tailwater at the basin exit
                    for the exact depth and the standard&apos;s d&apos; (default 0.95)
  --depth-step S    the adopted basin depth is rounded up to S (m, default 0.05)
  --length-step S   the adopted basin length is rounded up to S (m, default 0.5)
  --k2 K2           safety factor of the slab against uplift (default 1.2)
  --slab-unit-weight G  unit weight of the slab (kN/m³, default 24)

Output:
  -o, --output FILE write to FILE, the format from its extension
                    (.csv, .json, .md, .html, .xlsx, .docx); written whole or not
                    at all, keeping its permissions; through a link, the file it
                    points to; a device or FIFO written as it is; - for standard
                    output
  --format FORMAT   table, csv, json, md, html, xlsx or docx (overrides the
                    extension)

Calculation report (.html, printable on A4 with a sketch of each case; .docx,
the same for Word, editable; .md):
  --lang LANG       zh (default) or en, the language of the report
  --title TITLE     the report&apos;s title (default 消能计算书), dated today
                    (or by SOURCE_DATE_EPOCH when it is set)
  --project NAME    the project&apos;s name (工程名称) on the title page and atop
                    every printed page
  --stage STAGE     the design stage (设计阶段) on the title page
  --number NUMBER   the report&apos;s number (计算书编号) on the title page
                    (each over the design file&apos;s [project] entry; one not
                    given is left blank)
  --help            show this help and exit
  --version         show the version and exit

Exit status: 0 when every row was read (a case without a solution is a
result); 1 when some rows could not be read (the others are written, and
each bad row is reported as FILE:LINE: column NAME: what is wrong);
2 for a usage error, a missing or unknown column, or a file that cannot be
read or written (nothing is written then). For a design file: 1 when some
floods could not be evaluated (FILE:LINE:COLUMN: KEY: what is wrong; the
others are written), 2 when the file cannot be used at all.
</source>
        <translation>用法：varnolt-report [选项]... 工况.csv
  或：varnolt-report [选项]... 设计.toml
  或：varnolt-report [选项]... --q Q --H H --a1 A1 --v V --ht HT
对一个设计的每个流量计算溢流堰下游的消力池：逐个工况进行窗口的水跃形式判别
和消力池水力计算，求跃前弗劳德数、水跃形式和水跃消能量，按水闸设计规范复核
池深和池长，计算护坦厚度和海漫长度，并给出控制工况。

工况.csv 的表头列出 q、H、a1、v、ht（必填）及 name、phi、sigma（可选；
phi 取 0.95，sigma 取 1.05），列的次序和大小写不限，以逗号、分号或制表符
分隔。用 - 从标准输入读取。
长度单位 m，时间单位 s。

设计.toml 给出堰（[weir]）、下游水位流量关系（[tailwater]）、各次洪水（[[flood]]，
各给一个流量），以及可选的 [project] 和 [basin]；各次洪水的堰上水头由堰的泄流
能力求得，下游水位由水位流量关系插值求得（各键见手册）。命令行选项优先于文件的
[basin] 取值。
  --scan N          在最小与最大洪水流量之间均匀取 N 个流量计算，求池深最大和
                    池长最大的流量（默认 200；需要 [tailwater] 表）

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
  --phi-exit PHI    消力池出口处下游水流的流速系数，用于精确池深和规范池深 d&apos;
                    （默认 0.95）
  --depth-step S    采用池深向上取整到 S 的倍数（m，默认 0.05）
  --length-step S   采用池长向上取整到 S 的倍数（m，默认 0.5）
  --k2 K2           护坦抗浮安全系数（默认 1.2）
  --slab-unit-weight G  护坦材料重度（kN/m³，默认 24）

输出：
  -o, --output FILE 写入 FILE，格式由扩展名确定
                    （.csv、.json、.md、.html、.xlsx、.docx）；要么完整写入，
                    要么不写，并保留其权限；经链接写入时写其指向的文件；设备或
                    FIFO 按原样写入；- 表示标准输出
  --format FORMAT   table、csv、json、md、html、xlsx 或 docx（优先于扩展名）

计算书（.html，可用 A4 纸打印，每个工况附计算简图；.docx，内容相同的
可编辑 Word 文档；.md）：
  --lang LANG       计算书的语言：zh（默认）或 en
  --title TITLE     计算书标题（默认“消能计算书”），日期为当天
                    （设置了 SOURCE_DATE_EPOCH 时按其取日期）
  --project NAME    工程名称，印在封面及每页页眉
  --stage STAGE     设计阶段，印在封面
  --number NUMBER   计算书编号，印在封面
                    （以上各项优先于设计文件 [project] 中的同名项；未给出的留空）
  --help            显示本帮助并退出
  --version         显示版本并退出

退出状态：0 表示每一行都已读入（无解的工况也是一个结果）；1 表示有些行无法
读入（其余各行照常写出，每个错误行报告为“文件:行号: 列 列名：错误说明”）；
2 表示用法错误、缺少列或有未知列，或文件无法读写（此时不写出任何内容）。对设计文件：1 表示有些洪水
无法计算（文件:行:列: 键：错误说明；其余照常写出），2 表示文件完全不能使用。
</translation>
    </message>
</context>
<context>
    <name>varnolt::report::Program</name>
    <message>
        <source>varnolt-report: warning: %1</source>
        <translation>varnolt-report：警告：%1</translation>
    </message>
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
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1:%2:%3: %4</source>
        <translation>%1:%2:%3：%4</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>%1 and above</source>
        <translation>%1 及以上</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>不超过 %1</translation>
    </message>
    <message>
        <source>%1 (case %2)</source>
        <translation>%1（工况 %2）</translation>
    </message>
    <message>
        <source>%1 = %2 outside its usual range %3</source>
        <translation>%1 = %2 超出常用范围 %3</translation>
    </message>
</context>
<context>
    <name>varnolt::writers::DocxModule</name>
    <message>
        <source>the Word writer (%1) is not installed</source>
        <translation>未安装 Word 文档的写出模块（%1）</translation>
    </message>
</context>
<context>
    <name>varnolt::writers::DocxReport</name>
    <message>
        <source>the document could not be assembled: %1</source>
        <translation>无法生成文档：%1</translation>
    </message>
</context>
<context>
    <name>varnolt::writers::Table</name>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>case</source>
        <translation>工况</translation>
    </message>
    <message>
        <source>q m²/s</source>
        <translation>q m²/s</translation>
    </message>
    <message>
        <source>ht m</source>
        <translation>ht m</translation>
    </message>
    <message>
        <source>hc m</source>
        <translation>hc m</translation>
    </message>
    <message>
        <source>hco m</source>
        <translation>hco m</translation>
    </message>
    <message>
        <source>hco2 m</source>
        <translation>hco2 m</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>水跃</translation>
    </message>
    <message>
        <source>Fr1</source>
        <translation>Fr1</translation>
    </message>
    <message>
        <source>form</source>
        <translation>跃型</translation>
    </message>
    <message>
        <source>decision</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>d m</source>
        <translation>d m</translation>
    </message>
    <message>
        <source>exact d m</source>
        <translation>精确 d m</translation>
    </message>
    <message>
        <source>adopted d m</source>
        <translation>采用 d m</translation>
    </message>
    <message>
        <source>adopted L m</source>
        <translation>采用 L m</translation>
    </message>
    <message>
        <source>basin hco m</source>
        <translation>池内 hco m</translation>
    </message>
    <message>
        <source>length m</source>
        <translation>池长 m</translation>
    </message>
    <message>
        <source>d′ m</source>
        <translation>d′ m</translation>
    </message>
    <message>
        <source>Lsj m</source>
        <translation>Lsj m</translation>
    </message>
    <message>
        <source>t m</source>
        <translation>t m</translation>
    </message>
    <message>
        <source>slab m</source>
        <translation>底板 m</translation>
    </message>
    <message>
        <source>Lp m</source>
        <translation>Lp m</translation>
    </message>
    <message>
        <source>governs</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>%1 stopped, %2: %3</source>
        <translation>%1 中止，%2：%3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>error</source>
        <translation>出错</translation>
    </message>
    <message>
        <source>no basin</source>
        <translation>不设池</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1（第 %2 行）</translation>
    </message>
    <message>
        <source>Adopted basin depth: %1 m, governed by %2</source>
        <translation>采用池深：%1 m，控制工况：%2</translation>
    </message>
    <message>
        <source>Adopted basin length: %1 m, governed by %2</source>
        <translation>采用池长：%1 m，控制工况：%2</translation>
    </message>
    <message>
        <source>Slab thickness: %1 m, governed by %2</source>
        <translation>底板厚度：%1 m，控制工况：%2</translation>
    </message>
    <message>
        <source>Apron length: %1 m, governed by %2</source>
        <translation>海漫长度：%1 m，控制工况：%2</translation>
    </message>
    <message>
        <source>Sill basin, sill height c: %1 m, governed by %2</source>
        <translation>坎式消力池坎高 c：%1 m，控制工况：%2</translation>
    </message>
    <message>
        <source>Combined basin, lowering d: %1 m, governed by %2</source>
        <translation>综合式消力池挖深 d：%1 m，控制工况：%2</translation>
    </message>
    <message>
        <source>Scour depth beyond the apron dm: %1 m, governed by %2</source>
        <translation>海漫末端冲刷深度 dm：%1 m，控制工况：%2</translation>
    </message>
    <message>
        <source>Adopted basin type: %1</source>
        <translation>采用消力池型式：%1</translation>
    </message>
    <message>
        <source>No case needs a basin.</source>
        <translation>没有工况需要设消力池。</translation>
    </message>
    <message>
        <source>%1 case(s) need a basin that could not be sized: %2</source>
        <translation>%1 个工况须设消力池但无法求得尺寸：%2</translation>
    </message>
    <message>
        <source>flood</source>
        <translation>洪水</translation>
    </message>
    <message>
        <source>Q m³/s</source>
        <translation>Q m³/s</translation>
    </message>
    <message>
        <source>H m</source>
        <translation>H m</translation>
    </message>
    <message>
        <source>v m/s</source>
        <translation>v m/s</translation>
    </message>
    <message>
        <source>upstream m</source>
        <translation>上游水位 m</translation>
    </message>
    <message>
        <source>tailwater m</source>
        <translation>下游水位 m</translation>
    </message>
    <message>
        <source>basin floor m</source>
        <translation>池底高程 m</translation>
    </message>
    <message>
        <source>jump level m</source>
        <translation>跃后水位 m</translation>
    </message>
    <message>
        <source>Scan of %1 discharges between the floods:</source>
        <translation>在各洪水之间扫描 %1 个流量：</translation>
    </message>
    <message>
        <source>deepest basin at Q = %1 m³/s (q = %2 m²/s): d = %3 m</source>
        <translation>池深最大：Q = %1 m³/s（q = %2 m²/s），d = %3 m</translation>
    </message>
    <message>
        <source>no discharge of the range needs the floor lowered</source>
        <translation>范围内没有流量需要降低池底</translation>
    </message>
    <message>
        <source>longest basin at Q = %1 m³/s (q = %2 m²/s): length %3 m</source>
        <translation>池长最大：Q = %1 m³/s（q = %2 m²/s），池长 %3 m</translation>
    </message>
    <message>
        <source>最不利流量 (governing discharge) Q = %1 m³/s: its basin (d = %2 m) is deeper than every listed flood&apos;s</source>
        <translation>最不利流量 Q = %1 m³/s：其消力池（d = %2 m）比所列各洪水的都深</translation>
    </message>
    <message>
        <source>Adopted basin depth covering it: %1 m</source>
        <translation>涵盖该流量的采用池深：%1 m</translation>
    </message>
    <message>
        <source>* √(q·√ΔH′) outside 1–9, where the slab formula is not meant to be used.</source>
        <translation>* √(q·√ΔH′) 超出 1～9，底板厚度公式不宜在此范围使用。</translation>
    </message>
    <message>
        <source>%1: standard cross-check: %2</source>
        <translation>%1：规范复核：%2</translation>
    </message>
</context>
</TS>
