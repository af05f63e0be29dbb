#include "writers/formula_numbers.h"

#include "model/formulas.h"
#include "writers/report_numbers.h"

#include <array>
#include <utility>

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

QString val(double v)
{
    const QString t = practical(v);
    return v < 0 ? u'(' + t + u')' : t;
}

QString fig(double v)
{
    const QString t = figure(v);
    return v < 0 ? u'(' + t + u')' : t;
}

QString range(const QString &low, const QString &high, ReportLanguage lang)
{
    return low + word(Word::RangeTo, lang) + high;
}

QString remark(const QString &text, ReportLanguage lang)
{
    return lang == ReportLanguage::Chinese ? u"（"_s + text + u"）"_s : u"  ("_s + text + u')';
}

QString metres(double v)
{
    return toMillimetre(v) + u" m"_s;
}

QString lengthMetres(double v)
{
    return toCentimetre(v) + u" m"_s;
}

QString optionalFigure(const std::optional<double> &v)
{
    return v ? figure(*v) : u"—"_s;
}

QString withConstants(QString text)
{
    static const std::array<std::pair<QString, double>, 5> constants{{
            {u"{g}"_s, formulas::g},
            {u"{2g}"_s, formulas::twoG},
            {u"{jump}"_s, formulas::freeJumpFactor},
            {u"{short}"_s, formulas::shortBasinFactor},
            {u"{long}"_s, formulas::longBasinFactor},
    }};
    for (const auto &[name, value] : constants)
        text.replace(name, given(value));
    return text;
}

} // namespace varnolt::writers::report
