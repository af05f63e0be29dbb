#include "window/widget_form_model.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace varnolt {

namespace {

using namespace Qt::StringLiterals;

template <typename T> T *child(QWidget *client, const QString &name)
{
    auto *widget = client->findChild<T *>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(widget, "WidgetFormModel", "control missing from the client area");
    return widget;
}

} // namespace

QString fieldName(Field field)
{
    return u"Text"_s + QString::number(static_cast<int>(field));
}

WidgetFormModel::WidgetFormModel(QWidget *client)
    : m_verdict(child<QLabel>(client, u"Label9"_s))
    , m_basin(child<QPushButton>(client, u"Command2"_s))
{
    for (int i = 1; i <= FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        m_fields[indexOf(f)] = child<QLineEdit>(client, fieldName(f));
        setText(f, initialText(f, locale()));
    }
}

QLocale WidgetFormModel::locale() const
{
    // The default locale is the user's: the application leaves it as the
    // system gives it.
    return QLocale();
}

QString WidgetFormModel::text(Field field) const
{
    return m_fields[indexOf(field)]->text();
}

void WidgetFormModel::setText(Field field, const QString &text)
{
    QLineEdit *edit = m_fields[indexOf(field)];
    edit->setText(text);
    // A written result is read from its first digit; where the field is too
    // narrow for all of it, the tail is what gets clipped, not the head.
    edit->setCursorPosition(0);
}

QString WidgetFormModel::verdict() const
{
    return m_verdict->text();
}

void WidgetFormModel::setVerdict(const QString &text)
{
    m_verdict->setText(text);
}

bool WidgetFormModel::basinEnabled() const
{
    return m_basin->isEnabled();
}

void WidgetFormModel::setBasinEnabled(bool enabled)
{
    m_basin->setEnabled(enabled);
}

void WidgetFormModel::focusField(Field field)
{
    m_fields[indexOf(field)]->setFocus(Qt::OtherFocusReason);
}

} // namespace varnolt
