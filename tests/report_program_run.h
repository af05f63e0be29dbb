#pragma once

// The report program run for real, as a shell runs it; the test target
// defines VARNOLT_REPORT_PROGRAM as the program's path.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What a run left: its exit status (-1 where it crashed or did not finish
// within a minute), its standard output and its standard error.
struct ReportRun {
    int status = -1;
    QByteArray out;
    QString err;
};

// Runs the program with nothing on its standard input, or with the file
// `standardInput` there as a shell's `<` puts it.
inline ReportRun runReportProgram(const QStringList &arguments,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
        const QString &standardInput = QString())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!standardInput.isEmpty())
        process.setStandardInputFile(standardInput);
    process.start(QStringLiteral(VARNOLT_REPORT_PROGRAM), arguments);
    if (standardInput.isEmpty())
        process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

// A file as the program left it, or nothing where there is none.
inline QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
