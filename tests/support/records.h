#pragma once

#include "core/wordlist/record_reader.h"

#include <string>
#include <vector>

using Records = std::vector<std::string>;

// Every record left, one next() at a time.
inline Records readEachRecord(tovrel::RecordReader& reader) {
    Records records;
    while (!reader.atEnd())
        records.emplace_back(reader.next());
    return records;
}

// Every record left, through the fast whole pass that the searches use.
inline Records readWholePass(tovrel::RecordReader& reader) {
    Records records;
    reader.forEachRecord([&](std::string_view record) { records.emplace_back(record); });
    return records;
}

// The records of the file at `path`, or none when it cannot be opened.
inline Records recordsOf(const std::string& path) {
    tovrel::RecordReader reader;
    if (reader.open(path))
        return {};
    return readEachRecord(reader);
}
