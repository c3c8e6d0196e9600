#pragma once

#include <vector>

// One item of a window's menu bar. The items stand in the order of the menus,
// each nested one level deeper than the item whose submenu it belongs to; an
// ampersand in a caption marks the next letter as the item's access key.
struct MenuDefinition {
    const char* name;
    const char* caption;
    int level; // 0 on the menu bar, 1 in a menu of the bar, 2 in a submenu of that
};

using MenuTable = std::vector<MenuDefinition>;
