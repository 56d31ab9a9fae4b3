#include "logdata/WholeFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace osk {
namespace {

TEST(WholeFile, BytesComeBackExactly) {
    test::TempDir dir;
    std::string bytes("Record\r\n\0\x1A\xFF\r\n", 13);
    bytes += std::string(3 << 20, 'x'); // more than one read of the usual size
    EXPECT_EQ(readWholeFile(dir.write("a.csv", bytes).string()), bytes);
    EXPECT_EQ(readWholeFile(dir.write("empty.csv", "").string()), std::string());
    EXPECT_FALSE(readWholeFile(""));
}

} // namespace
} // namespace osk
