// varnolt-report: a whole stilling-basin design in one run, every discharge
// through the window's own commands, written as a table, CSV, JSON, a
// workbook, or a calculation report in HTML or Markdown.
#include "design/case_reader.h"
#include "design/coefficient_warnings.h"
#include "design/design.h"
#include "design/design_file_evaluation.h"
#include "design/design_file_reader.h"
#include "design/labels.h"
#include "model/quoted_excerpt.h"
#include "report/application.h"
#include "report/atomic_output.h"
#include "report/design_settings.h"
#include "report/options.h"
#include "report/report_date.h"
#include "writers/format.h"
#include "writers/json_stream.h"
#include "writers/report_document.h"
#include "writers/report_translator.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <future>
#include <optional>

using namespace varnolt;
using namespace Qt::StringLiterals;

namespace {

// Exit statuses.
constexpr int allRowsRead = 0;
constexpr int someRowsUnread = 1;
constexpr int usageOrFileError = 2;

// Discharges scanned between a design file's floods unless --scan says.
constexpr int defaultScanCount = 200;

// Largest case file read, so a wrong file named by mistake fails fast.
constexpr qint64 maxInputBytes = qint64(1) << 30;

void printError(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

// Lines for standard error gathered and written in large pieces: a long
// case file may warn about every one of its rows, and a write for each
// line cost more than reading the file. Written out when full and when it
// goes.
class ErrorLines {
public:
    ErrorLines() = default;
    ErrorLines(const ErrorLines &) = delete;
    ErrorLines &operator=(const ErrorLines &) = delete;
    ~ErrorLines() { flush(); }

    void add(const QString &line)
    {
        m_bytes += line.toUtf8();
        m_bytes += '\n';
        if (m_bytes.size() >= fullSize)
            flush();
    }

    void flush()
    {
        std::fwrite(m_bytes.constData(), 1, std::size_t(m_bytes.size()), stderr);
        m_bytes.clear();
    }

private:
    static constexpr qsizetype fullSize = qsizetype(1) << 16;
    QByteArray m_bytes;
};

// A text of the program's own, marked for translation where it is used.
QString translated(const char *source)
{
    return QCoreApplication::translate("varnolt::report::Program", source);
}

// "sigma = 1.2 outside its usual range 1.05–1.1 (case flood)", in the
// user's language; the coefficient keeps its option's name. The patterns
// are translated once for all the warnings of a run.
class WarningWords {
public:
    QString text(const design::CoefficientWarning &warning,
            const std::vector<design::CaseInputs> &cases) const
    {
        const auto number = [](double value) { return QString::number(value, 'g', 6); };
        QString range;
        if (warning.low && warning.high)
            range = m_between.arg(number(*warning.low), number(*warning.high));
        else if (warning.low)
            range = m_andAbove.arg(number(*warning.low));
        else if (warning.high)
            range = m_upTo.arg(number(*warning.high));
        QString text = m_outside.arg(
                design::coefficientKey(warning.coefficient), number(warning.value), range);
        if (warning.caseIndex && *warning.caseIndex < cases.size()) {
            // The name is the file's: one line, bounded, so no message runs on.
            text = m_ofCase.arg(text,
                    quotedExcerpt(cases[*warning.caseIndex].name, ControlCharacters::Replaced));
        }
        return m_line.arg(text);
    }

private:
    // Each text is marked where it stands, so that the catalogue's update
    // finds it: the update does not look through a helper's argument.
    QString m_between = translated(QT_TRANSLATE_NOOP("varnolt::report::Program", "%1–%2"));
    QString m_andAbove = translated(QT_TRANSLATE_NOOP("varnolt::report::Program", "%1 and above"));
    QString m_upTo = translated(QT_TRANSLATE_NOOP("varnolt::report::Program", "up to %1"));
    QString m_outside = translated(
            QT_TRANSLATE_NOOP("varnolt::report::Program", "%1 = %2 outside its usual range %3"));
    QString m_ofCase = translated(QT_TRANSLATE_NOOP("varnolt::report::Program", "%1 (case %2)"));
    QString m_line = translated(
            QT_TRANSLATE_NOOP("varnolt::report::Program", "varnolt-report: warning: %1"));
};

int usageError(const QString &text)
{
    printError(u"varnolt-report: "_s + text);
    printError(QCoreApplication::translate(
            "varnolt::report::Program", "Try 'varnolt-report --help' for more information."));
    return usageOrFileError;
}

bool writeStandardOutput(const QByteArray &bytes)
{
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout)
            == std::size_t(bytes.size())
            && std::fflush(stdout) == 0;
}

std::optional<QByteArray> readInput(const QString &path, QString &error)
{
    QFile file;
    const bool opened = path == u"-"_s ? file.open(stdin, QIODevice::ReadOnly)
                                       : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        error = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(maxInputBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > maxInputBytes) {
        error = u"larger than %1 bytes"_s.arg(maxInputBytes);
        return std::nullopt;
    }
    return bytes;
}

// A design file's fault as FILE:LINE:COLUMN: what is wrong (the message
// names the key itself); without a place, FILE: what is wrong.
QString locatedDesignError(const design::DesignFileError &e)
{
    if (e.position.line <= 0)
        return QCoreApplication::translate("varnolt::report::Program", "%1: %2")
                .arg(e.file, e.message);
    return QCoreApplication::translate("varnolt::report::Program", "%1:%2:%3: %4")
            .arg(e.file, QString::number(e.position.line), QString::number(e.position.column),
                    e.message);
}

// A design file read and evaluated, with where each of its settings came
// from; none with the status where it cannot be used at all.
std::optional<design::DesignResult> designOfFile(const QByteArray &bytes, const QString &shownPath,
        const report::ReportOptions &options, writers::SettingOrigins &origins, int &status)
{
    const design::DesignFileReading reading = design::readDesignFile(bytes, shownPath);
    for (const design::DesignFileError &e : reading.errors)
        printError(locatedDesignError(e));
    if (!reading.design) {
        status = usageOrFileError;
        return std::nullopt;
    }
    const report::ResolvedSettings settings
            = report::resolveSettings(reading.design->basin, options);
    origins = settings.origins;
    const bool scannable = !reading.design->tailwater.discharges.empty();
    if (options.scanCount && !scannable) {
        printError(u"varnolt-report: %1: --scan needs a [tailwater] table"_s.arg(shownPath));
        status = usageOrFileError;
        return std::nullopt;
    }
    design::DesignFileEvaluation evaluation = design::evaluateDesignFile(*reading.design,
            settings.design, settings.sigma, options.scanCount.value_or(defaultScanCount));
    for (const design::DesignFileError &e : evaluation.floodErrors)
        printError(locatedDesignError(e));
    status = evaluation.floodErrors.empty() ? allRowsRead : someRowsUnread;
    return std::move(evaluation.result);
}

} // namespace

int main(int argc, char *argv[])
{
    const auto app = report::makeApplication(argc, argv);
    QCoreApplication::setApplicationName(u"varnolt-report"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNOLT_VERSION));
    // The program's own messages and help follow the user's locale; the
    // calculation report follows --lang through its own translator.
    QTranslator messages;
    if (writers::loadCatalogue(messages, QLocale::system()))
        QCoreApplication::installTranslator(&messages);

    QString error;
    const auto options = report::parseArguments(QCoreApplication::arguments().mid(1), error);
    if (!options)
        return usageError(error);
    if (options->help)
        return writeStandardOutput(report::helpText().toUtf8()) ? 0 : usageOrFileError;
    if (options->version) {
        return writeStandardOutput(
                       u"varnolt-report %1\n"_s.arg(QStringLiteral(VARNOLT_VERSION)).toUtf8())
                ? 0
                : usageOrFileError;
    }

    const writers::FormatEntry &format = writers::formatEntry(*options->format);
    if (!format.toBytes && !format.toFile && !format.isReport()) {
        return usageError(QCoreApplication::translate(
                "varnolt::report::Program", "the %1 format is not part of this build")
                                  .arg(QString::fromLatin1(format.name)));
    }
    const auto target = report::outputTarget(options->outputPath, error);
    if (!target) {
        printError(u"varnolt-report: "_s
                + QCoreApplication::translate("varnolt::report::Program", "%1: cannot write: %2")
                          .arg(options->outputPath, error));
        return usageOrFileError;
    }
    if (report::replacesInput(options->casesPath, *target)) {
        printError(u"varnolt-report: "_s
                + QCoreApplication::translate(
                        "varnolt::report::Program", "%1: refusing to write over the case file")
                          .arg(options->outputPath));
        return usageOrFileError;
    }

    // Only a calculation report carries a date; a date it cannot carry is
    // refused before anything is read or written.
    QDate date;
    if (format.isReport()) {
        const auto day = report::reportDate(
                qEnvironmentVariable("SOURCE_DATE_EPOCH"), QDate::currentDate(), error);
        if (!day)
            return usageError(error);
        date = *day;
    }

    std::vector<design::CaseInputs> cases;
    std::optional<design::DesignResult> fileDesign;
    // A case file's settings: the defaults and the options.
    writers::SettingOrigins origins = report::resolveSettings({}, *options).origins;
    int status = allRowsRead;
    if (options->singleCase) {
        cases.push_back(*options->singleCase);
    } else {
        const QString shownPath = options->casesPath == u"-"_s ? u"<stdin>"_s : options->casesPath;
        const auto bytes = readInput(options->casesPath, error);
        if (!bytes) {
            printError(u"varnolt-report: "_s
                    + QCoreApplication::translate("varnolt::report::Program", "%1: cannot read: %2")
                              .arg(shownPath, error));
            return usageOrFileError;
        }
        if (report::isDesignFilePath(options->casesPath)) {
            fileDesign = designOfFile(*bytes, shownPath, *options, origins, status);
            if (!fileDesign)
                return status;
        }
        design::CaseFile file = fileDesign ? design::CaseFile{} : design::readCases(*bytes);
        const auto located = [&shownPath](const design::ReadError &e) {
            // One arg() for every part: a path or a message with "%1" in
            // it stays as it is.
            return QCoreApplication::translate("varnolt::report::Program", "%1:%2: column %3: %4")
                    .arg(shownPath, QString::number(e.line), e.column, e.message);
        };
        if (file.fileError) {
            printError(located(*file.fileError));
            return usageOrFileError;
        }
        ErrorLines lines;
        for (const design::ReadError &rowError : file.rowErrors)
            lines.add(located(rowError));
        for (const design::ReadError &warning : file.warnings)
            lines.add(located(warning));
        if (!file.rowErrors.empty())
            status = someRowsUnread;
        cases = std::move(file.cases);
    }
    // Nothing read, nothing to write: the messages above said why.
    if (cases.empty() && !fileDesign)
        return status;

    // A coefficient outside its usual range is used as given, and said so;
    // the exit status stays as it is. The warnings are the inputs' alone:
    // found once, here, and written on a thread of their own while the cases
    // are evaluated; every later message waits for them, so that the
    // messages keep their order.
    if (fileDesign) {
        cases.resize(fileDesign->cases.size());
        std::transform(fileDesign->cases.begin(), fileDesign->cases.end(), cases.begin(),
                [](const design::CaseResult &result) { return result.inputs; });
    }
    const std::vector<design::CoefficientWarning> warnings = fileDesign
            ? fileDesign->warnings
            : design::coefficientWarnings(options->design, cases);
    std::future<void> warningsWritten = std::async(std::launch::async, [&cases, &warnings] {
        const WarningWords words;
        ErrorLines lines;
        for (const design::CoefficientWarning &warning : warnings)
            lines.add(words.text(warning, cases));
    });
    const auto cannotWrite = [&] {
        warningsWritten.wait();
        const QString shownTarget = target->kind == report::OutputTarget::Kind::StandardOutput
                ? u"standard output"_s
                : options->outputPath;
        printError(u"varnolt-report: "_s
                + QCoreApplication::translate("varnolt::report::Program", "%1: cannot write: %2")
                          .arg(shownTarget, error));
        return usageOrFileError;
    };
    // An output made a piece at a time, each piece written as it comes: the
    // run's status, or the write's error.
    const auto writtenInPieces
            = [&](const std::function<bool(const std::function<bool(QByteArrayView)> &)> &make) {
                  report::PiecewiseOutput output;
                  const bool written = output.open(*target, error)
                          && make([&](QByteArrayView piece) { return output.write(piece, error); })
                          && output.commit(error);
                  return written ? status : cannotWrite();
              };
    // JSON is written as the cases are evaluated, a chunk at a time, so
    // that a long case file needs no more memory than a few chunks'
    // results. A chunk of 1024 results (some 2.4 MB) is written out soon
    // after the start, and the chunks held fault in few pages.
    if (!fileDesign && format.format == writers::Format::Json) {
        constexpr std::size_t chunkSize = 1024;
        return writtenInPieces([&](const std::function<bool(QByteArrayView)> &write) {
            return writers::writeDesignJson(
                    cases, options->design, warnings, options->language, chunkSize, write);
        });
    }
    const design::DesignResult result
            = fileDesign ? std::move(*fileDesign) : design::evaluateDesign(cases, options->design);
    writers::ReportSettings settings;
    settings.language = options->language;
    settings.title = options->title;
    settings.project = options->project;
    settings.date = date;
    settings.origins = origins;
    // HTML and Markdown are written a batch of cases' sections at a time,
    // so that the report of a long design is never held whole.
    if (format.writeReport) {
        return writtenInPieces([&](const std::function<bool(QByteArrayView)> &write) {
            return format.writeReport(result, settings, write);
        });
    }
    const auto bytes = format.toFile
            ? report::bytesOfFileWritten(
                    [&](const QString &path, QString &writeError) {
                        return format.toFile(result, path, writeError, settings.language);
                    },
                    error)
            : format.toReport ? format.toReport(result, settings, error)
                              : std::optional(format.toBytes(result, settings.language));
    if (!bytes)
        return cannotWrite();
    if (!report::writeOutput(*target, *bytes, error))
        return cannotWrite();
    return status;
}
