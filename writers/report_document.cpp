#include "writers/report_document.h"

#include "design/labels.h"
#include "writers/error_words.h"
#include "writers/report_numbers.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype longestName = 120;

// The formulas in their general form, written once: the basis lists them,
// and each case repeats them with its numbers substituted.
const QString fE0 = u"E0 = a1 + H + v²/(2g)"_s;
const QString fHc = u"hc = (q²/g)^(1/3)"_s;
const QString fHco = u"E0 = hco + q²/(2g·φ²·hco²)"_s;
const QString fHco2 = u"hco2 = hco/2·(√(1 + 8q²/(g·hco³)) − 1)"_s;
const QString fFr1 = u"Fr1 = q/√(g·hco³)"_s;
const QString fLoss = u"ΔE = (hco2 − hco)³/(4·hco·hco2)"_s;
const QString fE1 = u"E1 = hco + q²/(2g·hco²)"_s;
const QString fJump = u"Lj = 6.9·(hco2 − hco)"_s;
const QString fEt = u"Et = ht + q²/(2g·(φ·ht)²)"_s;
const QString fBalance = u"σ·hco2 + q²/(2g·(σ·hco2)²) − d = Et"_s;
const QString fBasinHead = u"E0′ = E0 + d"_s;
const QString fBasinHco = u"E0′ = hco + q²/(2g·φ²·hco²)"_s;
const QString fT0 = u"T0 = E0 + d′"_s;
const QString fStdHco = u"hco³ − T0·hco² + α·q²/(2g·φ²) = 0"_s;
const QString fConjugate = u"hc″ = hco/2·(√(1 + 8α·q²/(g·hco³)) − 1)·(b1/b2)^0.25"_s;
const QString fDeltaZ = u"ΔZ = α·q²/(2g·φ²·h′s²) − α·q²/(2g·hc″²)"_s;
const QString fStdDepth = u"d′ = σ0·hc″ − h′s − ΔZ,  σ0 = σ, h′s = ht"_s;
const QString fStdLength = u"Lsj = Ls + β·6.9·(hc″ − hco)"_s;
const QString fHead = u"ΔH′ = a1 + H − ht"_s;
const QString fSlab = u"t = k1·√(q·√ΔH′)"_s;
const QString fApron = u"Lp = Ks·√(q·√ΔH′)"_s;

// Numbers as they stand in a substituted formula: a negative one in
// brackets, so that "− (−0.1)" reads right.
QString val(double v)
{
    const QString t = given(v);
    return v < 0 ? u'(' + t + u')' : t;
}

QString fig(double v)
{
    const QString t = figure(v);
    return v < 0 ? u'(' + t + u')' : t;
}

// A range of lengths, "18.55～21.2" in Chinese, "18.55 to 21.2" in English.
QString range(const QString &low, const QString &high, ReportLanguage lang)
{
    return low + word(Word::RangeTo, lang) + high;
}

QString lengthFormula(ReportLanguage lang)
{
    return u"L = "_s + range(u"4.83·(hco2 − hco)"_s, u"5.52·(hco2 − hco)"_s, lang);
}

QString metres(double v)
{
    return figure(v) + u" m"_s;
}

QString optionalFigure(const std::optional<double> &v)
{
    return v ? figure(*v) : u"—"_s;
}

ReportBlock heading(int level, const QString &text)
{
    ReportBlock b;
    b.kind = ReportBlock::Kind::Heading;
    b.level = level;
    b.text = text;
    return b;
}

ReportBlock paragraph(ReportBlock::Kind kind, const QString &text)
{
    ReportBlock b;
    b.kind = kind;
    b.text = text;
    return b;
}

ReportBlock tableBlock(ReportTable table)
{
    ReportBlock b;
    b.kind = ReportBlock::Kind::Table;
    b.table = std::move(table);
    return b;
}

// A table of formulas: what is computed, and the calculation itself.
class Formulas {
public:
    explicit Formulas(ReportLanguage language)
        : m_language(language)
    {
        m_table.style = ReportTable::Style::Formulas;
    }
    void add(Word quantity, const QString &calculation)
    {
        m_table.rows.push_back({{word(quantity, m_language)}, {calculation}});
    }
    ReportBlock block() const { return tableBlock(m_table); }

private:
    ReportLanguage m_language;
    ReportTable m_table;
};

QString comparisonSign(JumpKind kind)
{
    switch (kind) {
    case JumpKind::Remote:
        return u">"_s;
    case JumpKind::Submerged:
        return u"<"_s;
    case JumpKind::Critical:
        return u"="_s;
    }
    return u"?"_s;
}

QString formText(const std::optional<design::JumpForm> &form, ReportLanguage language)
{
    return form ? jumpFormWords(*form, language) : word(Word::NoForm, language);
}

// The jump's equations worked with the figures, the same below the weir and
// in the basin: the contracted depth from the head above it, its conjugate
// depth, and the Froude number of the flow entering the jump.
QString contractedDepthWorking(
        double head, const QString &q, const QString &phi, double hco, ReportLanguage lang)
{
    return u":  %1 = hco + %2²/(19.62 × %3² × hco²),  hco = %4  (%5)"_s.arg(
            figure(head), q, phi, metres(hco), word(Word::RootByBisection, lang));
}

QString conjugateDepthWorking(double hco, const QString &q, double hco2)
{
    return u" = %1/2 × (√(1 + 8 × %2²/(9.81 × %1³)) − 1) = %3"_s.arg(fig(hco), q, metres(hco2));
}

QString froudeWorking(const QString &q, double hco, double Fr1,
        const std::optional<design::JumpForm> &form, ReportLanguage lang)
{
    return u" = %1/√(9.81 × %2³) = %3  →  %4"_s.arg(q, fig(hco), figure(Fr1), formText(form, lang));
}

void addBasis(ReportDocument &doc, const design::DesignOptions &o)
{
    const ReportLanguage lang = doc.language;
    ReportSection s;
    s.id = u"basis"_s;
    s.blocks.push_back(heading(2, word(Word::BasisHeading, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, word(Word::BasisMethod, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, word(Word::BasisStandard, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, word(Word::BasisConstants, lang)));

    s.blocks.push_back(heading(4, word(Word::BasisFormulasCaption, lang)));
    Formulas f(lang);
    f.add(Word::QuantityE0, fE0);
    f.add(Word::QuantityHc, fHc);
    f.add(Word::QuantityHco, fHco);
    f.add(Word::QuantityHco2, fHco2);
    f.add(Word::QuantityFr1, fFr1);
    f.add(Word::QuantityEnergyLoss, fLoss + u",  "_s + fE1);
    f.add(Word::QuantityJumpLength, fJump);
    f.add(Word::QuantityEt, fEt);
    f.add(Word::QuantityBasinDepth, fBalance + u",  "_s + fBasinHead + u",  "_s + fBasinHco);
    f.add(Word::QuantityBasinLength, lengthFormula(lang));
    f.add(Word::QuantityStandardHco, fT0 + u",  "_s + fStdHco);
    f.add(Word::QuantityConjugate, fConjugate);
    f.add(Word::QuantityDeltaZ, fDeltaZ);
    f.add(Word::QuantityStandardDepth, fStdDepth);
    f.add(Word::QuantityStandardLength, fStdLength);
    f.add(Word::QuantitySlab, fHead + u",  "_s + fSlab);
    f.add(Word::QuantityApron, fApron);
    s.blocks.push_back(f.block());

    s.blocks.push_back(heading(4, word(Word::BasisOptionsCaption, lang)));
    ReportTable t;
    t.header = {word(Word::ColumnSymbol, lang), word(Word::ColumnQuantity, lang),
            word(Word::ColumnValue, lang), word(Word::ColumnUnit, lang)};
    auto row = [&](const QString &symbol, Word w, const QString &value, const QString &unit) {
        t.rows.push_back({{symbol}, {word(w, lang)}, {value, true}, {unit}});
    };
    row(u"α"_s, Word::OptionAlpha, given(o.alpha), {});
    row(u"b1/b2"_s, Word::OptionWidthRatio, given(o.widthRatio), {});
    row(u"β"_s, Word::OptionBeta, given(o.beta), {});
    row(u"Ls"_s, Word::OptionSlopeLength, given(o.slopeLength), u"m"_s);
    row(u"k1"_s, Word::OptionK1, given(o.k1), {});
    row(u"Ks"_s, Word::OptionKs, o.ks ? given(*o.ks) : word(Word::OptionKsNone, lang), {});
    s.blocks.push_back(tableBlock(t));
    doc.sections.push_back(std::move(s));
}

void addSummary(ReportDocument &doc, const design::DesignResult &design)
{
    const ReportLanguage lang = doc.language;
    ReportSection s;
    s.id = u"summary"_s;
    s.blocks.push_back(heading(2, word(Word::SummaryHeading, lang)));
    s.blocks.push_back(paragraph(
            ReportBlock::Kind::Paragraph, word(Word::ContentsNote, lang).arg(design.cases.size())));
    ReportTable t;
    t.style = ReportTable::Style::Summary;
    t.header = {word(Word::ColumnNumber, lang), word(Word::ColumnCase, lang), u"q (m²/s)"_s,
            u"ht (m)"_s, u"hco2 (m)"_s, word(Word::ColumnJump, lang), u"d (m)"_s, u"L (m)"_s,
            u"d′ (m)"_s, u"Lsj (m)"_s, u"t (m)"_s, u"Lp (m)"_s};
    for (std::size_t i = 0; i < design.cases.size(); ++i) {
        const design::CaseResult &r = design.cases[i];
        std::vector<ReportCell> row;
        row.push_back({QString::number(i + 1), true});
        row.push_back({caseTitle(r, i, lang)});
        row.push_back({given(r.inputs.q), true});
        row.push_back({given(r.inputs.ht), true});
        row.push_back({r.check ? figure(r.check->hco2) : u"—"_s, true});
        row.push_back({r.error && !r.check ? word(Word::StoppedShort, lang)
                        : r.check          ? jumpKindWords(r.check->jump, lang)
                                           : u"—"_s});
        if (r.basin) {
            const design::BasinResult &b = *r.basin;
            const bool depthGoverns = design.governingDepth == i;
            const bool lengthGoverns = design.governingLength == i;
            row.push_back({figure(b.d) + (depthGoverns ? u" ▲"_s : QString()), true, depthGoverns});
            row.push_back({range(figure(b.lengthMin), figure(b.lengthMax), lang)
                            + (lengthGoverns ? u" ■"_s : QString()),
                    true, lengthGoverns});
            row.push_back({optionalFigure(b.standard.d), true});
            row.push_back({optionalFigure(b.standard.length), true});
            row.push_back({figure(b.slabThickness), true});
            row.push_back({optionalFigure(b.apronLength), true});
        } else {
            for (int k = 0; k < 6; ++k)
                row.push_back({u"—"_s, true});
        }
        if (r.error && r.check)
            row[5].text += u" / "_s + word(Word::StoppedShort, lang);
        t.rows.push_back(std::move(row));
    }
    s.blocks.push_back(tableBlock(t));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Note, word(Word::SummaryLegend, lang)));

    if (design.governingDepth && *design.governingDepth < design.cases.size()) {
        const std::size_t i = *design.governingDepth;
        const design::CaseResult &r = design.cases[i];
        if (r.basin)
            s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                    word(Word::GoverningDepth, lang)
                            .arg(caseTitle(r, i, lang), figure(r.basin->d))));
    }
    if (design.governingLength && *design.governingLength < design.cases.size()) {
        const std::size_t i = *design.governingLength;
        const design::CaseResult &r = design.cases[i];
        if (r.basin)
            s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                    word(Word::GoverningLength, lang)
                            .arg(caseTitle(r, i, lang),
                                    range(figure(r.basin->lengthMin), figure(r.basin->lengthMax),
                                            lang))));
    }
    if (!design.governingDepth && !design.governingLength)
        s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict, word(Word::GoverningNone, lang)));
    doc.sections.push_back(std::move(s));
}

// The inputs in one row under their names and units: the page keeps room
// for the sketch beside them.
void addInputs(ReportSection &s, const design::CaseInputs &in, ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::InputsCaption, lang)));
    ReportTable t;
    t.style = ReportTable::Style::Inputs;
    std::vector<ReportCell> values;
    auto column = [&](Word w, const QString &symbol, const QString &unit, double value) {
        t.header << word(w, lang) + u' ' + symbol
                        + (unit.isEmpty() ? QString() : u" ("_s + unit + u')');
        values.push_back({given(value), true});
    };
    column(Word::QuantityQ, u"q"_s, u"m²/s"_s, in.q);
    column(Word::QuantityH, u"H"_s, u"m"_s, in.H);
    column(Word::QuantityA1, u"a1"_s, u"m"_s, in.a1);
    column(Word::QuantityV, u"v"_s, u"m/s"_s, in.v);
    column(Word::QuantityHt, u"ht"_s, u"m"_s, in.ht);
    column(Word::QuantityPhi, u"φ"_s, {}, in.phi);
    column(Word::QuantitySigma, u"σ"_s, {}, in.sigma);
    t.rows.push_back(std::move(values));
    s.blocks.push_back(tableBlock(t));
}

void addCheck(ReportSection &s, const design::CaseInputs &in, const design::CheckResult &c,
        ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::CheckCaption, lang)));
    const QString q = val(in.q);
    Formulas f(lang);
    f.add(Word::QuantityE0,
            fE0
                    + u" = %1 + %2 + %3²/19.62 = %4"_s.arg(
                            val(in.a1), val(in.H), val(in.v), metres(c.E0)));
    f.add(Word::QuantityHc, fHc + u" = (%1²/9.81)^(1/3) = %2"_s.arg(q, metres(c.hc)));
    f.add(Word::QuantityHco, fHco + contractedDepthWorking(c.E0, q, val(in.phi), c.hco, lang));
    f.add(Word::QuantityHco2, fHco2 + conjugateDepthWorking(c.hco, q, c.hco2));
    f.add(Word::QuantityFr1, fFr1 + froudeWorking(q, c.hco, c.Fr1, c.form, lang));
    f.add(Word::QuantityEnergyLoss,
            fLoss
                    + u" = (%1 − %2)³/(4 × %2 × %1) = %3"_s.arg(
                            fig(c.hco2), fig(c.hco), metres(c.energyLoss)));
    f.add(Word::QuantitySpecificEnergy,
            fE1 + u" = %1 + %2²/(19.62 × %1²) = %3"_s.arg(fig(c.hco), q, metres(c.specificEnergy)));
    f.add(Word::QuantityRelativeLoss,
            u"ΔE/E1 = %1/%2 = %3 %"_s.arg(
                    fig(c.energyLoss), fig(c.specificEnergy), percent(c.relativeLoss)));
    f.add(Word::QuantityJumpLength,
            fJump
                    + u" = 6.9 × (%1 − %2) = %3"_s.arg(
                            fig(c.hco2), fig(c.hco), metres(c.jumpLength)));
    s.blocks.push_back(f.block());

    s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
            word(Word::VerdictLine, lang)
                    .arg(word(Word::VerdictLabel, lang), figure(c.hco2), comparisonSign(c.jump),
                            given(in.ht), verdictWords(c.jump, lang))));
}

void addBasin(ReportSection &s, const design::CaseInputs &in, const design::CheckResult &c,
        const design::BasinResult &b, const design::DesignOptions &o, ReportLanguage lang)
{
    const QString q = val(in.q);
    s.blocks.push_back(heading(4, word(Word::BasinCaption, lang)));
    Formulas f(lang);
    f.add(Word::QuantityEt,
            fEt
                    + u" = %1 + %2²/(19.62 × (%3 × %1)²) = %4"_s.arg(
                            val(in.ht), q, val(in.phi), metres(b.Et)));
    f.add(Word::QuantityBalance,
            fBalance
                    + u":  %1 × %2 + %3²/(19.62 × (%1 × %2)²) − d = %4,  d = %5  (%6)"_s.arg(
                            val(in.sigma), fig(b.hco2), q, figure(b.Et), metres(b.d),
                            word(Word::RootByBisection, lang)));
    f.add(Word::QuantityBasinHead,
            fBasinHead + u" = %1 + %2 = %3"_s.arg(fig(c.E0), fig(b.d), metres(b.E0)));
    f.add(Word::QuantityBasinHco,
            fBasinHco + contractedDepthWorking(b.E0, q, val(in.phi), b.hco, lang));
    f.add(Word::QuantityBasinHco2, fHco2 + conjugateDepthWorking(b.hco, q, b.hco2));
    f.add(Word::QuantityBasinLength,
            lengthFormula(lang) + u" = "_s
                    + range(u"4.83 × (%1 − %2)"_s.arg(fig(b.hco2), fig(b.hco)),
                            u"5.52 × (%1 − %2)"_s.arg(fig(b.hco2), fig(b.hco)), lang)
                    + u" = "_s + range(figure(b.lengthMin), figure(b.lengthMax), lang) + u" m"_s);
    f.add(Word::QuantityFr1, fFr1 + froudeWorking(q, b.hco, b.Fr1, b.form, lang));
    s.blocks.push_back(f.block());
    s.blocks.push_back(heading(4, word(Word::AdviceCaption, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, basinAdviceWords(b.advice, lang)));

    s.blocks.push_back(heading(4, word(Word::StandardCaption, lang)));
    const design::StandardCheck &sc = b.standard;
    if (sc.d) {
        const QString alpha = val(o.alpha);
        const QString hco = sc.hco ? fig(*sc.hco) : u"hco"_s;
        const QString hcc = sc.conjugate ? fig(*sc.conjugate) : u"hc″"_s;
        Formulas g(lang);
        g.add(Word::QuantityT0,
                fT0 + u" = %1 + %2 = %3"_s.arg(fig(c.E0), fig(*sc.d), metres(c.E0 + *sc.d)));
        if (sc.hco)
            g.add(Word::QuantityStandardHco,
                    fStdHco
                            + u":  hco = %1  (%2)"_s.arg(
                                    metres(*sc.hco), word(Word::RootIterated, lang)));
        if (sc.conjugate)
            g.add(Word::QuantityConjugate,
                    fConjugate
                            + u" = %1/2 × (√(1 + 8 × %2 × %3²/(9.81 × %1³)) − 1) × %4^0.25 = %5"_s
                                      .arg(hco, alpha, q, val(o.widthRatio),
                                              metres(*sc.conjugate)));
        if (sc.deltaZ)
            g.add(Word::QuantityDeltaZ,
                    fDeltaZ
                            + u" = %1 × %2²/(19.62 × %3² × %4²) − %1 × %2²/(19.62 × %5²) = %6"_s
                                      .arg(alpha, q, val(in.phi), val(in.ht), hcc,
                                              metres(*sc.deltaZ)));
        g.add(Word::QuantityStandardDepth,
                fStdDepth
                        + u":  d′ = %1 × %2 − %3 − %4 = %5  (d = %6 m)"_s.arg(val(in.sigma), hcc,
                                val(in.ht), sc.deltaZ ? fig(*sc.deltaZ) : u"ΔZ"_s, metres(*sc.d),
                                figure(b.d)));
        if (sc.length)
            g.add(Word::QuantityStandardLength,
                    fStdLength
                            + u" = %1 + %2 × 6.9 × (%3 − %4) = %5  (L = %6 m)"_s.arg(
                                    val(o.slopeLength), val(o.beta), hcc, hco, metres(*sc.length),
                                    range(figure(b.lengthMin), figure(b.lengthMax), lang)));
        s.blocks.push_back(g.block());
    } else {
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note,
                word(Word::StandardNoRoot, lang)
                        + (sc.failure ? standardFailureWords(*sc.failure, lang) : QString())));
    }

    s.blocks.push_back(heading(4, word(Word::SlabCaption, lang)));
    Formulas h(lang);
    h.add(Word::QuantityHeadDifference,
            fHead
                    + u" = %1 + %2 − %3 = %4"_s.arg(
                            val(in.a1), val(in.H), val(in.ht), metres(b.headDifference)));
    h.add(Word::QuantitySlab,
            fSlab
                    + u" = %1 × √(%2 × √%3) = %4"_s.arg(
                            val(o.k1), q, fig(b.headDifference), metres(b.slabThickness)));
    s.blocks.push_back(h.block());
    if (b.slabFormulaOutsideRange)
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note, word(Word::SlabOutsideRange, lang)));

    s.blocks.push_back(heading(4, word(Word::ApronCaption, lang)));
    if (b.apronLength && o.ks) {
        Formulas a(lang);
        a.add(Word::QuantityApron,
                fApron
                        + u" = %1 × √(%2 × √%3) = %4"_s.arg(
                                val(*o.ks), q, fig(b.headDifference), metres(*b.apronLength)));
        s.blocks.push_back(a.block());
    } else {
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note, word(Word::ApronNotComputed, lang)));
    }
}

// The texts the window shows for the same inputs, digit for digit, so that
// the report can be laid beside the window.
void addWindowTexts(ReportSection &s, const design::CheckResult &c, const design::BasinResult *b,
        ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::WindowTextsCaption, lang)));
    ReportTable t;
    t.header = {u"hc (Text7)"_s, u"hco (Text8)"_s, u"hco2 (Text9)"_s};
    std::vector<ReportCell> row{{c.text7, true}, {c.text8, true}, {c.text9, true}};
    if (b) {
        t.header << u"d (Text11)"_s << word(Word::WindowBasinHco, lang) << u"L (Text12)"_s;
        row.push_back({b->text11, true});
        row.push_back({b->text8, true});
        row.push_back({b->text12, true});
    }
    t.rows.push_back(std::move(row));
    s.blocks.push_back(tableBlock(t));
}

void addError(ReportSection &s, const design::CaseError &e, ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::ErrorCaption, lang)));
    const QString step = e.stage == design::Stage::Basin ? word(Word::StepBasin, lang)
                                                         : word(Word::StepCheck, lang);
    const QString head = word(Word::CaseStopped, lang)
                                 .arg(step,
                                         design::stageKey(e.stage) + u", "_s
                                                 + errorKindWords(e.error.kind(), lang));
    s.blocks.push_back(
            paragraph(ReportBlock::Kind::Error, head + errorWords(e.error, lang).left(2000)));
}

ReportSection caseSection(const design::DesignResult &design, std::size_t i, ReportLanguage lang)
{
    const design::CaseResult &r = design.cases[i];
    ReportSection s;
    s.id = u"case-%1"_s.arg(i + 1);
    s.isCase = true;
    if (i == 0)
        s.blocks.push_back(heading(2, word(Word::CasesHeading, lang)));
    s.blocks.push_back(
            heading(3, word(Word::CaseHeading, lang).arg(i + 1) + caseTitle(r, i, lang)));
    addInputs(s, r.inputs, lang);
    // The sketch heads the calculation, as in a hand calculation.
    if (r.check) {
        s.blocks.push_back(heading(4, word(Word::SketchCaption, lang)));
        ReportBlock sketch;
        sketch.kind = ReportBlock::Kind::Sketch;
        sketch.caseIndex = i;
        s.blocks.push_back(sketch);
        addCheck(s, r.inputs, *r.check, lang);
        if (r.basin)
            addBasin(s, r.inputs, *r.check, *r.basin, design.options, lang);
        else if (r.check->jump != JumpKind::Remote)
            s.blocks.push_back(
                    paragraph(ReportBlock::Kind::Paragraph, word(Word::NoBasinNeeded, lang)));
        else if (!r.error)
            s.blocks.push_back(
                    paragraph(ReportBlock::Kind::Paragraph, word(Word::NoBasinSized, lang)));
    }
    if (r.check)
        addWindowTexts(s, *r.check, r.basin ? &*r.basin : nullptr, lang);
    if (r.error)
        addError(s, *r.error, lang);
    return s;
}

} // namespace

QString caseTitle(const design::CaseResult &result, std::size_t index, ReportLanguage language)
{
    QString name;
    name.reserve(std::min(result.inputs.name.size(), longestName + 1));
    for (const QChar ch : result.inputs.name) {
        if (name.size() > longestName)
            break;
        // Line breaks and other controls of a quoted CSV field become blanks.
        name += (ch.category() == QChar::Other_Control) ? u' ' : ch;
    }
    name = name.simplified();
    if (name.size() > longestName)
        name = name.left(longestName) + u'…';
    if (name.isEmpty())
        return word(Word::UnnamedCase, language).arg(index + 1);
    return name;
}

ReportDocument buildReport(const design::DesignResult &design, const ReportSettings &settings)
{
    ReportDocument doc;
    doc.language = settings.language;
    doc.title = settings.title.isEmpty() ? word(Word::DefaultTitle, settings.language)
                                         : settings.title.left(200);
    const QString dateText
            = settings.date.isValid() ? settings.date.toString(Qt::ISODate) : QString();
    doc.dateLine = word(Word::DateLabel, settings.language)
            + (settings.language == ReportLanguage::Chinese ? u"："_s : u": "_s) + dateText;
    addBasis(doc, design.options);
    addSummary(doc, design);
    for (std::size_t i = 0; i < design.cases.size(); ++i)
        doc.sections.push_back(caseSection(design, i, settings.language));
    return doc;
}

} // namespace varnolt::writers
