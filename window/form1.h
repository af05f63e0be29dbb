#pragma once

#include "model/form_state.h"

#include <QMainWindow>

#include <memory>

namespace varnolt {

class WidgetFormModel;

// The one window of the program: the weir and basin quantities as labelled
// fields, the two command buttons, the verdict line and the menu bar. The
// window owns the form's quantities for as long as it is open.
class Form1 final : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The quantities as the last command left them.
    const FormState &formState() const { return m_state; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildMenu();

    // Event handlers, one per event; each runs its command under the error dispatch.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void cxjs_Click();
    void jsq_Click();

    FormState m_state;
    std::unique_ptr<WidgetFormModel> m_form;
    bool m_loaded = false;
};

// Where the window's frame goes when it loads: centred on the screen, but
// with its top left inside the screen's available area.
QPoint startPosition(QSize frame, const QRect &screen, const QRect &available);

} // namespace varnolt
