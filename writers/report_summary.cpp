// The summary: every case in one table, and the cases that govern the basin.
#include "writers/report_sections.h"

#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_numbers.h"
#include "writers/report_types.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

namespace {

// A governing case by its name and, for a case read from a file, its row:
// two cases may bear one name.
QString governingTitle(const design::CaseResult &result, std::size_t index, ReportLanguage lang)
{
    QString title = caseTitle(result, index, lang);
    if (result.inputs.line <= 0)
        return title;
    return title + word(Word::CaseRow, lang).arg(result.inputs.line);
}

} // namespace

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
            u"ht (m)"_s, u"σ′ = ht/hc″"_s, word(Word::ColumnDecision, lang),
            word(Word::ColumnAdoptedDepth, lang), word(Word::ColumnAdoptedLength, lang),
            u"d′ (m)"_s, u"Lsj (m)"_s, u"t (m)"_s, u"Lp (m)"_s};
    for (std::size_t i = 0; i < design.cases.size(); ++i) {
        const design::CaseResult &r = design.cases[i];
        std::vector<ReportCell> row;
        row.push_back({QString::number(i + 1), true});
        row.push_back({caseTitle(r, i, lang)});
        row.push_back({practical(r.inputs.q), true});
        row.push_back({practical(r.inputs.ht), true});
        row.push_back({optionalFigure(r.submergence), true});
        row.push_back({r.check ? decisionWords(r.decision, lang) : word(Word::StoppedShort, lang)});
        const auto marked = [&](const QString &text, const std::optional<std::size_t> &governing,
                                    const QString &mark) {
            const bool governs = governing == i;
            return ReportCell{text + (governs ? u' ' + mark : QString()), true, governs};
        };
        if (r.basin) {
            const design::BasinResult &b = *r.basin;
            row.push_back(marked(given(b.adoptedDepth.adopted), design.governingDepth, u"▲"_s));
            row.push_back(marked(given(b.adoptedLength.adopted), design.governingLength, u"■"_s));
            row.push_back({b.standard.d ? toMillimetre(*b.standard.d) : u"—"_s, true});
            row.push_back({b.standard.length ? toCentimetre(*b.standard.length) : u"—"_s, true});
            row.push_back(marked(toMillimetre(b.slab), design.governingSlab, u"●"_s));
        } else {
            for (int k = 0; k < 5; ++k)
                row.push_back({u"—"_s, true});
        }
        row.push_back(r.apron ? marked(toCentimetre(r.apron->length), design.governingApron, u"◆"_s)
                              : ReportCell{u"—"_s, true});
        t.rows.push_back(std::move(row));
    }
    s.blocks.push_back(tableBlock(t));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Note, word(Word::SummaryLegend, lang)));

    // The structure's basin: each dimension the largest adopted value of
    // all cases, with the case that gives it.
    const auto governing = [&](const std::optional<std::size_t> &index, Word w, auto value) {
        if (const design::CaseResult *r = governingCase(design, index))
            s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                    word(w, lang).arg(governingTitle(*r, *index, lang), value(*r))));
    };
    if (design.governingDepth || design.governingLength)
        s.blocks.push_back(
                paragraph(ReportBlock::Kind::Paragraph, word(Word::StructureBasin, lang)));
    governing(design.governingDepth, Word::GoverningDepth,
            [](const design::CaseResult &r) { return given(r.basin->adoptedDepth.adopted); });
    governing(design.governingLength, Word::GoverningLength,
            [](const design::CaseResult &r) { return given(r.basin->adoptedLength.adopted); });
    governing(design.governingSlab, Word::GoverningSlab,
            [](const design::CaseResult &r) { return toMillimetre(r.basin->slab); });
    governing(design.governingApron, Word::GoverningApron,
            [](const design::CaseResult &r) { return toCentimetre(r.apron->length); });

    bool anyNeeds = false;
    QStringList unsizeable;
    for (std::size_t i = 0; i < design.cases.size(); ++i) {
        const design::CaseResult &r = design.cases[i];
        anyNeeds = anyNeeds || r.decision != design::BasinDecision::None;
        if (r.decision == design::BasinDecision::Unsizeable)
            unsizeable << governingTitle(r, i, lang);
    }
    if (!anyNeeds)
        s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict, word(Word::GoverningNone, lang)));
    if (!unsizeable.isEmpty())
        s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                word(Word::UnsizeableCases, lang)
                        .arg(QString::number(unsizeable.size()),
                                unsizeable.join(
                                        lang == ReportLanguage::Chinese ? u"、"_s : u", "_s))));
    addBasinTypesSummary(s, design, lang);
    addScan(s, design, lang);
    doc.sections.push_back(std::move(s));
}

} // namespace varnolt::writers::report
