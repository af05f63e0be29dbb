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
    throw CalcError(ErrorKind::FileNotFound,
            u"在程序搜索路径中找不到可启动的计算器(已查找 %1)。"_s.arg(programs.join(u", "_s)));
}

} // namespace varnolt
