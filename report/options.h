#pragma once

#include "design/case_result.h"
#include "writers/format.h"
#include "writers/report_words.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace varnolt::report {

// What the command line asks for.
struct ReportOptions {
    bool help = false;
    bool version = false;
    QString casesPath; // a case file, or empty for one case given by options
    std::optional<design::CaseInputs> singleCase;
    design::DesignOptions design;
    QString outputPath; // empty for standard output
    std::optional<writers::Format> format; // --format, or from -o FILE's extension
    writers::ReportLanguage language = writers::ReportLanguage::Chinese; // --lang
    QString title; // --title of the calculation report; empty for the default
    // --project, --stage, --number: the report's title block, each one over
    // the design file's [project] entry; empty where not given.
    design::ProjectInfo project;
    // The design-wide options given on the command line, by name ("alpha",
    // "ks", "bed" …): a design file's [basin] value yields to each of them.
    QStringList designOptionsGiven;
    QString bed; // --bed's class, by its keyword; empty where not given
    std::optional<int> scanCount; // --scan N; only with a design file
};

// Most discharges --scan evaluates, so a slip of the finger fails fast.
inline constexpr int maxScanCount = 1000000;

// Whether a path names a design file in TOML (by its extension, .toml in
// any case) rather than a case file.
bool isDesignFilePath(const QString &path);

// Parses the arguments after the program's name. Returns nullopt with
// `error` set on a usage error.
std::optional<ReportOptions> parseArguments(const QStringList &arguments, QString &error);

// Whether the arguments ask for a Word document, as parseArguments reads
// them; false where they do not parse.
bool asksForWordDocument(const QStringList &arguments);

// The --help text.
QString helpText();

} // namespace varnolt::report
