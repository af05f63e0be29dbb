#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <cstddef>

namespace varnolt {

// The twelve text fields of the window, numbered as on the form.
enum class Field {
    Text1 = 1, // q, discharge per unit width
    Text2, // H, head over the weir crest
    Text3, // a1, weir height above the downstream floor
    Text4, // v, approach velocity
    Text5, // ht, downstream depth
    Text6, // phi, velocity coefficient
    Text7, // hc, critical depth
    Text8, // hco, contracted depth
    Text9, // hco2, conjugate depth
    Text10, // sigma, submergence factor
    Text11, // d, basin depth
    Text12, // basin length range
};

inline constexpr int FieldCount = 12;

// A field's place in an array of the FieldCount fields: Text1 at 0.
constexpr std::size_t indexOf(Field field)
{
    return static_cast<std::size_t>(field) - 1;
}

// What the commands see of the window: its field texts, the verdict line, the
// basin button's enabled flag, a way to move the keyboard focus, and the
// locale whose notation the field texts are written in.
class FormModel {
public:
    virtual ~FormModel() = default;

    // The notation of every number the fields hold: the commands read the
    // inputs and write the results in it.
    virtual QLocale locale() const = 0;
    virtual QString text(Field field) const = 0;
    virtual void setText(Field field, const QString &text) = 0;
    virtual QString verdict() const = 0;
    virtual void setVerdict(const QString &text) = 0;
    virtual bool basinEnabled() const = 0;
    virtual void setBasinEnabled(bool enabled) = 0;
    virtual void focusField(Field field) = 0;

protected:
    FormModel() = default;
    FormModel(const FormModel &) = default;
    FormModel &operator=(const FormModel &) = default;
};

// The text a field holds when the window opens. The two preset coefficients
// are written with the decimal separator of `locale`, so that they read back
// as numbers wherever the separator is a comma.
QString initialText(Field field, const QLocale &locale);

// The caption of the label beside a field, to name the field to the user.
QString fieldCaption(Field field);

// The form without a window: for the commands' tests and for batch use. Its
// texts are in the notation of the locale it is made with (QLocale::c() for
// full-stop numbers whatever the user's locale), and its fields start with
// the window's initial texts in that notation.
class MemoryFormModel final : public FormModel {
public:
    explicit MemoryFormModel(const QLocale &locale);

    QLocale locale() const override;
    // Another notation from now on, as a user who switches the locale
    // between two clicks; the texts stay as they are.
    void setLocale(const QLocale &locale);

    QString text(Field field) const override;
    void setText(Field field, const QString &text) override;
    QString verdict() const override;
    void setVerdict(const QString &text) override;
    bool basinEnabled() const override;
    void setBasinEnabled(bool enabled) override;
    void focusField(Field field) override;

    // The field last asked to take the focus, if any.
    bool hasFocusRequest() const { return m_focusRequested; }
    Field focusedField() const { return m_focused; }

private:
    QLocale m_locale;
    std::array<QString, FieldCount> m_texts;
    QString m_verdict;
    bool m_basinEnabled = true;
    bool m_focusRequested = false;
    Field m_focused = Field::Text1;
};

} // namespace varnolt
