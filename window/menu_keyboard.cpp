#include "window/menu_keyboard.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>

namespace varnolt {

MenuBarKeyboard::MenuBarKeyboard(QWidget *window, QMenuBar *bar)
    : QObject(bar)
    , m_bar(bar)
{
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    f10->setContext(Qt::WindowShortcut);
    connect(f10, &QShortcut::activated, this, &MenuBarKeyboard::enter);
    bar->installEventFilter(this);
}

void MenuBarKeyboard::enter()
{
    // F10 again, like Escape, leaves the menu bar.
    if (m_bar->hasFocus()) {
        leave();
        return;
    }
    const QList<QAction *> items = m_bar->actions();
    if (items.isEmpty())
        return;
    m_returnFocus = QApplication::focusWidget();
    m_bar->setFocus(Qt::MenuBarFocusReason);
    m_bar->setActiveAction(items.first());
}

void MenuBarKeyboard::leave()
{
    m_bar->setActiveAction(nullptr);
    if (m_returnFocus)
        m_returnFocus->setFocus(Qt::MenuBarFocusReason);
    else
        m_bar->clearFocus();
    m_returnFocus.clear();
}

bool MenuBarKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_bar)
        return false;
    if (event->type() == QEvent::FocusOut) {
        // A click elsewhere ends the keyboard visit without running anything.
        m_bar->setActiveAction(nullptr);
        m_returnFocus.clear();
        return false;
    }
    if (event->type() != QEvent::KeyPress || !m_bar->hasFocus())
        return false;
    // Left, Right, Tab and Backtab move along the bar in QMenuBar itself.
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Escape:
        leave();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        QAction *item = m_bar->activeAction();
        leave();
        if (item)
            item->trigger();
        return true;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true; // the items have no drop-down menus
    default:
        return false;
    }
}

} // namespace varnolt
