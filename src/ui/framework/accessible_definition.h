#pragma once

#include <vector>

// A label that describes a control of its window. Screen readers name a text box
// after its label and read any control with the label that describes it.
struct LabelDefinition {
    const char* label;
    const char* control;
};

// The words screen readers name a control by where it has neither a caption nor
// a label: what a picture shows, what a text box holds.
struct AccessibleNameDefinition {
    const char* control;
    const char* name;
};

using LabelTable = std::vector<LabelDefinition>;
using AccessibleNameTable = std::vector<AccessibleNameDefinition>;
