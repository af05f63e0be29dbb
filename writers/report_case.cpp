// A case's section: its inputs, sketch, check and basin, the window's own
// texts for the same inputs, and where the case stopped.
#include "writers/report_sections.h"

#include "model/number_text.h"
#include "writers/error_words.h"
#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_numbers.h"
#include "writers/report_types.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

namespace {

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
        values.push_back({practical(value), true});
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

// The figures the window shows for the same inputs, digit for digit, so
// that the report can be laid beside the window; the basin's length range
// is written as a range, its two ends at the window's two decimals.
void addWindowTexts(ReportSection &s, const design::CheckResult &c, const design::BasinResult *b,
        ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::WindowTextsCaption, lang)));
    ReportTable t;
    auto named = [lang](Word quantity, const QString &symbol) {
        return word(quantity, lang) + u' ' + symbol + u" (m)"_s;
    };
    t.header = {named(Word::QuantityHc, u"hk"_s), named(Word::QuantityHco, u"hc"_s),
            named(Word::QuantityHco2, u"hc″"_s)};
    std::vector<ReportCell> row{{c.text7, true}, {c.text8, true}, {c.text9, true}};
    if (b) {
        t.header << named(Word::QuantityBasinDepth, u"d"_s)
                 << named(Word::QuantityBasinHco, u"hc"_s)
                 << named(Word::QuantityBasinLength, u"L"_s);
        row.push_back({b->text11, true});
        row.push_back({b->text8, true});
        const QLocale cLocale = QLocale::c();
        row.push_back(
                {range(FixedTwo(b->lengthMin, cLocale), FixedTwo(b->lengthMax, cLocale), lang),
                        true});
    }
    t.rows.push_back(std::move(row));
    s.blocks.push_back(tableBlock(t));
}

void addError(ReportSection &s, const design::CaseError &e, ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::ErrorCaption, lang)));
    const QString step = e.stage == design::Stage::Basin ? word(Word::StepBasin, lang)
                                                         : word(Word::StepCheck, lang);
    const QString head
            = word(Word::CaseStopped, lang).arg(step, errorKindWords(e.error.kind(), lang));
    s.blocks.push_back(
            paragraph(ReportBlock::Kind::Error, head + errorWords(e.error, lang).left(2000)));
}

} // namespace

void addDecision(ReportSection &s, const design::CaseResult &r, ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::DecisionCaption, lang)));
    const QString ht = practical(r.inputs.ht);
    const QString hco2 = r.check ? figure(r.check->hco2) : u"—"_s;
    const QString ratio = optionalFigure(r.submergence);
    const QString sigma = practical(r.inputs.sigma);
    QString text;
    switch (r.decision) {
    case design::BasinDecision::None:
        text = word(Word::DecisionNone, lang).arg(ht, hco2, ratio, sigma);
        break;
    case design::BasinDecision::Basin:
        text = word(Word::DecisionBasin, lang).arg(ht, hco2, ratio, sigma);
        break;
    case design::BasinDecision::Unsizeable:
        text = word(Word::DecisionUnsizeable, lang)
                       .arg(ht, hco2, ratio, sigma,
                               r.error ? errorWords(r.error->error, lang).left(2000) : QString());
        break;
    }
    s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict, text));
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
        addDecision(s, r, lang);
        if (r.basin)
            addBasin(s, r, design.options, lang);
        addApron(s, r, design.options, lang);
    }
    if (r.check) {
        addBasinTypes(s, r, design.options, lang);
        addWindowTexts(s, *r.check, r.basin ? &*r.basin : nullptr, lang);
    }
    if (r.error)
        addError(s, *r.error, lang);
    return s;
}

} // namespace varnolt::writers::report
