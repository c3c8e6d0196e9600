#include "core/search/search_mode.h"

#include <array>
#include <utility>

namespace tovrel {
namespace {

constexpr std::array<std::pair<SearchMode, std::string_view>, 4> kNames{{
    {SearchMode::Complete, "complete"},
    {SearchMode::Extended, "extended"},
    {SearchMode::Partial, "partial"},
    {SearchMode::ExtendedPartial, "extended-partial"},
}};

} // namespace

std::string_view modeName(SearchMode mode) {
    for (const auto& [each, name] : kNames)
        if (each == mode)
            return name;
    return {};
}

std::optional<SearchMode> modeFromName(std::string_view name) {
    for (const auto& [mode, each] : kNames)
        if (each == name)
            return mode;
    return std::nullopt;
}

} // namespace tovrel
