#pragma once

#include <string>

// The Help window's text: the user guide, in 8-bit text, each line ending in CR LF.
const std::string& helpText();
