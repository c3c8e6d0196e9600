#include "ui/framework/control_builder.h"

#include "ui/framework/caption_fit.h"
#include "ui/framework/control_colours.h"
#include "ui/framework/font_spec.h"
#include "ui/framework/twips.h"
#include "ui/widgets/caption_button.h"
#include "ui/widgets/caption_option.h"
#include "ui/widgets/one_line_text.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/results_box.h"
#include "ui/widgets/results_box_accessible.h"
#include "ui/widgets/shape_widget.h"
#include "ui/widgets/shrinking_label.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <algorithm>
#include <limits>

namespace {

bool liesOnSurface(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Shape;
}

bool showsText(ControlKind kind) {
    return kind != ControlKind::Shape && kind != ControlKind::PictureBox && kind != ControlKind::Image;
}

QLabel* makeLabel(const ControlDefinition& row, QWidget* parent) {
    auto* label = (row.style & kShrinkToFit) ? new ShrinkingLabel(parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromLatin1(row.caption));
    label->setWordWrap(!(row.style & (kAutoSize | kShrinkToFit)));
    label->setAlignment(((row.style & kAlignRight) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

QLabel* makePicture(const ControlDefinition& row, QWidget* parent) {
    auto* picture = new PictureBox(parent);
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
    // A text only to read still shows its caret, which the arrow keys move:
    // the sign that it has the focus, and a way to select with the keyboard.
    if (row.style & kReadOnly)
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return text;
}

QWidget* makeControl(const ControlDefinition& row, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::TextBox: {
        auto* text = new QLineEdit(QString::fromLatin1(row.caption), parent);
        text->setReadOnly(row.style & kReadOnly);
        text->setMaxLength(std::numeric_limits<int>::max()); // a typed word has no length limit
        keepOnOneLine(*text);
        return text;
    }
    case ControlKind::TextArea:
        return makeTextArea(row, parent);
    case ControlKind::ResultsBox: {
        ResultsBoxAccessible::registerFactory();
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

QWidget* placeControl(QWidget& container, const ControlDefinition& row) {
    QWidget* widget = makeControl(row, &container);
    widget->setObjectName(QString::fromLatin1(row.name));
    useSystemColours(*widget);
    if (showsText(row.kind))
        widget->setFont(makeFont(row.font));
    widget->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    if (row.style & kAutoSize)
        widget->adjustSize();
    else if (!(row.style & kShrinkToFit))
        condenseCaptionToFit(*widget);
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
    return widget;
}

void chainTabOrder(const ControlTable& controls, const BuiltControls& built) {
    std::vector<const ControlDefinition*> byTabIndex;
    for (const ControlDefinition& row : controls)
        if (row.tabIndex != kNoTabStop)
            byTabIndex.push_back(&row);
    std::stable_sort(byTabIndex.begin(), byTabIndex.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const ControlDefinition* row : byTabIndex) {
        auto* widget = static_cast<QWidget*>(built.at(row->name));
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QWidget& widget(const BuiltControls& built, const ControlDefinition& row) {
    return *static_cast<QWidget*>(built.at(row.name));
}

} // namespace

BuiltControls buildControls(QWidget& clientArea, const ControlTable& controls) {
    BuiltControls built;
    // The window's own controls first, so that the frames among them are there
    // for the controls inside them. A container that is no frame of the window
    // is a fault of the definition, reported by its check; its controls then
    // lie on the window.
    for (const ControlDefinition& row : controls)
        if (row.container == kWindow)
            built.emplace(row.name, placeControl(clientArea, row));
    for (const ControlDefinition& row : controls) {
        if (row.container == kWindow)
            continue;
        const auto frame = built.find(row.container);
        auto* container = frame != built.end() ? qobject_cast<QGroupBox*>(frame->second) : nullptr;
        built.emplace(row.name, placeControl(container ? *container : clientArea, row));
    }
    // Frames lie beneath the other controls, which may stand in front of them
    // without belonging to them; labels, images and shapes lie beneath all.
    for (auto row = controls.rbegin(); row != controls.rend(); ++row)
        if (row->kind == ControlKind::Frame)
            widget(built, *row).lower();
    for (auto row = controls.rbegin(); row != controls.rend(); ++row)
        if (liesOnSurface(row->kind))
            widget(built, *row).lower();
    chainTabOrder(controls, built);
    return built;
}

const QMetaObject& controlClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
        return QLineEdit::staticMetaObject;
    case ControlKind::TextArea:
        return QPlainTextEdit::staticMetaObject;
    case ControlKind::ResultsBox:
        return ResultsBox::staticMetaObject;
    case ControlKind::Label:
    case ControlKind::PictureBox:
    case ControlKind::Image:
        return QLabel::staticMetaObject;
    case ControlKind::Button:
        return CaptionButton::staticMetaObject;
    case ControlKind::Frame:
        return QGroupBox::staticMetaObject;
    case ControlKind::OptionButton:
        return CaptionOption::staticMetaObject;
    case ControlKind::Shape:
        return ShapeWidget::staticMetaObject;
    }
    return QWidget::staticMetaObject;
}

bool takesFocus(const ControlDefinition& row) {
    if (row.tabIndex == kNoTabStop)
        return false;
    switch (row.kind) {
    case ControlKind::TextBox:
    case ControlKind::TextArea:
    case ControlKind::ResultsBox:
    case ControlKind::Button:
    case ControlKind::OptionButton:
    case ControlKind::PictureBox:
        return true;
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::Image:
    case ControlKind::Shape:
        return false;
    }
    return false;
}
