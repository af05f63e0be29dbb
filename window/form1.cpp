#include "window/form1.h"

#include "commands/commands.h"
#include "window/app_icon.h"
#include "window/client_area.h"
#include "window/control_font.h"
#include "window/control_table.h"
#include "window/error_report.h"
#include "window/menu_commands.h"
#include "window/menu_keyboard.h"
#include "window/twips.h"
#include "window/widget_form_model.h"

#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace varnolt {

using namespace Qt::StringLiterals;

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Varnolt"_s);
    setWindowIcon(appIcon());

    // The menu bar and any box of the window need the Chinese faces too; the
    // controls set their own sizes.
    if (const QStringList families = controlFontFamilies(); !families.isEmpty()) {
        QFont windowFont = font();
        windowFont.setFamilies(families);
        setFont(windowFont);
    }

    buildMenu();

    auto *client = new QWidget(this);
    client->setObjectName(u"client"_s);
    const Twips twips(logicalDpiX(), logicalDpiY());
    client->setFixedSize(twips.toPixelsX(ClientWidthTwips), twips.toPixelsY(ClientHeightTwips));
    populateClientArea(client, twips);
    setCentralWidget(client);
    // The controls are placed at fixed spots, so the window must not be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_form = std::make_unique<WidgetFormModel>(client);
    connect(client->findChild<QPushButton *>(u"Command1"_s), &QPushButton::clicked, this,
            &Form1::Command1_Click);
    connect(client->findChild<QPushButton *>(u"Command2"_s), &QPushButton::clicked, this,
            &Form1::Command2_Click);

    m_form->focusField(Field::Text1);
}

Form1::~Form1() = default;

void Form1::buildMenu()
{
    // Two commands straight on the menu bar, no drop-down menus.
    auto *cxjs = new QAction(u"重新计算"_s, this);
    cxjs->setObjectName(u"cxjs"_s);
    // A new calculation, as Ctrl+N starts a new document elsewhere.
    cxjs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    cxjs->setShortcutContext(Qt::WindowShortcut);
    connect(cxjs, &QAction::triggered, this, &Form1::cxjs_Click);
    menuBar()->addAction(cxjs);

    auto *jsq = new QAction(u"计算器"_s, this);
    jsq->setObjectName(u"jsq"_s);
    connect(jsq, &QAction::triggered, this, &Form1::jsq_Click);
    menuBar()->addAction(jsq);

    new MenuBarKeyboard(this, menuBar());
}

void Form1::showEvent(QShowEvent *event)
{
    // The first show is the load: the window takes its place before it appears.
    if (!m_loaded && !event->spontaneous()) {
        m_loaded = true;
        Form_Load();
    }
    QMainWindow::showEvent(event);
}

void Form1::Form_Load()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    move(startPosition(frameGeometry().size(), primary->geometry(), primary->availableGeometry()));
}

QPoint startPosition(QSize frame, const QRect &screen, const QRect &available)
{
    const QPoint centred(screen.x() + (screen.width() - frame.width()) / 2,
            screen.y() + (screen.height() - frame.height()) / 2);
    // On a screen smaller than the window the centred frame would start above
    // or left of the screen, with the title bar and menu out of reach of a
    // window that cannot be resized: its top left stays on the available area.
    return {std::clamp(centred.x(), available.left(), available.right()),
            std::clamp(centred.y(), available.top(), available.bottom())};
}

void Form1::Command1_Click()
{
    runCommand(this, [this] { varnolt::Command1_Click(*m_form, m_state); });
}

void Form1::Command2_Click()
{
    runCommand(this, [this] { varnolt::Command2_Click(*m_form, m_state); });
}

void Form1::cxjs_Click()
{
    runCommand(this, [this] { varnolt::cxjs_Click(*m_form); });
}

void Form1::jsq_Click()
{
    runCommand(this, [] { varnolt::jsq_Click(); });
}

} // namespace varnolt
