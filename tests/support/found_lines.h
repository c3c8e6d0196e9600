#pragma once

#include "core/search/found.h"

#include <cstddef>
#include <string>
#include <vector>

// Keeps the lines a search hands out, each as tovrel2-find prints it: words
// separated by a blank, a grouped word's entries by "/". Asks the search to
// stop after `stopAfter` lines.
class FoundLines : public tovrel::FoundSink {
public:
    explicit FoundLines(std::size_t stopAfter = static_cast<std::size_t>(-1)) : stopAfter_(stopAfter) {}

    bool add(const tovrel::FoundWord* words, std::size_t count) override {
        std::string line;
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0)
                line += ' ';
            for (std::size_t j = 0; j < words[i].count; ++j)
                line.append(j > 0 ? "/" : "").append(words[i].entries[j]);
        }
        lines.push_back(line);
        return lines.size() < stopAfter_;
    }

    std::vector<std::string> lines;

private:
    std::size_t stopAfter_;
};
