// The plain way to anagram a phrase into up to three words, to hold the core's
// phrase search against: every word of the list whose letters fit the phrase,
// then every pair of them, each pair's remainder looked up as a third word by
// its packed letter counts. Unranked, in the order found, one result a line.
//
//   tovrel_phrase_baseline [--dictionary PATH] [--max-words 1-3] [--min-length N] PHRASE
#include "core/search/count_layout.h"
#include "core/search/letter_map.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace {

using Counts = tovrel::CountLayout::Counts;

struct Word {
    std::string text;
    Counts letters;
};

struct CountsHash {
    std::size_t operator()(const Counts& counts) const {
        std::size_t hash = 0;
        for (const std::uint64_t word : counts)
            hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
        return hash;
    }
};

std::string besideProgram(const char* name) {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    const std::string program(path, length > 0 ? static_cast<std::size_t>(length) : 0);
    return program.substr(0, program.rfind('/') + 1) + name;
}

} // namespace

int main(int argc, char** argv) {
    std::string dictionary = besideProgram("dictionary.txt");
    std::size_t maxWords = 3, minLength = 2;
    std::string phrase;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--dictionary" && i + 1 < argc)
            dictionary = argv[++i];
        else if (argument == "--max-words" && i + 1 < argc)
            maxWords = std::strtoul(argv[++i], nullptr, 10);
        else if (argument == "--min-length" && i + 1 < argc)
            minLength = std::strtoul(argv[++i], nullptr, 10);
        else
            phrase = argument;
    }
    std::u32string letters;
    for (const char c : phrase)
        if (c != ' ')
            letters += static_cast<char32_t>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    if (letters.empty() || maxWords < 1 || maxWords > 3) {
        std::fprintf(stderr, "usage: tovrel_phrase_baseline [--max-words 1-3] [--min-length N] PHRASE\n");
        return 2;
    }
    const tovrel::LetterMap map = *tovrel::LetterMap::make(letters, tovrel::CharacterRules());
    std::vector<std::uint32_t> counts(map.size(), 0);
    for (const char32_t c : letters)
        ++counts[map.codeOf(c)];
    const tovrel::CountLayout layout = *tovrel::CountLayout::forPhrase(counts);
    const Counts whole = layout.pack(counts);
    const Counts& guards = layout.guards();

    std::vector<Word> fitting;
    tovrel::RecordReader list;
    if (list.open(dictionary))
        return 2;
    list.forEachRecord([&](std::string_view record) {
        Counts key{};
        std::size_t length = 0;
        for (const char c : record) {
            const std::uint8_t code = map[static_cast<unsigned char>(c)];
            if (code == tovrel::LetterMap::kNoLetter)
                continue;
            if (code == tovrel::LetterMap::kOtherLetter || !layout.addOne(key, code))
                return;
            ++length;
        }
        if (length >= minLength && tovrel::CountLayout::fits(key, whole, guards))
            fitting.push_back({std::string(record), key});
    });
    std::unordered_map<Counts, std::vector<std::size_t>, CountsHash> byLetters;
    for (std::size_t i = 0; i < fitting.size(); ++i)
        byLetters[fitting[i].letters].push_back(i);

    // Printed plainly: a line made in a string, the lines written a block at a time.
    std::string out;
    std::size_t found = 0;
    bool written = true;
    auto flush = [&] {
        written = written && std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
        out.clear();
    };
    std::string line;
    auto print = [&](std::initializer_list<std::size_t> words) {
        line.clear();
        for (const std::size_t i : words) {
            if (!line.empty())
                line += ' ';
            tovrel::appendLatin1AsUtf8(fitting[i].text, line);
        }
        out += line;
        out += '\n';
        if (out.size() >= (std::size_t{1} << 17))
            flush();
        ++found;
    };
    const Counts none{};
    for (std::size_t i = 0; i < fitting.size(); ++i) {
        if (fitting[i].letters == whole) {
            print({i});
            continue;
        }
        if (maxWords < 2)
            continue;
        const Counts afterOne = tovrel::CountLayout::minus(whole, fitting[i].letters, guards);
        for (std::size_t j = i; j < fitting.size(); ++j) {
            if (!tovrel::CountLayout::fits(fitting[j].letters, afterOne, guards))
                continue;
            const Counts afterTwo = tovrel::CountLayout::minus(afterOne, fitting[j].letters, guards);
            if (afterTwo == none) {
                print({i, j});
                continue;
            }
            if (maxWords < 3)
                continue;
            const auto third = byLetters.find(afterTwo);
            if (third == byLetters.end())
                continue;
            for (const std::size_t k : third->second)
                if (k >= j)
                    print({i, j, k});
        }
    }
    flush();
    if (!written || std::fflush(stdout) != 0)
        return 2;
    return found > 0 ? 0 : 1;
}
