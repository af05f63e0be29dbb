// The floods of a design file: each discharge with its head and levels, and
// what the scan between the floods found.
#include "writers/report_sections.h"

#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_numbers.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

void addFloodTable(ReportSection &s, const design::DesignResult &design, ReportLanguage lang)
{
    ReportTable t;
    t.style = ReportTable::Style::Data;
    t.header = {word(Word::ColumnCase, lang), word(Word::ColumnDischarge, lang), u"H (m)"_s,
            u"v0 (m/s)"_s, u"ht (m)"_s, word(Word::ColumnUpstreamLevel, lang),
            word(Word::ColumnTailwaterLevel, lang), word(Word::ColumnBasinFloorLevel, lang),
            word(Word::ColumnJumpLevel, lang)};
    for (std::size_t i = 0; i < design.cases.size(); ++i) {
        const design::CaseResult &r = design.cases[i];
        if (!r.flood)
            continue;
        const design::FloodFigures &f = *r.flood;
        t.rows.push_back({{caseTitle(r, i, lang)}, {given(f.discharge), true}, {figure(f.H), true},
                {figure(f.v0), true}, {figure(r.inputs.ht), true},
                {toMillimetre(f.upstreamLevel), true}, {toMillimetre(f.tailwaterLevel), true},
                {toMillimetre(f.basinFloorLevel), true},
                {f.jumpLevel ? toMillimetre(*f.jumpLevel) : u"—"_s, true}});
    }
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, word(Word::FloodsNote, lang)));
    s.blocks.push_back(tableBlock(t));
}

void addScan(ReportSection &s, const design::DesignResult &design, ReportLanguage lang)
{
    if (const auto &scan = design.scan) {
        if (scan->depth) {
            s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph,
                    word(Word::ScanDepth, lang)
                            .arg(QString::number(scan->count), figure(scan->depth->discharge),
                                    figure(scan->depth->q), toMillimetre(scan->depth->d))));
        } else {
            s.blocks.push_back(
                    paragraph(ReportBlock::Kind::Paragraph, word(Word::ScanNoDepth, lang)));
        }
        if (scan->length) {
            s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph,
                    word(Word::ScanLength, lang)
                            .arg(figure(scan->length->discharge), figure(scan->length->q),
                                    toCentimetre(scan->length->length))));
        }
        if (scan->depthBeyondFloods) {
            s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                    word(Word::ScanGoverning, lang)
                            .arg(figure(scan->depth->discharge), toMillimetre(scan->depth->d))));
        }
        if (scan->adoptedDepth) {
            s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                    word(Word::ScanAdoptedDepth, lang).arg(given(*scan->adoptedDepth))));
        }
    }
}

} // namespace varnolt::writers::report
