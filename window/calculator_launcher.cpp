#include "window/calculator_launcher.h"

#include "model/errors.h"

#include <QProcess>
#include <QStandardPaths>

namespace varnolt {

using namespace Qt::StringLiterals;

QStringList calculatorPrograms()
{
#ifdef Q_OS_WIN
    return {u"calc.EXE"_s};
#else
    return {u"gnome-calculator"_s, u"kcalc"_s, u"galculator"_s, u"qalculate-qt"_s,
            u"qalculate-gtk"_s, u"mate-calc"_s, u"xcalc"_s};
#endif
}

void startCalculator()
{
    const QStringList programs = calculatorPrograms();
    for (const QString &program : programs) {
        const QString path = QStandardPaths::findExecutable(program);
        // A program found but refusing to start gives way to the next one.
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    ErrorFigures figures;
    figures.programs = programs;
    throw CalcError(ErrorReason::CalculatorNotStarted, std::move(figures));
}

} // namespace varnolt
