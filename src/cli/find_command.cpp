#include "cli/find_command.h"

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/find_mode.h"
#include "cli/output.h"

#include <unistd.h>

namespace tovrel::cli {
namespace {

void writeToStandardError(const std::string& text) {
    std::string_view rest = text;
    while (!rest.empty()) {
        const ssize_t wrote = ::write(STDERR_FILENO, rest.data(), rest.size());
        if (wrote <= 0)
            return; // nowhere left to say it
        rest.remove_prefix(static_cast<std::size_t>(wrote));
    }
}

void complain(const std::string& message) {
    writeToStandardError("tovrel2-find: " + message + "\n");
}

// The status, after a last check that everything reached standard output.
int ended(Output& out, int status) {
    if (out.flush())
        return status;
    complain("write error: " + out.reason());
    return kTrouble;
}

} // namespace

int runFindCommand(const std::vector<std::string>& arguments, const WordList& defaultList) {
    Output out(STDOUT_FILENO);
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.mistake.empty()) {
        complain(parsed.mistake);
        writeToStandardError("Try 'tovrel2-find --help'.\n");
        return kTrouble;
    }
    const Invocation& invocation = parsed.invocation;
    if (invocation.help) {
        out.write(usageText());
        return ended(out, kMatched);
    }
    if (invocation.version) {
        out.write("tovrel2-find " TOVREL_VERSION "\n");
        return ended(out, kMatched);
    }
    CommandContext context{out, defaultList, complain};
    return ended(out, invocation.mode->run(invocation, context));
}

} // namespace tovrel::cli
