// The three ways of holding the jump side by side for a case with a basin,
// the scour beyond the apron, and in the summary each type's governing case
// and the type adopted.
#include "writers/report_types.h"

#include "design/sill_basin.h"
#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_numbers.h"
#include "writers/report_sections.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

Word typeWord(design::BasinType type)
{
    switch (type) {
    case design::BasinType::Sunk:
        return Word::TypeSunk;
    case design::BasinType::Sill:
        return Word::TypeSill;
    case design::BasinType::Combined:
        return Word::TypeCombined;
    }
    return Word::TypeSunk;
}

namespace {

const QString none = u"—"_s;

std::vector<ReportCell> sillRow(const design::CaseResult &r, ReportLanguage lang)
{
    std::vector<ReportCell> row{{word(Word::TypeSill, lang)}, {none, true}};
    const design::SillBasin *sill = r.sill && r.sill->basin ? &*r.sill->basin : nullptr;
    if (!sill || !sill->after) {
        const QString why = sill ? design::sillVerdictKey(sill->verdict) : u"error"_s;
        row.insert(row.end(), {{none, true}, {none, true}, {word(Word::SillNone, lang).arg(why)}});
        return row;
    }
    const bool held = sill->verdict == design::SillVerdict::Holds;
    row.push_back({toMillimetre(sill->c), true});
    row.push_back(
            {range(toCentimetre(sill->lengthMin), toCentimetre(sill->lengthMax), lang), true});
    row.push_back({word(held ? Word::SillHeld : Word::SillRemote, lang)
                           .arg(figure(sill->H10), figure(sill->H1), figure(sill->sigmaS),
                                   figure(sill->after->hco2), practical(r.inputs.ht))});
    return row;
}

std::vector<ReportCell> combinedRow(const design::CaseResult &r, ReportLanguage lang)
{
    std::vector<ReportCell> row{{word(Word::TypeCombined, lang)}};
    if (r.combined && r.combined->basin && r.combined->verdict == design::CombinedVerdict::Sized) {
        row.push_back({toMillimetre(r.combined->basin->d), true});
        row.push_back({toMillimetre(r.combined->basin->c), true});
        row.push_back({range(toCentimetre(r.combined->basin->lengthMin),
                               toCentimetre(r.combined->basin->lengthMax), lang),
                true});
        row.push_back({QString()});
    } else {
        row.insert(row.end(),
                {{none, true}, {none, true}, {none, true}, {word(Word::CombinedNone, lang)}});
    }
    return row;
}

} // namespace

void addBasinTypes(ReportSection &s, const design::CaseResult &r, const design::DesignOptions &o,
        ReportLanguage lang)
{
    if (r.basin && (r.sill || r.combined)) {
        s.blocks.push_back(heading(4, word(Word::TypesCaption, lang)));
        ReportTable t;
        t.header = {word(Word::ColumnBasinType, lang), u"d (m)"_s, u"c (m)"_s, u"L (m)"_s,
                word(Word::ColumnTypeNote, lang)};
        t.rows.push_back({{word(Word::TypeSunk, lang)}, {toMillimetre(r.basin->d), true},
                {none, true},
                {range(toCentimetre(r.basin->lengthMin), toCentimetre(r.basin->lengthMax), lang),
                        true},
                {QString()}});
        t.rows.push_back(sillRow(r, lang));
        t.rows.push_back(combinedRow(r, lang));
        for (std::vector<ReportCell> &row : t.rows)
            row.front().marked = row.front().text == word(typeWord(o.basinType), lang);
        s.blocks.push_back(tableBlock(t));
        s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                word(Word::AdoptedType, lang).arg(word(typeWord(o.basinType), lang))));
    }
    if (r.scour) {
        const design::ScourDepth &m = *r.scour;
        s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph,
                word(Word::ScourDepthLine, lang)
                        .arg(figure(m.unitDischarge), figure(m.allowableVelocity),
                                figure(m.tailwaterDepth), toMillimetre(m.depth))));
    } else if (r.check && !addSideFailures(s, r, design::SideQuantity::Scour, lang)) {
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note, word(Word::ScourNone, lang)));
    }
}

void addBasinTypesSummary(ReportSection &s, const design::DesignResult &design, ReportLanguage lang)
{
    const auto governing = [&design](const std::optional<std::size_t> &index) {
        return governingCase(design, index);
    };
    if (const design::CaseResult *r = governing(design.governingSill); r && r->sill->basin)
        s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                word(Word::GoverningSill, lang)
                        .arg(caseTitle(*r, *design.governingSill, lang),
                                toMillimetre(r->sill->basin->c))));
    if (const design::CaseResult *r = governing(design.governingCombined); r && r->combined->basin)
        s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                word(Word::GoverningCombined, lang)
                        .arg(caseTitle(*r, *design.governingCombined, lang),
                                toMillimetre(r->combined->basin->d),
                                toMillimetre(r->combined->basin->c))));
    if (const design::CaseResult *r = governing(design.governingScour); r && r->scour)
        s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
                word(Word::GoverningScour, lang)
                        .arg(caseTitle(*r, *design.governingScour, lang),
                                toMillimetre(r->scour->depth))));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
            word(Word::AdoptedType, lang).arg(word(typeWord(design.options.basinType), lang))));
}

} // namespace varnolt::writers::report
