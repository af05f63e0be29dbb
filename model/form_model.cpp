#include "model/form_model.h"

#include <QLocale>

namespace varnolt {

namespace {

// A preset coefficient in the locale's notation, so that the strict reading
// of the field accepts it unchanged ("0,95" where the separator is a comma).
QString preset(const char *whole, const char *fraction, const QLocale &locale)
{
    return QLatin1String(whole) + locale.decimalPoint() + QLatin1String(fraction);
}

} // namespace

QString initialText(Field field, const QLocale &locale)
{
    switch (field) {
    case Field::Text6:
        return preset("0", "95", locale);
    case Field::Text10:
        return preset("1", "05", locale);
    default:
        return {};
    }
}

QString fieldCaption(Field field)
{
    switch (field) {
    case Field::Text1:
        return QStringLiteral("单宽流量q");
    case Field::Text2:
        return QStringLiteral("堰上水头H");
    case Field::Text3:
        return QStringLiteral("下游堰高a1");
    case Field::Text4:
        return QStringLiteral("行进流速v");
    case Field::Text5:
        return QStringLiteral("下游水深ht");
    case Field::Text6:
        return QStringLiteral("流速系数");
    case Field::Text7:
        return QStringLiteral("临界水深hc");
    case Field::Text8:
        return QStringLiteral("收缩断面水深hco");
    case Field::Text9:
        return QStringLiteral("共扼水深hco2");
    case Field::Text10:
        return QStringLiteral("淹没系数");
    case Field::Text11:
        return QStringLiteral("消力池深d");
    case Field::Text12:
        return QStringLiteral("消力池长l");
    }
    return {};
}

MemoryFormModel::MemoryFormModel(const QLocale &locale)
    : m_locale(locale)
{
    for (int i = 1; i <= FieldCount; ++i)
        m_texts[indexOf(static_cast<Field>(i))] = initialText(static_cast<Field>(i), locale);
}

QLocale MemoryFormModel::locale() const
{
    return m_locale;
}

void MemoryFormModel::setLocale(const QLocale &locale)
{
    m_locale = locale;
}

QString MemoryFormModel::text(Field field) const
{
    return m_texts[indexOf(field)];
}

void MemoryFormModel::setText(Field field, const QString &text)
{
    m_texts[indexOf(field)] = text;
}

QString MemoryFormModel::verdict() const
{
    return m_verdict;
}

void MemoryFormModel::setVerdict(const QString &text)
{
    m_verdict = text;
}

bool MemoryFormModel::basinEnabled() const
{
    return m_basinEnabled;
}

void MemoryFormModel::setBasinEnabled(bool enabled)
{
    m_basinEnabled = enabled;
}

void MemoryFormModel::focusField(Field field)
{
    m_focusRequested = true;
    m_focused = field;
}

} // namespace varnolt
