#pragma once

#include "core/search/commonness.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// The commonness index of a fixture's text, as the build makes the shipped one.
inline std::string commonnessIndex(std::string_view text) {
    std::string index;
    const std::optional<tovrel::FileError> fault = tovrel::Commonness::indexOf(text, "fixture", index);
    EXPECT_FALSE(fault) << fault->message();
    return index;
}
