#include "writers/case_columns.h"

#include "design/labels.h"
#include "model/errors.h"
#include "writers/error_words.h"

#include <array>

namespace varnolt::writers {

using namespace Qt::StringLiterals;
using design::CaseResult;
using design::DesignResult;

namespace {

const CaseResult &at(const DesignResult &design, std::size_t index)
{
    return design.cases[index];
}

template <class Value> Cell optionalNumber(const std::optional<Value> &value)
{
    return value ? Cell::of(double(*value)) : Cell::empty();
}

Cell formCell(const std::optional<design::JumpForm> &form)
{
    return form ? Cell::of(jumpFormWords(*form, ReportLanguage::Chinese)) : Cell::empty();
}

// Each column's cell; a case without a check or a basin has empty cells there.
#define CHECK_NUMBER(member)                                                                       \
    [](const DesignResult &d, std::size_t i, ReportLanguage) {                                     \
        const auto &check = at(d, i).check;                                                        \
        return check ? Cell::of(check->member) : Cell::empty();                                    \
    }
#define BASIN_NUMBER(member)                                                                       \
    [](const DesignResult &d, std::size_t i, ReportLanguage) {                                     \
        const auto &basin = at(d, i).basin;                                                        \
        return basin ? Cell::of(basin->member) : Cell::empty();                                    \
    }
#define INPUT_NUMBER(member)                                                                       \
    [](const DesignResult &d, std::size_t i, ReportLanguage) {                                     \
        return Cell::of(at(d, i).inputs.member);                                                   \
    }

const std::array<CaseColumn, 38> columns{{
        {u"name",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    return Cell::of(at(d, i).inputs.name);
                }},
        {u"q (m²/s)", INPUT_NUMBER(q)},
        {u"H (m)", INPUT_NUMBER(H)},
        {u"a1 (m)", INPUT_NUMBER(a1)},
        {u"v (m/s)", INPUT_NUMBER(v)},
        {u"ht (m)", INPUT_NUMBER(ht)},
        {u"phi", INPUT_NUMBER(phi)},
        {u"sigma", INPUT_NUMBER(sigma)},
        {u"hc (m)", CHECK_NUMBER(hc)},
        {u"E0 (m)", CHECK_NUMBER(E0)},
        {u"hco (m)", CHECK_NUMBER(hco)},
        {u"hco2 (m)", CHECK_NUMBER(hco2)},
        {u"jump",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const auto &check = at(d, i).check;
                    return check ? Cell::of(jumpKindWords(check->jump, ReportLanguage::Chinese))
                                 : Cell::empty();
                }},
        {u"Fr1", CHECK_NUMBER(Fr1)},
        {u"form",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const auto &check = at(d, i).check;
                    return check ? formCell(check->form) : Cell::empty();
                }},
        {u"energy loss ΔE (m)", CHECK_NUMBER(energyLoss)},
        {u"E1 (m)", CHECK_NUMBER(specificEnergy)},
        {u"ΔE/E1", CHECK_NUMBER(relativeLoss)},
        {u"jump length (m)", CHECK_NUMBER(jumpLength)},
        {u"basin depth d (m)", BASIN_NUMBER(d)},
        {u"basin hco (m)", BASIN_NUMBER(hco)},
        {u"basin hco2 (m)", BASIN_NUMBER(hco2)},
        {u"basin length min (m)", BASIN_NUMBER(lengthMin)},
        {u"basin length max (m)", BASIN_NUMBER(lengthMax)},
        {u"basin Fr1", BASIN_NUMBER(Fr1)},
        {u"basin form",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const auto &basin = at(d, i).basin;
                    return basin ? formCell(basin->form) : Cell::empty();
                }},
        {u"advice",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const auto &basin = at(d, i).basin;
                    return basin
                            ? Cell::of(basinAdviceWords(basin->advice, ReportLanguage::Chinese))
                            : Cell::empty();
                }},
        {u"standard d′ (m)",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const auto &basin = at(d, i).basin;
                    return basin ? optionalNumber(basin->standard.d) : Cell::empty();
                }},
        {u"standard Lsj (m)",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const auto &basin = at(d, i).basin;
                    return basin ? optionalNumber(basin->standard.length) : Cell::empty();
                }},
        {u"standard note",
                [](const DesignResult &d, std::size_t i, ReportLanguage language) {
                    const auto &basin = at(d, i).basin;
                    return basin && basin->standard.failure
                            ? Cell::of(standardFailureWords(*basin->standard.failure, language))
                            : Cell::empty();
                }},
        {u"ΔH′ (m)", BASIN_NUMBER(headDifference)},
        {u"slab thickness t (m)", BASIN_NUMBER(slabThickness)},
        {u"apron length Lp (m)",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const auto &basin = at(d, i).basin;
                    return basin ? optionalNumber(basin->apronLength) : Cell::empty();
                }},
        {u"slab formula range",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const auto &basin = at(d, i).basin;
                    if (!basin)
                        return Cell::empty();
                    return Cell::of(basin->slabFormulaOutsideRange ? u"outside 1–9"_s : u"ok"_s);
                }},
        {u"governs",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const QString text = governingText(d, i);
                    return text.isEmpty() ? Cell::empty() : Cell::of(text);
                }},
        {u"error command",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const auto &error = at(d, i).error;
                    return error ? Cell::of(design::stageKey(error->stage)) : Cell::empty();
                }},
        {u"error kind",
                [](const DesignResult &d, std::size_t i, ReportLanguage) {
                    const auto &error = at(d, i).error;
                    return error ? Cell::of(errorKindKey(error->error.kind())) : Cell::empty();
                }},
        {u"error message",
                [](const DesignResult &d, std::size_t i, ReportLanguage language) {
                    const auto &error = at(d, i).error;
                    return error ? Cell::of(errorWords(error->error, language)) : Cell::empty();
                }},
}};

#undef CHECK_NUMBER
#undef BASIN_NUMBER
#undef INPUT_NUMBER

} // namespace

std::span<const CaseColumn> caseColumns()
{
    return columns;
}

QString governingText(const DesignResult &design, std::size_t index)
{
    const bool depth = design.governingDepth == index;
    const bool length = design.governingLength == index;
    if (depth && length)
        return u"depth, length"_s;
    if (depth)
        return u"depth"_s;
    if (length)
        return u"length"_s;
    return {};
}

} // namespace varnolt::writers
