#pragma once

#include "ui/framework/built_controls.h"

struct WindowDefinition;

// Makes Qt report each window whose class derives from QWidget itself as a
// frame, or as a dialog when it has a dialog's frame, named by its title, the
// way it reports a QMainWindow or a QDialog; without this such a window is an
// anonymous filler to screen readers. Once is enough, more do no harm.
void registerWindowAccessible();

// Gives the built controls what screen readers call them where they have no
// caption: the label that describes a control becomes its buddy, which names
// a text box after the label and relates any control to it; a control without
// a label gets the name of the definition.
void nameControls(const BuiltControls& built, const WindowDefinition& definition);
