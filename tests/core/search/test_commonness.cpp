#include "core/search/commonness.h"
#include "support/commonness_index.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Levels = std::vector<std::uint8_t>;
constexpr std::uint8_t kUnknown = tovrel::Commonness::kUnknown;

Levels levelsOf(const tovrel::Commonness& commonness, std::vector<std::string_view> words) {
    Levels levels;
    EXPECT_FALSE(commonness.levels(words, levels));
    return levels;
}

struct FileCase {
    const char* name;
    std::string content;
    std::vector<std::string_view> words;
    Levels levels;
};

void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.name;
}

const FileCase kFiles[] = {
    {"levels_in_rising_order", "level 10\nplease\nlevel 35\nelapse\n", {"please", "elapse"}, {10, 35}},
    {"unknown_word_is_rarest", "level 10\nplease\n", {"sapele"}, {kUnknown}},
    {"case_counts", "level 35\ncolt\nlevel 50\nColt\n", {"Colt", "colt", "COLT"}, {50, 35, kUnknown}},
    {"listed_twice_the_commoner_counts", "level 70\nat\nlevel 10\nat\n", {"at"}, {10}},
    {"word_asked_twice", "level 20\nact\n", {"act", "act"}, {20, 20}},
    {"comments_and_empty_lines",
     "# levels\n\nlevel 10\n# at is common\nat\n\n",
     {"at", "# at is common"},
     {10, kUnknown}},
    {"carriage_returns", "level 10\r\nat\r\n", {"at"}, {10}},
    {"no_final_line_end", "level 10\nat", {"at"}, {10}},
    {"latin1_word",
     "level 50\nn\xE9"
     "e\n",
     {"n\xE9"
      "e"},
     {50}},
    {"word_like_a_level_line", "level 10\nlevel\nlevels\n", {"level", "levels"}, {10, 10}},
    {"empty_file", "", {"at"}, {kUnknown}},
};

class CommonnessFiles : public testing::TestWithParam<FileCase> {};

TEST_P(CommonnessFiles, GiveEachWordItsLevel) {
    tovrel::Commonness commonness;
    ASSERT_FALSE(commonness.loadText(GetParam().content, "fixture"));
    EXPECT_EQ(levelsOf(commonness, GetParam().words), GetParam().levels);
}

TEST_P(CommonnessFiles, ReadAlikeFromTheirIndexFile) {
    ScratchFolder folder;
    tovrel::Commonness commonness;
    ASSERT_FALSE(commonness.load(folder.write("commonness.index", commonnessIndex(GetParam().content))));
    EXPECT_EQ(levelsOf(commonness, GetParam().words), GetParam().levels);
}

INSTANTIATE_TEST_SUITE_P(Files, CommonnessFiles, testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.name); });

struct Fault {
    const char* name;
    std::string content;
    std::string reason;
};

void PrintTo(const Fault& c, std::ostream* out) {
    *out << c.name;
}

std::string manyLevels() {
    std::string content;
    for (int level = 0; level <= 32; ++level)
        content += "level " + std::to_string(level) + "\nw" + std::to_string(level) + "\n";
    return content;
}

const Fault kFaults[] = {
    {"word_before_any_level", "# top\nat\nlevel 10\n",
     "fixture: line 2: a word before the first \"level\" line"},
    {"level_not_a_number", "level ten\nat\n", "fixture: line 1: a level is a number from 0 to 254"},
    {"level_too_high", "level 255\nat\n", "fixture: line 1: a level is a number from 0 to 254"},
    {"level_without_number", "level \nat\n", "fixture: line 1: a level is a number from 0 to 254"},
    {"more_than_32_levels", manyLevels(), "fixture: it holds more than 32 levels"},
    {"word_too_long", "level 10\n" + std::string(256, 'a') + "\n",
     "fixture: line 2: a word is at most 255 bytes"},
};

class CommonnessFaults : public testing::TestWithParam<Fault> {};

TEST_P(CommonnessFaults, AreNamedAndLeaveNoWordKnown) {
    tovrel::Commonness commonness;
    ASSERT_FALSE(commonness.loadText("level 10\nat\n", "fixture"));
    const std::optional<tovrel::FileError> error = commonness.loadText(GetParam().content, "fixture");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), GetParam().reason);
    EXPECT_EQ(levelsOf(commonness, {"at"}), Levels{kUnknown});
}

INSTANTIATE_TEST_SUITE_P(Faults, CommonnessFaults, testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// An index is told by its header when it is mapped; damage beyond the header
// is found where a word is looked up, and never read past the file's end.
struct IndexFault {
    const char* name;
    std::function<void(std::string&)> damage;
    const char* loadReason;   // or null when it loads
    const char* levelsReason; // once loaded
};

void PrintTo(const IndexFault& c, std::ostream* out) {
    *out << c.name;
}

constexpr std::size_t kFirstBucketEnd = 12; // after the magic and the bits of the bucket count

const IndexFault kIndexFaults[] = {
    {"text_not_index", [](std::string& index) { index = "level 10\nat\n"; }, "it is not a commonness index",
     nullptr},
    {"empty", [](std::string& index) { index.clear(); }, "it is not a commonness index", nullptr},
    {"cut_among_bucket_ends", [](std::string& index) { index.resize(kFirstBucketEnd + 8); },
     "it is not a commonness index", nullptr},
    {"too_many_buckets", [](std::string& index) { index[8] = 40; }, "it is not a commonness index", nullptr},
    {"buckets_end_beyond_the_file",
     [](std::string& index) {
         std::fill(index.begin() + kFirstBucketEnd, index.begin() + kFirstBucketEnd + 4 * 16, '\xFF');
     },
     nullptr, "it is damaged"},
    {"word_runs_beyond_its_bucket", [](std::string& index) { index[index.size() - 3] = '\xC8'; }, nullptr,
     "it is damaged"},
};

class CommonnessIndexFaults : public testing::TestWithParam<IndexFault> {};

TEST_P(CommonnessIndexFaults, AreNamed) {
    ScratchFolder folder;
    std::string index = commonnessIndex("level 10\nat\n");
    GetParam().damage(index);
    const std::string path = folder.write("commonness.index", index);
    tovrel::Commonness commonness;
    const std::optional<tovrel::FileError> loadError = commonness.load(path);
    if (GetParam().loadReason) {
        ASSERT_TRUE(loadError);
        EXPECT_EQ(loadError->message(), path + ": " + GetParam().loadReason);
        EXPECT_EQ(levelsOf(commonness, {"at"}), Levels{kUnknown});
        return;
    }
    ASSERT_FALSE(loadError);
    Levels levels;
    const std::optional<tovrel::FileError> error = commonness.levels({"at", "to"}, levels);
    if (GetParam().levelsReason) {
        ASSERT_TRUE(error);
        EXPECT_EQ(error->message(), path + ": " + GetParam().levelsReason);
        EXPECT_EQ(levels, (Levels{kUnknown, kUnknown}));
    } else {
        EXPECT_FALSE(error);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, CommonnessIndexFaults, testing::ValuesIn(kIndexFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// What stands where the index should, when it is none: named at once, and
// a pipe is never waited on.
struct NotAFile {
    const char* name;
    std::function<std::string(const ScratchFolder&)> make; // gives the path
    const char* reason;
};

void PrintTo(const NotAFile& c, std::ostream* out) {
    *out << c.name;
}

const NotAFile kNotFiles[] = {
    {"missing", [](const ScratchFolder& folder) { return folder.file("none.index"); },
     "No such file or directory"},
    {"folder",
     [](const ScratchFolder& folder) {
         ::mkdir(folder.file("dir").c_str(), 0755);
         return folder.file("dir");
     },
     "it is a folder, not a file"},
    {"pipe",
     [](const ScratchFolder& folder) {
         ::mkfifo(folder.file("pipe").c_str(), 0644);
         return folder.file("pipe");
     },
     "it is not a regular file"},
    {"device", [](const ScratchFolder&) { return std::string("/dev/zero"); }, "it is not a regular file"},
    {"too_large",
     [](const ScratchFolder& folder) {
         const std::string path = folder.write("huge.index", "");
         EXPECT_EQ(::truncate(path.c_str(), off_t{1} << 30), 0); // sparse: takes no room
         return path;
     },
     "it is too large to be a commonness index"},
};

class CommonnessNotFiles : public testing::TestWithParam<NotAFile> {};

TEST_P(CommonnessNotFiles, AreNamed) {
    ScratchFolder folder;
    const std::string path = GetParam().make(folder);
    tovrel::Commonness commonness;
    const std::optional<tovrel::FileError> error = commonness.load(path);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), path + ": " + GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Paths, CommonnessNotFiles, testing::ValuesIn(kNotFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommonnessFile, ShippedFileKnowsEveryWordOfTheList) {
    tovrel::Commonness commonness;
    ASSERT_FALSE(commonness.load(TOVREL_COMMONNESS_INDEX));
    EXPECT_EQ(levelsOf(commonness, {"please", "elapse", "sapele", "colt", "Colt", "Tovrel"}),
              (Levels{10, 35, 70, 35, 50, kUnknown}));
}

} // namespace
