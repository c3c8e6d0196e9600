#pragma once

#include "core/search/found.h"

#include <cstddef>
#include <string>
#include <vector>

// Takes the lines of a search as text, as tovrel2-find prints them (words
// separated by a blank, a grouped word's entries by "/", each line ended by a
// line end), in rooms no larger than asked for, so that a search meets the
// end of many of them. The bytes beyond a room's text are made garbage
// first, so that a search that leaves any in its lines shows.
class FoundText : public tovrel::FoundSink {
public:
    bool add(const tovrel::FoundWord* words, std::size_t count) override {
        for (std::size_t i = 0; i < count; ++i) {
            for (std::size_t j = 0; j < words[i].count; ++j)
                text.append(j > 0 ? "/" : "").append(words[i].entries[j]);
            text += i + 1 < count ? ' ' : '\n';
        }
        return true;
    }
    const tovrel::FoundTextLayout* textLayout() const override { return &layout_; }
    char* textRoom(std::size_t bytes, char*& end) override {
        room_.assign(bytes + tovrel::kFoundTextPadding, '\x7F');
        end = room_.data() + room_.size();
        taken_ = room_.data();
        return room_.data();
    }
    bool textWritten(char* end) override {
        text.append(taken_, static_cast<std::size_t>(end - taken_));
        taken_ = end;
        return true;
    }

    std::string text;

private:
    tovrel::FoundTextLayout layout_{' ', '/', '\n'};
    std::vector<char> room_;
    const char* taken_ = nullptr; // the end of what was taken from the room
};
