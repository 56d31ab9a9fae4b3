// Parameterised cases that carry their own name (a "name" member): gtest shows it for the
// case, and the suite names its instances by it.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

namespace osk::test {

// Put beside a case type that has a "name": gtest prints the case by it.
#define OSK_PRINTS_ITS_NAME(Case)                                                                  \
    inline void PrintTo(const Case& c, std::ostream* os) {                                         \
        *os << c.name;                                                                             \
    }

// For INSTANTIATE_TEST_SUITE_P: the case's name with everything but letters and digits as "_".
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    }
};

} // namespace osk::test
