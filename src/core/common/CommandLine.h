// The program's command line: at most one log file to open once the main window is up.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace osk {

struct CommandLine {
    // The log to open after the start-up, as given (UTF-8).
    std::optional<std::string> logFile;
    // Not empty when the command line is refused: one line saying why, with the usage.
    std::string error;
};

// arguments are those after the program's name, with the window system's own options already
// taken out. Any other argument starting with "-" is an unknown option, unless it follows "--",
// which ends the options.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

} // namespace osk
