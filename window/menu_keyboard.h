#pragma once

#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

namespace varnolt {

// The menu bar from the keyboard, as desktops expect: F10 moves the focus to
// the menu bar with its first item highlighted; Left, Right and Tab move
// between the items, Enter or Space runs the highlighted one, and Escape or
// F10 again leaves the menu bar. Either way the focus goes back to where it was before
// F10 (a command may then move it on, as 重新计算 does to the first field).
class MenuBarKeyboard final : public QObject {
public:
    MenuBarKeyboard(QWidget *window, QMenuBar *bar);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enter();
    void leave();

    QMenuBar *m_bar;
    QPointer<QWidget> m_returnFocus;
};

} // namespace varnolt
