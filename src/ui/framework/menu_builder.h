#pragma once

#include "ui/framework/menu_definition.h"

class QAction;
class QMenuBar;
class QWidget;

// Fills the menu bar from the table. An item followed by deeper items becomes a
// submenu (a QMenu), every other item an action; both carry the item's name as
// their objectName, so that a window finds its items with menuItem().
void buildMenuBar(QMenuBar& menuBar, const MenuTable& menus);

// The action of the named item: the item itself, or the entry that opens its submenu.
QAction* menuItem(const QWidget& window, const char* name);
