#pragma once

#include "ui/framework/built_controls.h"
#include "ui/framework/menu_definition.h"

class QMenuBar;

// Fills the menu bar from the table. An item followed by deeper items opens a
// submenu (a QMenu), every other item is an action (a QAction); each carries
// the item's name as its objectName, and is given back under that name.
BuiltControls buildMenuBar(QMenuBar& menuBar, const MenuTable& menus);

// Whether the item at `index` opens a submenu: the item after it lies deeper.
bool opensSubmenu(const MenuTable& menus, std::size_t index);
