#include "writers/report_document.h"

#include "model/quoted_excerpt.h"
#include "writers/report_sections.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype longestName = 120;

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
        name = leftWhole(name, longestName) + u'…';
    if (name.isEmpty())
        return word(Word::UnnamedCase, language).arg(index + 1);
    return name;
}

design::ProjectInfo projectOf(
        const std::optional<design::ProjectInfo> &file, const design::ProjectInfo &given)
{
    const design::ProjectInfo fromFile = file.value_or(design::ProjectInfo{});
    const auto either = [](const QString &mine, const QString &other) {
        return mine.isEmpty() ? other : mine;
    };
    return {either(given.name, fromFile.name), either(given.stage, fromFile.stage),
            either(given.number, fromFile.number)};
}

namespace report {

const design::CaseResult *governingCase(
        const design::DesignResult &design, const std::optional<std::size_t> &index)
{
    return index && *index < design.cases.size() ? &design.cases[*index] : nullptr;
}

const design::FloodFigures *firstFlood(const design::DesignResult &design)
{
    const auto flood = std::find_if(design.cases.begin(), design.cases.end(),
            [](const design::CaseResult &r) { return r.flood.has_value(); });
    return flood == design.cases.end() ? nullptr : &*flood->flood;
}

} // namespace report

ReportFrame buildReportFrame(const design::DesignResult &design, const ReportSettings &settings)
{
    ReportFrame frame;
    ReportDocument &doc = frame.document;
    doc.language = settings.language;
    doc.title = settings.title.isEmpty() ? word(Word::DefaultTitle, settings.language)
                                         : settings.title.left(200);
    const QString dateText
            = settings.date.isValid() ? settings.date.toString(Qt::ISODate) : QString();
    doc.dateLine = word(Word::DateLabel, settings.language)
            + (settings.language == ReportLanguage::Chinese ? u"："_s : u": "_s) + dateText;
    report::addTitlePage(doc, projectOf(design.project, settings.project));
    report::addConditions(doc, design, settings.origins);
    report::addBasis(doc, design);
    frame.caseSectionsAt = doc.sections.size();
    report::addSummary(doc, design);
    report::addConclusion(doc, design);
    return frame;
}

ReportSection caseReportSection(
        const design::DesignResult &design, std::size_t index, ReportLanguage language)
{
    return report::caseSection(design, index, language);
}

ReportDocument buildReport(const design::DesignResult &design, const ReportSettings &settings)
{
    ReportFrame frame = buildReportFrame(design, settings);
    std::vector<ReportSection> cases;
    cases.reserve(design.cases.size());
    for (std::size_t i = 0; i < design.cases.size(); ++i)
        cases.push_back(caseReportSection(design, i, settings.language));
    std::vector<ReportSection> &sections = frame.document.sections;
    sections.insert(sections.begin() + std::ptrdiff_t(frame.caseSectionsAt),
            std::make_move_iterator(cases.begin()), std::make_move_iterator(cases.end()));
    return std::move(frame.document);
}

} // namespace varnolt::writers
