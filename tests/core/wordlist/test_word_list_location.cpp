#include "core/wordlist/word_list.h"
#include "core/wordlist/word_list_location.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct LayoutCase {
    const char* name;
    bool besideProgram;  // prefix/bin/dictionary.txt
    bool inDataFolder;   // prefix/share/tovrel2/dictionary.txt
    const char* shipped; // the list found, under the prefix
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.name;
}

const LayoutCase kLayouts[] = {
    {"build_folder_list_beside_the_program", true, false, "bin/dictionary.txt"},
    {"install_list_in_the_data_folder", false, true, "share/tovrel2/dictionary.txt"},
    {"the_list_beside_the_program_comes_first", true, true, "bin/dictionary.txt"},
    {"no_list_names_the_one_beside_the_program", false, false, "bin/dictionary.txt"},
};

class Layout : public testing::TestWithParam<LayoutCase> {};

// Where the user may write the list (the tests run as root, and the scratch
// folder lies outside /usr), it takes the added words itself.
TEST_P(Layout, FindsTheListAndAddsToItWhereItMayBeWritten) {
    ScratchFolder prefix;
    ASSERT_EQ(::mkdir(prefix.file("bin").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(prefix.file("share").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(prefix.file("share/tovrel2").c_str(), 0755), 0);
    if (GetParam().besideProgram)
        prefix.write("bin/dictionary.txt", "asleep\r\n");
    if (GetParam().inDataFolder)
        prefix.write("share/tovrel2/dictionary.txt", "asleep\r\n");

    const tovrel::WordList list =
        tovrel::locateWordList(prefix.file("bin"), prefix.file("home/.local/share"));
    EXPECT_EQ(list.shippedPath(), prefix.file(GetParam().shipped));
    EXPECT_EQ(list.appendPath(), list.shippedPath());
}

INSTANTIATE_TEST_SUITE_P(WordListLocation, Layout, testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

// Whatever the permissions say, and for root too, the program never writes
// under /usr: the words go to the user's own file, read after the list.
TEST(WordListLocation, AListUnderUsrTakesNoWords) {
    const tovrel::WordList list = tovrel::locateWordList("/usr/bin", "/home/ann/.local/share");
    EXPECT_EQ(list.appendPath(), "/home/ann/.local/share/tovrel2/added-words.txt");
    EXPECT_EQ(list.shippedPath().rfind("/usr/", 0), 0u) << list.shippedPath();
}

struct DataFolderCase {
    const char* name;
    const char* xdgDataHome;
    const char* home;
    std::string folder;
};

void PrintTo(const DataFolderCase& c, std::ostream* out) {
    *out << c.name;
}

const DataFolderCase kDataFolders[] = {
    {"xdg_data_home_when_set", "/data/ann", "/home/ann", "/data/ann"},
    {"home_when_unset", nullptr, "/home/ann", "/home/ann/.local/share"},
    {"home_when_empty", "", "/home/ann", "/home/ann/.local/share"},
    {"a_relative_xdg_data_home_is_ignored", "data", "/home/ann", "/home/ann/.local/share"},
    {"none_without_a_home", nullptr, nullptr, ""},
    {"none_with_an_empty_home", nullptr, "", ""},
};

class DataFolder : public testing::TestWithParam<DataFolderCase> {};

TEST_P(DataFolder, FollowsTheXdgBaseDirectories) {
    EXPECT_EQ(tovrel::userDataFolder(GetParam().xdgDataHome, GetParam().home), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(WordListLocation, DataFolder, testing::ValuesIn(kDataFolders),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
