#include "writers/report_blocks.h"
#include "writers/report_sections.h"
#include "writers/shown_text.h"

namespace varnolt::writers::report {

namespace {

// The most characters of an entry on the title page, and of the project's
// name and the title in the running header, which has one line of the
// margin to itself.
constexpr qsizetype longestEntry = 120;
constexpr qsizetype longestInHeader = 36;

} // namespace

void addTitlePage(ReportDocument &doc, const design::ProjectInfo &project)
{
    const ReportLanguage lang = doc.language;
    ReportTable &entries = doc.projectTable;
    entries.style = ReportTable::Style::Project;
    const std::pair<Word, const QString &> given[] = {{Word::ProjectName, project.name},
            {Word::DesignStage, project.stage}, {Word::ReportNumber, project.number}};
    for (const auto &[label, text] : given)
        entries.rows.push_back({{word(label, lang)}, {isolated(shownText(text, longestEntry))}});

    ReportTable &signOff = doc.signOffTable;
    signOff.style = ReportTable::Style::SignOff;
    signOff.header = {word(Word::SignOffRole, lang), word(Word::SignOffName, lang),
            word(Word::DateLabel, lang)};
    for (const Word role :
            {Word::SignCalculated, Word::SignChecked, Word::SignReviewed, Word::SignApproved})
        signOff.rows.push_back({{word(role, lang)}, {}, {}});

    const QString title = isolated(shownText(doc.title, longestInHeader));
    const QString name = isolated(shownText(project.name, longestInHeader));
    doc.pageHeader = name.isEmpty() ? title : word(Word::PageHeader, lang).arg(name, title);
    doc.pageFooter = word(Word::PageFooter, lang);
}

} // namespace varnolt::writers::report
