#pragma once

#include "core/search/found.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

// Keeps the lines a search hands out, each as tovrel2-find prints it: words
// separated by a blank, a grouped word's entries by "/". Asks the search to
// stop after `stopAfter` lines. Reads the padding after each entry, so that
// the sanitizers tell when it is missing.
class FoundLines : public tovrel::FoundSink {
public:
    explicit FoundLines(std::size_t stopAfter = static_cast<std::size_t>(-1)) : stopAfter_(stopAfter) {}

    bool add(const tovrel::FoundWord* words, std::size_t count) override {
        std::string line;
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0)
                line += ' ';
            for (std::size_t j = 0; j < words[i].count; ++j) {
                const std::string_view entry = words[i].entries[j];
                line.append(j > 0 ? "/" : "").append(entry);
                std::memcpy(padding_, entry.data() + entry.size(), sizeof padding_);
            }
        }
        lines.push_back(line);
        return lines.size() < stopAfter_;
    }

    std::vector<std::string> lines;

private:
    std::size_t stopAfter_;
    char padding_[tovrel::kFoundTextPadding];
};
