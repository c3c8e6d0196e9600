#include "ui/windows/main/formain.h"

#include "ui/framework/code_points.h"
#include "ui/framework/control_events.h"
#include "ui/framework/window_builder.h"
#include "ui/framework/window_surface.h"
#include "ui/widgets/results_box.h"
#include "ui/windows/main/main_window_definition.h"
#include "ui/windows/main/secondary_windows.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

formain::formain(tovrel::WordList wordList, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), wordList_(std::move(wordList)), desktop_(desktop),
      secondaryWindows_(std::make_unique<SecondaryWindows>(
          desktop, [this] { bringToFront(); }, this)) {
    surface = &buildWindow(*this, mainWindowDefinition(), bindings());
    connectHandlers();
    Text2->setFocus();
    Form_Load();
}

formain::~formain() = default;

ControlBindings formain::bindings() {
    return {
        {"Text2", Text2},
        {"Text1", Text1},
        {"Label1", Label1},
        {"Label2", Label2},
        {"Label3", Label3},
        {"Label4", Label4},
        {"Label5", Label5},
        {"Label6", Label6},
        {"Label8", Label8},
        {"Command1", Command1},
        {"Command2", Command2},
        {"Command3", Command3},
        {"Command4", Command4},
        {"Command5", Command5},
        {"Command6", Command6},
        {"Command7", Command7},
        {"Command8", Command8},
        {"Frame1", Frame1},
        {"Frame2", Frame2},
        {"Option1", Option1},
        {"Option2", Option2},
        {"Option3", Option3},
        {"Option4", Option4},
        {"Picture1", Picture1},
        {"Shape1", Shape1},
        {"Shape2", Shape2},

        {"helpmenu", helpmenu},
        {"About", About},
        {"anagram", anagram},
        {"color", color},
        {"background", background},
        {"vbBlack1", vbBlack1},
        {"vbBlue1", vbBlue1},
        {"vbCyan1", vbCyan1},
        {"vbGreen1", vbGreen1},
        {"vbMagneta1", vbMagneta1},
        {"vbRed1", vbRed1},
        {"vbWhite1", vbWhite1},
        {"vbYellow1", vbYellow1},
        {"textcolor", textcolor},
        {"vbBlack", vbBlack},
        {"vbBlue", vbBlue},
        {"vbCyan", vbCyan},
        {"vbGreen", vbGreen},
        {"vbMagneta", vbMagneta},
        {"vbRed", vbRed},
        {"vbWhite", vbWhite},
        {"vbYellow", vbYellow},
        {"help", help},
        {"Exit", Exit},
    };
}

void formain::connectHandlers() {
    const std::pair<QPushButton*, void (formain::*)()> buttons[] = {
        {Command1, &formain::Command1_Click}, {Command2, &formain::Command2_Click},
        {Command3, &formain::Command3_Click}, {Command4, &formain::Command4_Click},
        {Command5, &formain::Command5_Click}, {Command6, &formain::Command6_Click},
        {Command7, &formain::Command7_Click}, {Command8, &formain::Command8_Click},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
    connect(Text2, &QLineEdit::textChanged, this, &formain::Text2_Change);
    connect(Option2, &QRadioButton::clicked, this, &formain::Option2_Click);
    Text2->installEventFilter(this);

    const std::pair<QAction*, void (formain::*)()> menuItems[] = {
        {helpmenu, &formain::helpmenu_Click},   {About, &formain::About_Click},
        {anagram, &formain::anagram_Click},     {help, &formain::help_Click},
        {Exit, &formain::Exit_Click},           {vbBlack1, &formain::vbBlack1_Click},
        {vbBlue1, &formain::vbBlue1_Click},     {vbCyan1, &formain::vbCyan1_Click},
        {vbGreen1, &formain::vbGreen1_Click},   {vbMagneta1, &formain::vbMagneta1_Click},
        {vbRed1, &formain::vbRed1_Click},       {vbWhite1, &formain::vbWhite1_Click},
        {vbYellow1, &formain::vbYellow1_Click}, {vbBlack, &formain::vbBlack_Click},
        {vbBlue, &formain::vbBlue_Click},       {vbCyan, &formain::vbCyan_Click},
        {vbGreen, &formain::vbGreen_Click},     {vbMagneta, &formain::vbMagneta_Click},
        {vbRed, &formain::vbRed_Click},         {vbWhite, &formain::vbWhite_Click},
        {vbYellow, &formain::vbYellow_Click},
    };
    for (const auto& [item, handler] : menuItems)
        connect(item, &QAction::triggered, this, handler);

    onMouseMove(*surface, [this] { Form_MouseMove(); });
    onMouseMove(*Label6, [this] { Label6_MouseMove(); });
}

void formain::Form_Load() {
    Label5->setVisible(false);
    setStartColours();
    Option1->setChecked(true);
}

void formain::showAtStart() {
    showWindow(*this, mainWindowDefinition().window);
    Text2->setFocus();
}

void formain::bringToFront() {
    if (!isVisible())
        showAtStart();
    raise();
    activateWindow();
}

std::u32string formain::typedWord() const {
    return codePoints(Text2->text());
}

bool formain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text2 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            Text2_KeyPress(13);
        else if (!key->text().isEmpty())
            Text2_KeyPress(key->text().at(0).unicode());
    }
    return QMainWindow::eventFilter(watched, event);
}
