#pragma once

#include "support/scratch_folder.h"

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

// What a program run to its end left: its exit status (128 + the signal's
// number when a signal ended it), standard output and standard error.
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program with the arguments, standard input from `input`, and
// standard output into `outputPath` (by default a file that is read back).
inline ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& input = "", const std::string& outputPath = "") {
    ScratchFolder folder;
    const std::string in = folder.write("in", input);
    const std::string out = outputPath.empty() ? folder.file("out") : outputPath;
    const std::string err = folder.file("err");
    std::vector<std::string> storage = arguments;
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (std::string& argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ProgramRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    if (outputPath.empty())
        run.out = ScratchFolder::read(out);
    run.err = ScratchFolder::read(err);
    return run;
}
