#include "ui/windows/main/formain.h"

#include "ui/framework/control_colours.h"
#include "ui/framework/window_surface.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <initializer_list>

// Label6 and the background of Frame2 keep the colours of the definition.
void formain::setStartColours() {
    for (QWidget* target : std::initializer_list<QWidget*>{surface, Label1, Label3, Label4, Label8, Frame1,
                                                           Option1, Option3, Option4, Option2})
        setControlBackground(*target, kBlack);
    for (QWidget* target : std::initializer_list<QWidget*>{surface, Label1, Label3, Label4, Label8, Frame1,
                                                           Option1, Option3, Option4, Option2, Frame2})
        setControlForeground(*target, kRed);
}

// The twelve colour targets, always in this order.
QList<QWidget*> formain::colourTargets() const {
    return {surface, Label1, Label3,  Label4,  Label8,  Label6,
            Frame1,  Frame2, Option1, Option3, Option4, Option2};
}

void formain::setTargetsBackground(ColourValue colour) {
    for (QWidget* target : colourTargets())
        setControlBackground(*target, colour);
}

void formain::setTargetsForeground(ColourValue colour) {
    for (QWidget* target : colourTargets())
        setControlForeground(*target, colour);
}

void formain::vbBlack1_Click() {
    setTargetsBackground(kBlack);
}
void formain::vbBlue1_Click() {
    setTargetsBackground(kBlue);
}
void formain::vbCyan1_Click() {
    setTargetsBackground(kCyan);
}
void formain::vbGreen1_Click() {
    setTargetsBackground(kGreen);
}
void formain::vbMagneta1_Click() {
    setTargetsBackground(kMagenta);
}
void formain::vbRed1_Click() {
    setTargetsBackground(kRed);
}
void formain::vbWhite1_Click() {
    setTargetsBackground(kWhite);
}
void formain::vbYellow1_Click() {
    setTargetsBackground(kYellow);
}

void formain::vbBlack_Click() {
    setTargetsForeground(kBlack);
}
void formain::vbBlue_Click() {
    setTargetsForeground(kBlue);
}
void formain::vbCyan_Click() {
    setTargetsForeground(kCyan);
}
void formain::vbGreen_Click() {
    setTargetsForeground(kGreen);
}
void formain::vbMagneta_Click() {
    setTargetsForeground(kMagenta);
}
void formain::vbRed_Click() {
    setTargetsForeground(kRed);
}
void formain::vbWhite_Click() {
    setTargetsForeground(kWhite);
}
void formain::vbYellow_Click() {
    setTargetsForeground(kYellow);
}
