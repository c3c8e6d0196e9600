#pragma once

#include "ui/framework/control_binding.h"
#include "ui/framework/window_definition.h"

#include <QStringList>

// What does not fit together in a window's definition and the bindings of its
// class, one sentence each; empty when all is well:
// - a name given to two controls or menu items;
// - a control inside a container that is no frame of the window;
// - a tool tip for a control the window does not have, or a second one;
// - a menu item more than one level below the item before it;
// - a label of the labels table that is no label of the window, a control it
//   describes or a name given to a control the window does not have, a
//   control with two labels or names, an empty name;
// - a control that takes the focus with no name for screen readers: no
//   caption, no label and no name;
// - a member bound to a name the definition does not have, a name bound
//   twice, or two names bound to one member;
// - a row of the definition bound to no member;
// - a member of a class that the row's control is not (a submenu is a QMenu,
//   every other menu item a QAction).
QStringList definitionProblems(const WindowDefinition& definition, const ControlBindings& bindings);
