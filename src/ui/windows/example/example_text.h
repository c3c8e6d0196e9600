#pragma once

#include <string>

// The Example window's text: the results of the four search modes for the
// word "ealpes", 44 lines in 8-bit text, each ending in CR LF.
const std::string& exampleText();
