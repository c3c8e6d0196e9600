#include "ui/framework/window_builder.h"

#include "ui/framework/twips.h"
#include "ui/widgets/caption_button.h"
#include "ui/widgets/caption_option.h"
#include "ui/widgets/results_box.h"
#include "ui/widgets/shape_widget.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace {

bool liesOnSurface(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Shape;
}

// The palette roles a control paints its background and its text with; a
// text area paints them on its viewport.
QPalette::ColorRole backgroundRole(const QWidget& control) {
    if (qobject_cast<const QAbstractScrollArea*>(&control))
        return QPalette::Base;
    return control.backgroundRole();
}

QPalette::ColorRole foregroundRole(const QWidget& control) {
    if (qobject_cast<const QAbstractScrollArea*>(&control))
        return QPalette::Text;
    return control.foregroundRole();
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
        text->setMaxLength(std::numeric_limits<int>::max()); // a typed word has no length limit
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
        return new CaptionOption(QString::fromLatin1(row.caption), parent);
    case ControlKind::PictureBox:
    case ControlKind::Image:
        return makePicture(row, parent);
    case ControlKind::Shape:
        return new ShapeWidget(parent);
    }
    return nullptr;
}

// A control starts from the system colours of its kind, never from its
// container's: the colours of a window or a frame must not reach into the
// text boxes, buttons and pictures on it.
void useSystemColours(QWidget& control) {
    QPalette system = QApplication::palette(&control);
    system.setResolveMask(~QPalette::ResolveMask{0});
    control.setPalette(system);
}

// Of a group of option buttons only the selected one is a Tab stop (all of them
// while none is selected); the arrow keys move the selection within the group.
void keepOneTabStopPerOptionGroup(QRadioButton& option) {
    const auto update = [parent = option.parentWidget()] {
        const QList<QRadioButton*> group = parent->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        const bool anySelected = std::any_of(group.begin(), group.end(),
                                             [](const QRadioButton* each) { return each->isChecked(); });
        for (QRadioButton* each : group)
            each->setFocusPolicy(!anySelected || each->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(&option, &QRadioButton::toggled, &option, update);
}

void placeControl(QWidget& window, const ControlDefinition& row) {
    QWidget* container = row.container == kWindow ? &window : findControl(window, row.container);
    QWidget* widget = makeControl(row, container ? container : &window);
    widget->setObjectName(QString::fromLatin1(row.name));
    useSystemColours(*widget);
    if (row.kind != ControlKind::Shape && row.kind != ControlKind::PictureBox &&
        row.kind != ControlKind::Image)
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
    if (row.kind == ControlKind::OptionButton)
        keepOneTabStopPerOptionGroup(*static_cast<QRadioButton*>(widget));
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
    applyWindowDefinition(window, window, definition);
}

void applyWindowDefinition(QWidget& window, QWidget& clientArea, const WindowDefinition& definition) {
    window.setObjectName(QString::fromLatin1(definition.name));
    window.setWindowTitle(QString::fromLatin1(definition.caption));
    clientArea.resize(twipsToPixels(definition.clientWidth), twipsToPixels(definition.clientHeight));
    if (definition.background != kSystemColour)
        setControlBackground(clientArea, definition.background);
    if (definition.foreground != kSystemColour)
        setControlForeground(clientArea, definition.foreground);
}

void buildControls(QWidget& window, const ControlTable& controls) {
    // The window's own controls first, so that the frames among them are there
    // for the controls inside them.
    for (const ControlDefinition& row : controls)
        if (row.container == kWindow)
            placeControl(window, row);
    for (const ControlDefinition& row : controls)
        if (row.container != kWindow)
            placeControl(window, row);
    // Frames lie beneath the other controls, which may stand in front of them
    // without belonging to them; labels, images and shapes lie beneath all.
    for (auto row = controls.rbegin(); row != controls.rend(); ++row)
        if (row->kind == ControlKind::Frame)
            findControl(window, row->name)->lower();
    for (auto row = controls.rbegin(); row != controls.rend(); ++row)
        if (liesOnSurface(row->kind))
            findControl(window, row->name)->lower();
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
    // Buttons and text boxes paint their own face; every other control is filled.
    if (!qobject_cast<const QPushButton*>(&control) && backgroundRole(control) != QPalette::Base)
        control.setAutoFillBackground(true);
}

void setControlForeground(QWidget& control, ColourValue colour) {
    QPalette palette = control.palette();
    palette.setColor(foregroundRole(control), colourFromValue(colour));
    control.setPalette(palette);
}

ColourValue controlBackground(const QWidget& control) {
    return valueFromColour(control.palette().color(backgroundRole(control)));
}

ColourValue controlForeground(const QWidget& control) {
    return valueFromColour(control.palette().color(foregroundRole(control)));
}

QWidget* findControl(const QWidget& window, const char* name) {
    return window.findChild<QWidget*>(QString::fromLatin1(name));
}
