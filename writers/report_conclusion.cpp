// The conclusion: the basin type adopted and its dimensions, each with the
// case that governs it, in one short table and a few sentences.
#include "writers/report_sections.h"

#include "writers/report_blocks.h"
#include "writers/report_numbers.h"
#include "writers/report_types.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

namespace {

// The table's rows: an item, its adopted value and the case that governs it.
class AdoptedTable {
public:
    AdoptedTable(const design::DesignResult &design, ReportLanguage lang)
        : m_design(design)
        , m_lang(lang)
    {
        m_table.header = {word(Word::ColumnItem, lang), word(Word::ColumnAdoptedValue, lang),
                word(Word::ColumnGoverningCase, lang)};
    }

    // A figure stands right-aligned in its column, a word as text.
    void add(Word item, const QString &value, const std::optional<std::size_t> &governing,
            bool figure = true)
    {
        const QString name = governing && *governing < m_design.cases.size()
                ? caseTitle(m_design.cases[*governing], *governing, m_lang)
                : u"—"_s;
        m_table.rows.push_back({{word(item, m_lang)}, {value, figure}, {name}});
    }

    ReportBlock block() const { return tableBlock(m_table); }

private:
    const design::DesignResult &m_design;
    ReportLanguage m_lang;
    ReportTable m_table;
};

// The basin floor's level where the design is given by levels: the
// downstream floor lowered by the adopted depth.
std::optional<double> floorLevel(const design::DesignResult &design, double lowering)
{
    const design::FloodFigures *flood = firstFlood(design);
    if (!flood)
        return std::nullopt;
    return flood->floorLevel - lowering;
}

void addDimensions(AdoptedTable &t, const design::DesignResult &design, ReportLanguage lang)
{
    const design::BasinType type = design.options.basinType;
    t.add(Word::ItemBasinType, word(typeWord(type), lang), std::nullopt, false);
    const design::CaseResult *depth = governingCase(design, design.governingDepth);
    const design::CaseResult *length = governingCase(design, design.governingLength);
    const design::CaseResult *sill = governingCase(design, design.governingSill);
    const design::CaseResult *combined = governingCase(design, design.governingCombined);
    switch (type) {
    case design::BasinType::Sunk:
        if (depth) {
            const double d = depth->basin->adoptedDepth.adopted;
            if (const auto level = floorLevel(design, d))
                t.add(Word::ItemFloorLevel, toMillimetre(*level), design.governingDepth);
            t.add(Word::ItemDepth, given(d), design.governingDepth);
        }
        if (length)
            t.add(Word::ItemLength, given(length->basin->adoptedLength.adopted),
                    design.governingLength);
        break;
    case design::BasinType::Sill:
        if (sill && sill->sill->basin) {
            if (const auto level = floorLevel(design, 0))
                t.add(Word::ItemFloorLevel, toMillimetre(*level), std::nullopt);
            t.add(Word::ItemSill, toMillimetre(sill->sill->basin->c), design.governingSill);
            t.add(Word::ItemLength, toCentimetre(sill->sill->basin->lengthMax),
                    design.governingSill);
        }
        break;
    case design::BasinType::Combined:
        if (combined && combined->combined->basin) {
            const design::CombinedBasin &b = *combined->combined->basin;
            if (const auto level = floorLevel(design, b.d))
                t.add(Word::ItemFloorLevel, toMillimetre(*level), design.governingCombined);
            t.add(Word::ItemDepth, toMillimetre(b.d), design.governingCombined);
            t.add(Word::ItemSill, toMillimetre(b.c), design.governingCombined);
            t.add(Word::ItemLength, toCentimetre(b.lengthMax), design.governingCombined);
        }
        break;
    }
    if (const design::CaseResult *slab = governingCase(design, design.governingSlab)) {
        t.add(Word::ItemSlab, toMillimetre(slab->basin->slab), design.governingSlab);
        t.add(Word::ItemSlabEnd, toMillimetre(slab->basin->slabEndThickness), design.governingSlab);
    }
    if (const design::CaseResult *apron = governingCase(design, design.governingApron))
        t.add(Word::ItemApron, toCentimetre(apron->apron->length), design.governingApron);
    if (const design::CaseResult *scour = governingCase(design, design.governingScour))
        t.add(Word::ItemScour, toMillimetre(scour->scour->depth), design.governingScour);
    if (depth)
        t.add(Word::ItemAppurtenances, basinAdviceWords(depth->basin->advice, lang),
                design.governingDepth, false);
}

} // namespace

void addConclusion(ReportDocument &doc, const design::DesignResult &design)
{
    const ReportLanguage lang = doc.language;
    ReportSection s;
    s.id = u"conclusion"_s;
    s.blocks.push_back(heading(2, word(Word::ConclusionHeading, lang)));
    const design::CaseResult *depth = governingCase(design, design.governingDepth);
    if (!depth) {
        // No case needs a basin, or none could be sized: the summary says
        // which, and there are no dimensions to adopt.
        s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict, word(Word::GoverningNone, lang)));
        doc.sections.push_back(std::move(s));
        return;
    }
    AdoptedTable t(design, lang);
    addDimensions(t, design, lang);
    s.blocks.push_back(t.block());
    s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
            word(Word::ConclusionAdopted, lang)
                    .arg(QString::number(design.cases.size()),
                            word(typeWord(design.options.basinType), lang))));
    if (const design::CaseResult *length = governingCase(design, design.governingLength))
        s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph,
                word(Word::ConclusionGoverning, lang)
                        .arg(caseTitle(*depth, *design.governingDepth, lang),
                                caseTitle(*length, *design.governingLength, lang))));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph,
            word(Word::ConclusionAdvice, lang)
                    .arg(figure(depth->basin->Fr1), basinAdviceWords(depth->basin->advice, lang))));
    doc.sections.push_back(std::move(s));
}

} // namespace varnolt::writers::report
