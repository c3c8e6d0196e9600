#include "ui/windows/main/formain.h"

#include "ui/framework/code_points.h"

#include "ui/framework/desktop.h"
#include "ui/framework/menu_builder.h"
#include "ui/framework/twips.h"
#include "ui/framework/window_builder.h"
#include "ui/framework/window_surface.h"
#include "ui/widgets/results_box.h"
#include "ui/windows/main/main_window_definition.h"
#include "ui/windows/main/secondary_windows.h"
#include "ui/windows/splash/splash_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

formain::formain(const QString& dictionaryPath, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), dictionaryPath_(QFile::encodeName(dictionaryPath).toStdString()),
      dictionaryDisplayPath_(QDir::toNativeSeparators(QFileInfo(dictionaryPath).absoluteFilePath())),
      desktop_(desktop), secondaryWindows_(std::make_unique<SecondaryWindows>(
                             desktop, [this] { bringToFront(); }, this)) {
    surface = new WindowSurface(this);
    setCentralWidget(surface);
    applyWindowDefinition(*this, *surface, kMainWindow);
    surface->setPicture(QPixmap(QString::fromLatin1(kMainWindowPicture)));
    QIcon icon(QString::fromLatin1(kProgramIcon));
    icon.addFile(QString::fromLatin1(kProgramIconLarge));
    setWindowIcon(icon);
    buildControls(*surface, kMainWindowControls);
    applyToolTips(*surface, kMainWindowToolTips);
    buildMenuBar(*menuBar(), kMainWindowMenus);
    findControls();
    connectHandlers();
    placeRestoredWindow();
    Text2->setFocus();
    Form_Load();
}

formain::~formain() = default;

void formain::findControls() {
    Text2 = control<QLineEdit>(*surface, "Text2");
    Text1 = control<ResultsBox>(*surface, "Text1");
    Label1 = control<QLabel>(*surface, "Label1");
    Label2 = control<QLabel>(*surface, "Label2");
    Label3 = control<QLabel>(*surface, "Label3");
    Label4 = control<QLabel>(*surface, "Label4");
    Label5 = control<QLabel>(*surface, "Label5");
    Label6 = control<QLabel>(*surface, "Label6");
    Label8 = control<QLabel>(*surface, "Label8");
    Command1 = control<QPushButton>(*surface, "Command1");
    Command2 = control<QPushButton>(*surface, "Command2");
    Command3 = control<QPushButton>(*surface, "Command3");
    Command4 = control<QPushButton>(*surface, "Command4");
    Command5 = control<QPushButton>(*surface, "Command5");
    Command6 = control<QPushButton>(*surface, "Command6");
    Command7 = control<QPushButton>(*surface, "Command7");
    Command8 = control<QPushButton>(*surface, "Command8");
    Frame1 = control<QGroupBox>(*surface, "Frame1");
    Frame2 = control<QGroupBox>(*surface, "Frame2");
    Option1 = control<QRadioButton>(*surface, "Option1");
    Option2 = control<QRadioButton>(*surface, "Option2");
    Option3 = control<QRadioButton>(*surface, "Option3");
    Option4 = control<QRadioButton>(*surface, "Option4");
    Picture1 = control<QLabel>(*surface, "Picture1");
    Shape1 = findControl(*surface, "Shape1");
    Shape2 = findControl(*surface, "Shape2");

    helpmenu = menuItem(*this, "helpmenu");
    About = menuItem(*this, "About");
    anagram = menuItem(*this, "anagram");
    color = menuItem(*this, "color")->menu();
    background = menuItem(*this, "background")->menu();
    vbBlack1 = menuItem(*this, "vbBlack1");
    vbBlue1 = menuItem(*this, "vbBlue1");
    vbCyan1 = menuItem(*this, "vbCyan1");
    vbGreen1 = menuItem(*this, "vbGreen1");
    vbMagneta1 = menuItem(*this, "vbMagneta1");
    vbRed1 = menuItem(*this, "vbRed1");
    vbWhite1 = menuItem(*this, "vbWhite1");
    vbYellow1 = menuItem(*this, "vbYellow1");
    textcolor = menuItem(*this, "textcolor")->menu();
    vbBlack = menuItem(*this, "vbBlack");
    vbBlue = menuItem(*this, "vbBlue");
    vbCyan = menuItem(*this, "vbCyan");
    vbGreen = menuItem(*this, "vbGreen");
    vbMagneta = menuItem(*this, "vbMagneta");
    vbRed = menuItem(*this, "vbRed");
    vbWhite = menuItem(*this, "vbWhite");
    vbYellow = menuItem(*this, "vbYellow");
    help = menuItem(*this, "help");
    Exit = menuItem(*this, "Exit");
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

    connect(surface, &WindowSurface::mouseMoved, this, &formain::Form_MouseMove);
    Label6->setMouseTracking(true);
    Label6->installEventFilter(this);
}

// The restored window: its client area below the menu bar at its place and size.
void formain::placeRestoredWindow() {
    const int menuHeight = menuBar()->sizeHint().height();
    setGeometry(twipsToPixels(kMainWindowClientLeft), twipsToPixels(kMainWindowClientTop) - menuHeight,
                surface->width(), surface->height() + menuHeight);
}

void formain::Form_Load() {
    Label5->setVisible(false);
    setStartColours();
    Option1->setChecked(true);
}

void formain::showAtStart() {
    showMaximized();
    Text2->setFocus();
}

void formain::bringToFront() {
    if (!isVisible())
        showAtStart();
    raise();
    activateWindow();
}

void formain::showSplash() {
    if (splash_ && splash_->isVisible()) {
        splash_->raise();
        return;
    }
    splash_ = new afSplash([this] { bringToFront(); }, this);
    splash_->show();
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
    } else if (watched == Label6 && event->type() == QEvent::MouseMove) {
        Label6_MouseMove();
    }
    return QMainWindow::eventFilter(watched, event);
}
