#include "core/wordlist/word_list_location.h"

#include "core/wordlist/word_list.h"

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tovrel {
namespace {

constexpr char kListName[] = "dictionary.txt";

bool exists(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool underUsr(const std::string& path) {
    return path.rfind("/usr/", 0) == 0;
}

// Whether appending to the list at `path` can work for this user: the file is
// writable, or a missing file can be created in its folder. Also false on a
// read-only medium.
bool mayWrite(const std::string& path) {
    if (exists(path))
        return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
    return ::faccessat(AT_FDCWD, folderOf(path).c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string runningProgramFolder() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    return folderOf(std::string(path, static_cast<std::size_t>(length)));
}

} // namespace

std::string userDataFolder(const char* xdgDataHome, const char* home) {
    // The XDG base directory rules ignore a relative path.
    if (xdgDataHome && xdgDataHome[0] == '/')
        return xdgDataHome;
    if (home && home[0] != '\0')
        return std::string(home) + "/.local/share";
    return {};
}

WordList locateWordList(const std::string& programFolder, const std::string& dataFolder) {
    const std::string beside = programFolder + "/" + kListName;
    // The program folder is a full path without links, so its parent is "..".
    const std::string installed = folderOf(programFolder) + "/share/tovrel2/" + kListName;
    // When neither exists, the list beside the program is the one that is
    // missing, and the one a first added word creates.
    const std::string shipped = !exists(beside) && exists(installed) ? installed : beside;
    if ((!underUsr(shipped) && mayWrite(shipped)) || dataFolder.empty())
        return WordList(shipped);
    return WordList(shipped, dataFolder + "/tovrel2/added-words.txt");
}

WordList locateWordList() {
    const char* home = std::getenv("HOME");
    if (!home || home[0] == '\0') {
        const passwd* entry = ::getpwuid(::geteuid());
        home = entry ? entry->pw_dir : nullptr;
    }
    return locateWordList(runningProgramFolder(), userDataFolder(std::getenv("XDG_DATA_HOME"), home));
}

} // namespace tovrel
