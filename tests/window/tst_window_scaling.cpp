// The window at the scale factor of its run (1, 1.5 or 2, set by CTest):
// every control is one of the form's and lies inside the client area,
// every caption fits in its control and the inked part of no caption runs
// into another control, except the three labels whose fields are drawn over
// their ends. A picture of the window at this scale is kept for review.
//
// CTest pins the faces (tests/fonts/pinned.conf), and the captions are
// judged by their font boxes, the line they are laid out on. It runs the
// checks once more with the face named in VARNOLT_TEST_FACE as the only
// Chinese one (Noto CJK, whose boxes reach far above and below its glyphs):
// the captions are then judged by their ink, as a reader sees them.
#include "form_driver.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include "window/control_font.h"

using namespace varnolt;
using namespace varnolt::testkit;
using namespace Qt::StringLiterals;

namespace {

// Labels whose field overlaps their caption by a few twips and is drawn on top.
bool overlapAllowed(const QString &label, const QString &control)
{
    return (label == u"Label6"_s && control == u"Text7"_s)
            || (label == u"Label7"_s && control == u"Text8"_s)
            || (label == u"Label8"_s && control == u"Text9"_s);
}

bool isControl(const QWidget *widget)
{
    return widget->inherits("QLabel") || widget->inherits("QLineEdit")
            || widget->inherits("QPushButton");
}

// The one face the run is about, or empty for the pinned faces.
QString faceUnderTest()
{
    return qEnvironmentVariable("VARNOLT_TEST_FACE");
}

// The line a label's caption is laid out on, inside the client area.
QRect captionBox(const QLabel *label)
{
    const QFontMetrics metrics(label->font());
    const QRect contents = label->contentsRect().translated(label->pos());
    return {contents.topLeft(), QSize(metrics.horizontalAdvance(label->text()), metrics.height())};
}

// Where a control is in this run's units: logical pixels when font boxes
// are judged; device pixels when ink is, counting a pixel the control
// covers in part as its own where the caption must stay inside it (Outer),
// and only those it covers whole where a caption must keep out (Inner).
enum class Rounding { Outer, Inner };

QRect areaOf(const QRect &logical, double scale, Rounding rounding)
{
    if (faceUnderTest().isEmpty())
        return logical;
    const double x0 = logical.left() * scale, y0 = logical.top() * scale;
    const double x1 = (logical.right() + 1) * scale, y1 = (logical.bottom() + 1) * scale;
    if (rounding == Rounding::Outer)
        return QRect(QPoint(qFloor(x0), qFloor(y0)), QPoint(qCeil(x1) - 1, qCeil(y1) - 1));
    return QRect(QPoint(qCeil(x0), qCeil(y0)), QPoint(qFloor(x1) - 1, qFloor(y1) - 1));
}

// The device pixels a label's caption inks, in the client area: its text
// drawn by the label's style where the label draws it, with the label's
// font, alignment and scale, but on a canvas reaching well past the label,
// so ink the label would clip away is counted too. The canvas is shifted by
// the label's fraction of a device pixel, so at a scale of 1.5 the text falls
// on the pixels it falls on in the window.
QRect captionInk(const QLabel *label)
{
    const qreal scale = label->devicePixelRatioF();
    const int margin = 2 * (label->height() / 2 + 8); // even: whole device pixels at 1.5
    const QSize logical = label->size() + QSize(2 * margin, 2 * margin);
    QImage canvas((QSizeF(logical) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(scale);
    canvas.fill(Qt::transparent);
    const QPointF device = QPointF(label->pos()) * scale;
    const QPoint wholePixels(qFloor(device.x()), qFloor(device.y()));
    QPainter painter(&canvas);
    painter.translate((device - QPointF(wholePixels)) / scale);
    painter.setFont(label->font());
    label->style()->drawItemText(&painter, label->contentsRect().translated(margin, margin),
            int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())),
            label->palette(), true, label->text(), QPalette::WindowText);
    painter.end();

    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    const int canvasOrigin = qRound(margin * scale);
    return QRect(QPoint(left, top), QPoint(right, bottom))
            .translated(wholePixels - QPoint(canvasOrigin, canvasOrigin));
}

// Where a label's caption is, as this run judges it.
QRect captionRect(const QLabel *label)
{
    return faceUnderTest().isEmpty() ? captionBox(label) : captionInk(label);
}

// The height a line of `text` needs, as this run judges it: the font box,
// or the ink of its glyphs.
int lineHeight(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    return faceUnderTest().isEmpty() ? metrics.height() : metrics.tightBoundingRect(text).height();
}

} // namespace

class TestWindowScaling : public FormTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void scaleIsTheRequestedOne();
    void captionsFitTheirControls();
    void captionsDoNotRunIntoOtherControls();
    void everythingStaysInsideTheClientArea();
    void pictureHasTheScaledSize();
    void separatorIsDrawnAcrossTheWindow();
};

// The face under test is the window's first choice; without it the run has
// nothing to check.
void TestWindowScaling::initTestCase()
{
    const QString face = faceUnderTest();
    if (face.isEmpty())
        return;
    if (!QFontDatabase::hasFamily(face))
        QSKIP(qPrintable(face + u" is not installed"_s));
    QCOMPARE(controlFontFamilies().value(0), face);
}

void TestWindowScaling::scaleIsTheRequestedOne()
{
    const double requested = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
    QCOMPARE(m_form->devicePixelRatioF(), requested);
}

void TestWindowScaling::captionsFitTheirControls()
{
    const QWidget *client = m_form->centralWidget();
    for (const QLabel *label : client->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QRect caption = captionRect(label);
        const QRect box = areaOf(label->geometry(), label->devicePixelRatioF(), Rounding::Outer);
        QVERIFY2(box.contains(caption),
                qPrintable(label->objectName() + u": "_s + QDebug::toString(caption) + u" not in "_s
                        + QDebug::toString(box)));
    }
    for (const QPushButton *button : client->findChildren<QPushButton *>()) {
        const QFontMetrics metrics(button->font());
        QVERIFY2(metrics.horizontalAdvance(button->text()) + 8 <= button->width(),
                qPrintable(button->objectName()));
        QVERIFY(lineHeight(button->font(), button->text()) <= button->height());
    }
    for (const QLineEdit *field : client->findChildren<QLineEdit *>()) {
        QVERIFY2(lineHeight(field->font(), u"0123456789.-"_s) <= field->height(),
                qPrintable(field->objectName()));
    }
}

void TestWindowScaling::captionsDoNotRunIntoOtherControls()
{
    const QWidget *client = m_form->centralWidget();
    for (const QLabel *label : client->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QRect caption = captionRect(label);
        for (const QWidget *other :
                client->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other == label || !isControl(other))
                continue;
            if (overlapAllowed(label->objectName(), other->objectName()))
                continue;
            const QRect ink = other->inherits("QLabel")
                    ? captionRect(static_cast<const QLabel *>(other))
                    : areaOf(other->geometry(), other->devicePixelRatioF(), Rounding::Inner);
            QVERIFY2(!caption.intersects(ink),
                    qPrintable(label->objectName() + u" runs into "_s + other->objectName()));
        }
    }
}

void TestWindowScaling::everythingStaysInsideTheClientArea()
{
    const QWidget *client = m_form->centralWidget();
    for (const QWidget *control :
            client->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->objectName().startsWith(u"Line"_s))
            continue; // the separator runs past both edges and is clipped
        // Every control is one of the form's, named after it.
        QVERIFY2(!control->objectName().isEmpty(), control->metaObject()->className());
        QVERIFY2(client->rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
}

void TestWindowScaling::pictureHasTheScaledSize()
{
    const QPixmap picture = m_form->grab();
    const double scale = m_form->devicePixelRatioF();
    QCOMPARE(picture.width(), qRound(m_form->width() * scale));
    QCOMPARE(picture.height(), qRound(m_form->height() * scale));
    const QString face = faceUnderTest().isEmpty()
            ? QString()
            : u"-"_s + faceUnderTest().toLower().replace(u' ', u'-');
    QVERIFY(picture.save(u"form1-scale-%1%2.png"_s.arg(scale).arg(face)));
}

// The rule at 3840 twips (256 logical pixels below the menu bar) shows across
// the whole width of the window as pictured: some device row of that logical
// row differs from the background above it.
void TestWindowScaling::separatorIsDrawnAcrossTheWindow()
{
    const QImage image = m_form->grab().toImage();
    const double scale = image.devicePixelRatio();
    const int rule = m_form->centralWidget()->y() + 256;
    const QRgb background = image.pixel(qRound(200 * scale), qRound((rule - 6) * scale));
    for (int x : {1, 100, 200, 300, 398}) {
        bool drawn = false;
        for (int row = qFloor((rule - 1) * scale); row <= qCeil((rule + 1) * scale); ++row)
            drawn = drawn || image.pixel(qRound(x * scale), row) != background;
        QVERIFY2(drawn, qPrintable(u"no rule at x = %1"_s.arg(x)));
    }
}

QTEST_MAIN(TestWindowScaling)
#include "tst_window_scaling.moc"
