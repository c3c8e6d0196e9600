#pragma once

#include <map>
#include <string_view>

class QObject;

// The controls and menu items of a window as built, by the names of their rows.
using BuiltControls = std::map<std::string_view, QObject*>;
