#include "common/CommandLine.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

struct AcceptedCase {
    std::vector<std::string> arguments;
    std::optional<std::string> logFile;
};

class AcceptedCommandLine : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedCommandLine, GivesTheLogFile) {
    const CommandLine line = parseCommandLine(GetParam().arguments);
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(line.logFile, GetParam().logFile);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, AcceptedCommandLine,
    ::testing::Values(AcceptedCase{{}, std::nullopt}, AcceptedCase{{"--"}, std::nullopt},
                      AcceptedCase{{"log.csv"}, "log.csv"},
                      AcceptedCase{{"/data/Daglog 2024.csv"}, "/data/Daglog 2024.csv"},
                      AcceptedCase{{"C:\\Data\\log.csv"}, "C:\\Data\\log.csv"},
                      AcceptedCase{{"Metingen-\xC3\xA9t\xC3\xA9.csv"},
                                   "Metingen-\xC3\xA9t\xC3\xA9.csv"},
                      // After "--" a name may start with "-", and "--" itself is a name.
                      AcceptedCase{{"--", "-log.csv"}, "-log.csv"},
                      AcceptedCase{{"--", "--"}, "--"},
                      AcceptedCase{{"log.csv", "--"}, "log.csv"}));

struct RefusedCase {
    std::vector<std::string> arguments;
    const char* says;
};

class RefusedCommandLine : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCommandLine, SaysWhyOnOneLine) {
    const CommandLine line = parseCommandLine(GetParam().arguments);
    EXPECT_EQ(line.logFile, std::nullopt);
    EXPECT_NE(line.error.find(GetParam().says), std::string::npos) << line.error;
    EXPECT_NE(line.error.find("usage: osk-graphs"), std::string::npos) << line.error;
    EXPECT_EQ(line.error.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedCommandLine,
    ::testing::Values(RefusedCase{{"-x"}, "unknown option '-x'"},
                      RefusedCase{{"--help"}, "unknown option '--help'"},
                      RefusedCase{{"-"}, "unknown option '-'"},
                      RefusedCase{{"log.csv", "--verbose"}, "unknown option '--verbose'"},
                      RefusedCase{{"a.csv", "b.csv"}, "only one log file"},
                      RefusedCase{{"a.csv", "--", "b.csv"}, "only one log file"},
                      RefusedCase{{"--", "a.csv", "-b.csv"}, "only one log file"},
                      RefusedCase{{""}, "the log file name is empty"}));

} // namespace
} // namespace osk
