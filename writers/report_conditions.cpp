// The design conditions: the structure and its levels, the floods or the
// cases as given, and the coefficients of the calculation.
#include "writers/report_sections.h"

#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_numbers.h"

#include <functional>

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

namespace {

// A coefficient's name and symbol as the warnings write them.
std::pair<Word, QString> coefficientName(design::Coefficient coefficient)
{
    switch (coefficient) {
    case design::Coefficient::SlabCoefficient:
        return {Word::OptionK1, u"k1"_s};
    case design::Coefficient::SubmergenceFactor:
        return {Word::QuantitySigma, u"σ"_s};
    case design::Coefficient::JumpLengthShare:
        return {Word::OptionBeta, u"β"_s};
    case design::Coefficient::VelocityCoefficient:
        return {Word::QuantityPhi, u"φ"_s};
    }
    return {Word::OptionK1, u"?"_s};
}

// One coefficient used outside its usual range, in a sentence: which, the
// value, the range or its one end, and the case it belongs to.
QString warningText(const design::CoefficientWarning &w, const design::DesignResult &design,
        ReportLanguage lang)
{
    const auto [name, symbol] = coefficientName(w.coefficient);
    QString text;
    if (w.low && w.high)
        text = word(Word::WarningRange, lang)
                       .arg(word(name, lang), symbol, given(w.value), given(*w.low),
                               given(*w.high));
    else if (w.low)
        text = word(Word::WarningBelow, lang)
                       .arg(word(name, lang), symbol, given(w.value), given(*w.low));
    else
        text = word(Word::WarningAbove, lang)
                       .arg(word(name, lang), symbol, given(w.value),
                               w.high ? given(*w.high) : u"—"_s);
    if (w.caseIndex && *w.caseIndex < design.cases.size())
        text = word(Word::WarningCase, lang)
                        .arg(caseTitle(design.cases[*w.caseIndex], *w.caseIndex, lang))
                + text;
    return text;
}

// A design file's structure: its levels are the same in every flood.
void addStructure(ReportSection &s, const design::FloodFigures &f, ReportLanguage lang,
        const std::function<QString(const QString &)> &subsection)
{
    s.blocks.push_back(heading(3, subsection(word(Word::StructureCaption, lang))));
    ReportTable t;
    t.header = {word(Word::ColumnItem, lang), word(Word::ColumnLevel, lang)};
    t.rows.push_back({{word(Word::LevelCrest, lang)}, {toMillimetre(f.crestLevel), true}});
    t.rows.push_back(
            {{word(Word::LevelApproachBed, lang)}, {toMillimetre(f.approachBedLevel), true}});
    t.rows.push_back({{word(Word::LevelFloor, lang)}, {toMillimetre(f.floorLevel), true}});
    s.blocks.push_back(tableBlock(t));
}

// A design of case rows: each case's inputs as the engineer gave them.
void addCaseInputs(ReportSection &s, const design::DesignResult &design, ReportLanguage lang)
{
    ReportTable t;
    t.style = ReportTable::Style::Data;
    t.header = {word(Word::ColumnCase, lang), u"q (m²/s)"_s, u"H (m)"_s, u"a1 (m)"_s, u"v (m/s)"_s,
            u"ht (m)"_s, u"φ"_s, u"σ"_s};
    for (std::size_t i = 0; i < design.cases.size(); ++i) {
        const design::CaseInputs &in = design.cases[i].inputs;
        t.rows.push_back({{caseTitle(design.cases[i], i, lang)}, {practical(in.q), true},
                {practical(in.H), true}, {practical(in.a1), true}, {practical(in.v), true},
                {practical(in.ht), true}, {practical(in.phi), true}, {practical(in.sigma), true}});
    }
    s.blocks.push_back(tableBlock(t));
}

} // namespace

void addConditions(ReportDocument &doc, const design::DesignResult &design)
{
    const ReportLanguage lang = doc.language;
    const design::DesignOptions &o = design.options;
    ReportSection s;
    s.id = u"conditions"_s;
    s.blocks.push_back(heading(2, word(Word::ConditionsHeading, lang)));
    int number = 0;
    const auto subsection
            = [&number](const QString &caption) { return u"1.%1 "_s.arg(++number) + caption; };
    if (const design::FloodFigures *flood = firstFlood(design)) {
        addStructure(s, *flood, lang, subsection);
        s.blocks.push_back(heading(3, subsection(word(Word::ConditionsFloodsCaption, lang))));
        addFloodTable(s, design, lang);
    } else {
        s.blocks.push_back(heading(3, subsection(word(Word::ConditionsCasesCaption, lang))));
        addCaseInputs(s, design, lang);
    }

    s.blocks.push_back(heading(3, subsection(word(Word::BasisOptionsCaption, lang))));
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
    row(u"φ′"_s, Word::OptionExitPhi, given(o.exitPhi), {});
    row(u"Δd"_s, Word::OptionDepthStep, given(o.depthStep), u"m"_s);
    row(u"ΔL"_s, Word::OptionLengthStep, given(o.lengthStep), u"m"_s);
    row(u"k2"_s, Word::OptionK2, given(o.k2), {});
    row(u"γb"_s, Word::OptionSlabUnitWeight, given(o.slabUnitWeight), u"kN/m³"_s);
    s.blocks.push_back(tableBlock(t));

    // Coefficients outside their usual ranges are used as given, and said so.
    if (!design.warnings.empty()) {
        s.blocks.push_back(heading(4, word(Word::WarningsCaption, lang)));
        for (const design::CoefficientWarning &w : design.warnings)
            s.blocks.push_back(paragraph(ReportBlock::Kind::Note, warningText(w, design, lang)));
    }
    doc.sections.push_back(std::move(s));
}

} // namespace varnolt::writers::report
