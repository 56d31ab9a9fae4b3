#include "common/CommandLine.h"

namespace osk {

namespace {

constexpr const char* kUsage = " (usage: osk-graphs [--] [LOG.csv])";

CommandLine refused(const std::string& why) {
    return CommandLine{std::nullopt, "osk-graphs: " + why + kUsage};
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool options = true;
    for (const std::string& argument : arguments) {
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if (options && !argument.empty() && argument.front() == '-')
            return refused("unknown option '" + argument + "'");
        if (argument.empty())
            return refused("the log file name is empty");
        if (line.logFile)
            return refused("only one log file can be opened, got '" + *line.logFile + "' and '" +
                           argument + "'");
        line.logFile = argument;
    }
    return line;
}

} // namespace osk
