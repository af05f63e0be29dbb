// The design conditions: the structure and its levels, the floods or the
// cases as given, and the coefficients of the calculation.
#include "writers/report_sections.h"

#include "design/bed_class.h"
#include "design/coefficient_warnings.h"
#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_numbers.h"

#include <algorithm>
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

// A bed class by its keyword: its name in the engineer's words in Chinese,
// the keyword as words in English ("fine-sand": fine sand).
QString bedName(const QString &keyword, ReportLanguage lang)
{
    for (const design::BedClass &bed : design::bedClasses) {
        if (keyword == QLatin1String(bed.keyword)) {
            return lang == ReportLanguage::Chinese ? QString::fromUtf16(bed.name)
                                                   : QString(keyword).replace(u'-', u' ');
        }
    }
    return keyword;
}

// A coefficient's usual range as the design knows it, "usually 0.7 to
// 0.8"; nothing where the range has an open end.
QString usually(design::Coefficient coefficient, ReportLanguage lang)
{
    const design::UsualRange r = design::usualRange(coefficient);
    if (!r.low || !r.high)
        return {};
    return word(Word::SourceUsually, lang).arg(range(given(*r.low), given(*r.high), lang));
}

// Where a setting's value came from; `option` the command line's, without
// its dashes.
QString originText(SettingOrigin origin, const QString &option, ReportLanguage lang)
{
    switch (origin) {
    case SettingOrigin::Default:
        return word(Word::OriginDefault, lang);
    case SettingOrigin::DesignFile:
        return word(Word::OriginDesignFile, lang);
    case SettingOrigin::CommandLine:
        return word(Word::OriginCommandLine, lang).arg(u"--"_s + option);
    }
    return {};
}

// A source's parts, the empty ones left out, joined as the language joins
// the parts of a note: "；" in Chinese, "; " in English.
QString sourceText(QStringList parts, ReportLanguage lang)
{
    parts.removeAll(QString());
    return parts.join(lang == ReportLanguage::Chinese ? u"；"_s : u"; "_s);
}

// The table of coefficients: each with its value, the reference it comes
// from, its usual range where the design knows one, and where it was given.
// σ stands here for a design file, whose floods share it; a case file gives
// it case by case with the inputs.
ReportTable coefficientTable(
        const design::DesignResult &design, const SettingOrigins &origins, ReportLanguage lang)
{
    const design::DesignOptions &o = design.options;
    ReportTable t;
    t.style = ReportTable::Style::Coefficients;
    t.header = {word(Word::ColumnSymbol, lang), word(Word::ColumnQuantity, lang),
            word(Word::ColumnValue, lang), word(Word::ColumnUnit, lang),
            word(Word::ColumnSource, lang)};
    auto row = [&](const QString &symbol, Word w, const QString &value, const QString &unit,
                       const QStringList &source) {
        t.rows.push_back(
                {{symbol}, {word(w, lang)}, {value, true}, {unit}, {sourceText(source, lang)}});
    };
    const QString standard = word(Word::SourceStandard, lang);
    const QString practice = word(Word::SourceDesignPractice, lang);
    row(u"α"_s, Word::OptionAlpha, given(o.alpha), {},
            {word(Word::SourceTextbook, lang), originText(origins.alpha, u"alpha"_s, lang)});
    row(u"b1/b2"_s, Word::OptionWidthRatio, given(o.widthRatio), {},
            {word(Word::SourceStructureWidths, lang),
                    originText(origins.widthRatio, u"b-ratio"_s, lang)});
    row(u"β"_s, Word::OptionBeta, given(o.beta), {},
            {standard, usually(design::Coefficient::JumpLengthShare, lang),
                    originText(origins.beta, u"beta"_s, lang)});
    row(u"Ls"_s, Word::OptionSlopeLength, given(o.slopeLength), u"m"_s,
            {word(Word::SourceStructureSlope, lang),
                    originText(origins.slopeLength, u"ls"_s, lang)});
    row(u"k1"_s, Word::OptionK1, given(o.k1), {},
            {standard, usually(design::Coefficient::SlabCoefficient, lang),
                    originText(origins.k1, u"k1"_s, lang)});
    // Ks not given has no origin to name: the value cell says it is missing.
    row(u"Ks"_s, Word::OptionKs, o.ks ? given(*o.ks) : word(Word::OptionKsNone, lang), {},
            {standard,
                    origins.bed.isEmpty()
                            ? QString()
                            : word(Word::SourceBed, lang).arg(bedName(origins.bed, lang)),
                    o.ks ? originText(origins.ks, origins.bed.isEmpty() ? u"ks"_s : u"bed"_s, lang)
                         : QString()});
    row(u"φ′"_s, Word::OptionExitPhi, given(o.exitPhi), {},
            {standard, originText(origins.exitPhi, u"phi-exit"_s, lang)});
    row(u"Δd"_s, Word::OptionDepthStep, given(o.depthStep), u"m"_s,
            {practice, originText(origins.depthStep, u"depth-step"_s, lang)});
    row(u"ΔL"_s, Word::OptionLengthStep, given(o.lengthStep), u"m"_s,
            {practice, originText(origins.lengthStep, u"length-step"_s, lang)});
    row(u"k2"_s, Word::OptionK2, given(o.k2), {},
            {standard, originText(origins.k2, u"k2"_s, lang)});
    row(u"γb"_s, Word::OptionSlabUnitWeight, given(o.slabUnitWeight), u"kN/m³"_s,
            {word(Word::SourceSlabMaterial, lang),
                    originText(origins.slabUnitWeight, u"slab-unit-weight"_s, lang)});
    const auto flood = std::find_if(design.cases.begin(), design.cases.end(),
            [](const design::CaseResult &r) { return r.flood.has_value(); });
    if (flood != design.cases.end()) {
        row(u"σ"_s, Word::QuantitySigma, given(flood->inputs.sigma), {},
                {standard, usually(design::Coefficient::SubmergenceFactor, lang),
                        originText(origins.sigma, QString(), lang)});
    }
    return t;
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

void addConditions(
        ReportDocument &doc, const design::DesignResult &design, const SettingOrigins &origins)
{
    const ReportLanguage lang = doc.language;
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
    s.blocks.push_back(tableBlock(coefficientTable(design, origins, lang)));

    // Coefficients outside their usual ranges are used as given, and said so.
    if (!design.warnings.empty()) {
        s.blocks.push_back(heading(4, word(Word::WarningsCaption, lang)));
        for (const design::CoefficientWarning &w : design.warnings)
            s.blocks.push_back(paragraph(ReportBlock::Kind::Note, warningText(w, design, lang)));
    }
    doc.sections.push_back(std::move(s));
}

} // namespace varnolt::writers::report
