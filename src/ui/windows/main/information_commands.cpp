#include "ui/windows/main/formain.h"

#include "ui/framework/desktop.h"
#include "ui/windows/main/secondary_windows.h"

#include <QCloseEvent>

namespace {

constexpr char kAnagramMessage[] =
    "Anagrams (Jumbled Words - A word or phrase spelled by rearranging the letters of "
    "another word or phrase). For e.g rdsow = words, sword";
constexpr char kHintMessage[] = "Take your Mouse Pointer Above any Button or Text-Boxes, hold it there, you "
                                "will see a yellow box which gives "
                                "a brief description about it. For detailed help please Click the Help "
                                "Button or Choose Help from Menu bar";

} // namespace

void formain::About_Click() {
    secondaryWindows_->showAbout();
}

void formain::anagram_Click() {
    desktop_.showMessage(this, QString::fromLatin1(kAnagramMessage));
}

void formain::Command3_Click() {
    secondaryWindows_->showExample();
}

void formain::Command4_Click() {
    desktop_.endProgram();
}

void formain::Command8_Click() {
    secondaryWindows_->showHelp();
}

void formain::Exit_Click() {
    desktop_.endProgram();
}

void formain::help_Click() {
    desktop_.showMessage(this, QString::fromLatin1(kHintMessage));
}

void formain::helpmenu_Click() {
    secondaryWindows_->showHelp();
}

void formain::closeEvent(QCloseEvent* event) {
    event->accept();
    desktop_.endProgram();
}
