// The ranking on the list and commonness file the program ships with: the one
// test that reads them, as what it checks is what they hold together.

#include "cli/find_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    std::sort(words.begin(), words.end());
    return words;
}

// "old west action" (in some order of its words) comes before every result of
// three words that needs a word outside the two commonest levels.
TEST(ShippedRanking, OldWestActionBeforeRarerResults) {
    // The text the index beside the program is made from.
    const std::string file = ScratchFolder::read(TOVREL_COMMONNESS);
    std::map<std::string, int> levels;
    std::set<int> known;
    std::istringstream lines(file);
    int level = -1;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("level ", 0) == 0)
            known.insert(level = std::stoi(line.substr(6)));
        else if (!levels.count(line))
            levels[line] = level;
    }
    ASSERT_GE(known.size(), 2u);
    const std::set<int> commonest = {*known.begin(), *std::next(known.begin())};

    const ProgramRun run = runFind({"phrase", "--max-words", "3", "--min-length", "3", "clint eastwood"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream results(run.out);
    const std::vector<std::string> oldWestAction = wordsOf("old west action");
    std::size_t at = 0, found = 0, rarer = 0;
    std::size_t firstRarer = SIZE_MAX;
    for (std::string line; std::getline(results, line); ++at) {
        const std::vector<std::string> words = wordsOf(line);
        if (words == oldWestAction)
            found = at + 1;
        if (words.size() != 3)
            continue;
        // The results are ASCII: each word is spelt as the file spells it.
        if (std::any_of(words.begin(), words.end(), [&](const std::string& word) {
                const auto it = levels.find(word);
                return it == levels.end() || !commonest.count(it->second);
            })) {
            ++rarer;
            firstRarer = std::min(firstRarer, at);
        }
    }
    ASSERT_GT(found, 0u) << "no \"old west action\"";
    EXPECT_GT(rarer, 0u);
    EXPECT_LT(found - 1, firstRarer);
}

} // namespace
