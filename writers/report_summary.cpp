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
                            .arg(governingTitle(r, i, lang), figure(r.basin->d))));
    }
    if (design.governingLength && *design.governingLength < design.cases.size()) {
        const std::size_t i = *design.governingLength;
        const design::CaseResult &r = design.cases[i];
        if (r.basin)
            s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                    word(Word::GoverningLength, lang)
                            .arg(governingTitle(r, i, lang),
                                    range(figure(r.basin->lengthMin), figure(r.basin->lengthMax),
                                            lang))));
    }
    if (!design.governingDepth && !design.governingLength)
        s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict, word(Word::GoverningNone, lang)));
    addBasinTypesSummary(s, design, lang);
    doc.sections.push_back(std::move(s));
}

} // namespace varnolt::writers::report
