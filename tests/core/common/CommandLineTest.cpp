#include "common/CommandLine.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, AcceptedArgumentsGiveTheLogFile) {
    const std::pair<Args, std::optional<std::string>> cases[] = {
        {{}, std::nullopt},
        {{"--"}, std::nullopt},
        {{"log.csv"}, "log.csv"},
        {{"Metingen-\xC3\xA9t\xC3\xA9.csv"}, "Metingen-\xC3\xA9t\xC3\xA9.csv"},
        // After "--" a name may start with "-", and "--" itself is a name.
        {{"--", "-log.csv"}, "-log.csv"},
        {{"--", "--"}, "--"},
        {{"log.csv", "--"}, "log.csv"}};
    for (const auto& [args, logFile] : cases) {
        const CommandLine line = parseCommandLine(args);
        EXPECT_EQ(std::tie(line.error, line.logFile), std::tuple("", logFile))
            << testing::PrintToString(args);
    }
}

TEST(CommandLine, RefusedArgumentsSayWhyOnOneLine) {
    const std::pair<Args, const char*> cases[] = {
        {{"-x"}, "unknown option '-x'"},
        {{"-"}, "unknown option '-'"},
        {{"log.csv", "--verbose"}, "unknown option '--verbose'"},
        {{"a.csv", "b.csv"}, "only one log file"},
        {{"--", "a.csv", "-b.csv"}, "only one log file"},
        {{""}, "the log file name is empty"}};
    for (const auto& [args, says] : cases) {
        const CommandLine line = parseCommandLine(args);
        const auto has = [&](const auto& part) {
            return line.error.find(part) != std::string::npos;
        };
        EXPECT_TRUE(!line.logFile && has(says) && has("usage: osk-graphs") && !has('\n'))
            << line.error;
    }
}

} // namespace
} // namespace osk
