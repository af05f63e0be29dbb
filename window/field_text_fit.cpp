#include "window/field_text_fit.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace varnolt {

namespace {

// QLineEdit keeps one pixel free on either side of its text.
constexpr int LineEditTextMargin = 1;
// The cursor is drawn after the last character and needs a pixel of its own.
constexpr int CursorWidth = 1;
constexpr qreal PointStep = 0.5;

// The width the field gives its text, as QLineEdit lays it out.
int textRoom(const QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->contentsRect();
    option.lineWidth = field->hasFrame()
            ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field)
            : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents
            = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    return contents.marginsRemoved(field->textMargins()).width() - 2 * LineEditTextMargin;
}

void refit(QLineEdit *field, qreal pointSize, const QString &text)
{
    field->setToolTip(text);
    QFont font = field->font();
    font.setPointSizeF(pointSize);
    while (!textFitsField(field, text, font)
            && font.pointSizeF() - PointStep >= MinimumLegiblePointSize)
        font.setPointSizeF(font.pointSizeF() - PointStep);
    if (font != field->font())
        field->setFont(font);
}

} // namespace

bool textFitsField(const QLineEdit *field, const QString &text, const QFont &font)
{
    // Measured for the field's screen and rounded as QLineEdit rounds it.
    const QFontMetricsF metrics(font, field);
    const int used = qRound(metrics.horizontalAdvance(text)) + CursorWidth;
    return used <= textRoom(field);
}

void fitTextToField(QLineEdit *field, qreal pointSize)
{
    QObject::connect(field, &QLineEdit::textChanged, field,
            [field, pointSize](const QString &text) { refit(field, pointSize, text); });
    refit(field, pointSize, field->text());
}

} // namespace varnolt
