#include "window/client_area.h"

#include "window/control_font.h"
#include "window/control_table.h"
#include "window/field_text_fit.h"
#include "window/twips.h"
#include "window/widget_form_model.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace varnolt {

namespace {

using namespace Qt::StringLiterals;

QWidget *createControl(const ControlRow &row, QWidget *client)
{
    const QString caption = captionOf(row);
    switch (row.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(caption, client);
        // Captions sit at the top left of their box and are clipped, never wrapped.
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::TextField:
        return new QLineEdit(client);
    case ControlKind::Button: {
        auto *button = new QPushButton(caption, client);
        // Enter and Escape in a field must not run a command.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    }
    return nullptr;
}

void createLine(const LineRow &row, const Twips &twips, QWidget *client)
{
    auto *line = new QFrame(client);
    line->setObjectName(row.name.toString());
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setMidLineWidth(0);
    const int x1 = twips.toPixelsX(row.x1);
    // Three pixels tall with the one-pixel rule in the middle: a widget one
    // pixel tall loses its rule at fractional scale factors such as 1.5.
    line->setGeometry(x1, twips.toPixelsY(row.y) - 1, twips.toPixelsX(row.x2) - x1, 3);
}

// The verdict line is red and is read out by its current text; labels give
// their caption to the field they name.
void finishLabels(QWidget *client)
{
    auto *verdict = client->findChild<QLabel *>(u"Label9"_s, Qt::FindDirectChildrenOnly);
    QPalette palette = verdict->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    verdict->setPalette(palette);
    verdict->setAccessibleDescription(QString::fromUtf16(VerdictDescription));

    for (const ControlRow &row : formControls()) {
        if (!row.namesField)
            continue;
        auto *label = client->findChild<QLabel *>(row.name.toString(), Qt::FindDirectChildrenOnly);
        auto *field = client->findChild<QLineEdit *>(
                fieldName(*row.namesField), Qt::FindDirectChildrenOnly);
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
}

// Follows the tab indices; disabled controls are skipped by Qt itself.
void chainFocusOrder(QWidget *client)
{
    std::vector<const ControlRow *> focusable;
    for (const ControlRow &row : formControls()) {
        if (row.kind != ControlKind::Label)
            focusable.push_back(&row);
    }
    std::sort(focusable.begin(), focusable.end(),
            [](const ControlRow *a, const ControlRow *b) { return a->tabIndex < b->tabIndex; });

    QWidget *previous = nullptr;
    for (const ControlRow *row : focusable) {
        auto *widget
                = client->findChild<QWidget *>(row->name.toString(), Qt::FindDirectChildrenOnly);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace

void populateClientArea(QWidget *client, const Twips &twips)
{
    std::vector<QLineEdit *> fields;
    for (const ControlRow &row : formControls()) {
        QWidget *control = createControl(row, client);
        control->setObjectName(row.name.toString());
        control->setGeometry(twips.rect(row.left, row.top, row.width, row.height));
        control->setFont(controlFont(row.pointSize));
        if (auto *field = qobject_cast<QLineEdit *>(control)) {
            fitTextToField(field, row.pointSize);
            fields.push_back(field);
        }
    }
    for (const LineRow &row : formLines())
        createLine(row, twips, client);

    // A field overlapping its label by a few twips is drawn over it.
    for (QLineEdit *field : fields)
        field->raise();

    finishLabels(client);
    chainFocusOrder(client);
}

} // namespace varnolt
