#pragma once

#include "model/form_model.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace varnolt {

// The form model over the real controls: the commands read and write the
// field texts, the verdict line and the basin button of the window itself.
class WidgetFormModel final : public FormModel {
public:
    // Binds to the controls named Text1 … Text12, Label9 and Command2 among the
    // direct children of the client area, and gives the fields their initial texts.
    explicit WidgetFormModel(QWidget *client);

    // The user's locale: the window reads and writes numbers as its user
    // writes them.
    QLocale locale() const override;
    QString text(Field field) const override;
    void setText(Field field, const QString &text) override;
    QString verdict() const override;
    void setVerdict(const QString &text) override;
    bool basinEnabled() const override;
    void setBasinEnabled(bool enabled) override;
    void focusField(Field field) override;

private:
    std::array<QLineEdit *, FieldCount> m_fields{};
    QLabel *m_verdict = nullptr;
    QPushButton *m_basin = nullptr;
};

// The object name of a field's control: Text1 for Field::Text1.
QString fieldName(Field field);

} // namespace varnolt
