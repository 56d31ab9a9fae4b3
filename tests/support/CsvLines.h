// The lines of a CSV text, each of which must end in CR LF.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace osk::test {

inline std::vector<std::string> csvLines(const std::string& csv) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(csv.substr(start, end - start));
    EXPECT_EQ(start, csv.size()) << "the last line must end in CRLF";
    return out;
}

} // namespace osk::test
