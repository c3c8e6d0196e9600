#pragma once

#include <string>

namespace tovrel {

class WordList;

// The folder for the user's own data files: $XDG_DATA_HOME when it is an
// absolute path, else .local/share in the home folder; empty with neither.
std::string userDataFolder(const char* xdgDataHome, const char* home);

// The word list of a program in `programFolder`: dictionary.txt beside the
// program, else in ../share/tovrel2/ (a system or per-user install). Words are
// added to that list when the user may write it and it lies outside /usr,
// where only the package manager writes; otherwise to tovrel2/added-words.txt
// in `dataFolder`, which is then read after the list.
WordList locateWordList(const std::string& programFolder, const std::string& dataFolder);

// The same for the running program and the user running it.
WordList locateWordList();

} // namespace tovrel
