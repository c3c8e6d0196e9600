#include "windows/window_builder.h"

#include "windows/caption_button.h"
#include "windows/results_box.h"
#include "windows/shape_widget.h"
#include "windows/twips.h"

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

namespace {

bool liesOnSurface(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Shape;
}

QPalette::ColorRole backgroundRole(const QWidget& control) {
    if (qobject_cast<const QPushButton*>(&control))
        return QPalette::Button;
    if (qobject_cast<const QLineEdit*>(&control) || qobject_cast<const QAbstractScrollArea*>(&control))
        return QPalette::Base;
    return QPalette::Window;
}

QPalette::ColorRole foregroundRole(const QWidget& control) {
    if (qobject_cast<const QPushButton*>(&control))
        return QPalette::ButtonText;
    if (qobject_cast<const QLineEdit*>(&control) || qobject_cast<const QAbstractScrollArea*>(&control))
        return QPalette::Text;
    return QPalette::WindowText;
}

QLabel* makeLabel(const ControlDefinition& row, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromLatin1(row.caption));
    label->setWordWrap(!(row.style & kAutoSize));
    label->setAlignment(((row.style & kAlignRight) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

QLabel* makePicture(const ControlDefinition& row, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(QPixmap(QString::fromLatin1(row.caption)));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setScaledContents(row.kind == ControlKind::Image);
    if (row.style & kBorder) {
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
    }
    return picture;
}

QPlainTextEdit* makeTextArea(const ControlDefinition& row, QWidget* parent) {
    auto* text = new QPlainTextEdit(parent);
    text->setPlainText(QString::fromLatin1(row.caption));
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setReadOnly(row.style & kReadOnly);
    return text;
}

QWidget* makeControl(const ControlDefinition& row, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::TextBox: {
        auto* text = new QLineEdit(QString::fromLatin1(row.caption), parent);
        text->setReadOnly(row.style & kReadOnly);
        return text;
    }
    case ControlKind::TextArea:
        return makeTextArea(row, parent);
    case ControlKind::ResultsBox: {
        auto* results = new ResultsBox(parent);
        results->setPlainText(QString::fromLatin1(row.caption));
        return results;
    }
    case ControlKind::Label:
        return makeLabel(row, parent);
    case ControlKind::Button:
        return new CaptionButton(QString::fromLatin1(row.caption), parent);
    case ControlKind::Frame:
        return new QGroupBox(QString::fromLatin1(row.caption), parent);
    case ControlKind::OptionButton:
        return new QRadioButton(QString::fromLatin1(row.caption), parent);
    case ControlKind::PictureBox:
    case ControlKind::Image:
        return makePicture(row, parent);
    case ControlKind::Shape:
        return new ShapeWidget(parent);
    }
    return nullptr;
}

void placeControl(QWidget& window, const ControlDefinition& row) {
    QWidget* container = row.container == kWindow ? &window : findControl(window, row.container);
    QWidget* widget = makeControl(row, container ? container : &window);
    widget->setObjectName(QString::fromLatin1(row.name));
    if (row.kind != ControlKind::Shape && row.kind != ControlKind::PictureBox && row.kind != ControlKind::Image)
        widget->setFont(makeFont(row.font));
    widget->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    if (row.style & kAutoSize)
        widget->adjustSize();
    if (row.background != kSystemColour)
        setControlBackground(*widget, row.background);
    if (row.foreground != kSystemColour)
        setControlForeground(*widget, row.foreground);
    // Moving over a control is not moving over the window's own surface.
    if (row.kind != ControlKind::Shape)
        widget->setAttribute(Qt::WA_NoMousePropagation);
    if (row.kind == ControlKind::PictureBox)
        widget->setFocusPolicy(Qt::StrongFocus);
    if (row.tabIndex == kNoTabStop)
        widget->setFocusPolicy(Qt::NoFocus);
}

void chainTabOrder(QWidget& window, const ControlTable& controls) {
    std::vector<const ControlDefinition*> byTabIndex;
    for (const ControlDefinition& row : controls)
        if (row.tabIndex != kNoTabStop)
            byTabIndex.push_back(&row);
    std::stable_sort(byTabIndex.begin(), byTabIndex.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const ControlDefinition* row : byTabIndex) {
        QWidget* widget = findControl(window, row->name);
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace

void applyWindowDefinition(QWidget& window, const WindowDefinition& definition) {
    window.setObjectName(QString::fromLatin1(definition.name));
    window.setWindowTitle(QString::fromLatin1(definition.caption));
    window.resize(twipsToPixels(definition.clientWidth), twipsToPixels(definition.clientHeight));
    if (definition.background != kSystemColour)
        setControlBackground(window, definition.background);
    if (definition.foreground != kSystemColour)
        setControlForeground(window, definition.foreground);
}

void buildControls(QWidget& window, const ControlTable& controls) {
    for (const ControlDefinition& row : controls)
        if (liesOnSurface(row.kind))
            placeControl(window, row);
    for (const ControlDefinition& row : controls)
        if (!liesOnSurface(row.kind))
            placeControl(window, row);
    chainTabOrder(window, controls);
}

void applyToolTips(QWidget& window, const ToolTipTable& toolTips) {
    for (const ToolTipDefinition& each : toolTips)
        if (QWidget* widget = findControl(window, each.control))
            widget->setToolTip(QString::fromLatin1(each.toolTip));
}

void setControlBackground(QWidget& control, ColourValue colour) {
    QPalette palette = control.palette();
    palette.setColor(backgroundRole(control), colourFromValue(colour));
    control.setPalette(palette);
    if (backgroundRole(control) == QPalette::Window)
        control.setAutoFillBackground(true);
}

void setControlForeground(QWidget& control, ColourValue colour) {
    QPalette palette = control.palette();
    palette.setColor(foregroundRole(control), colourFromValue(colour));
    control.setPalette(palette);
}

QWidget* findControl(const QWidget& window, const char* name) {
    return window.findChild<QWidget*>(QString::fromLatin1(name));
}
