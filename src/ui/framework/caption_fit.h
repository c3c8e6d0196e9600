#pragma once

class QWidget;

// Condenses the caption of a label, button, option button or frame with
// QFont::setStretch just enough to fit its box, where the installed
// look-alike of its face is wider than the face it stands for. The box
// never changes. Other controls are left as they are.
void condenseCaptionToFit(QWidget& control);
