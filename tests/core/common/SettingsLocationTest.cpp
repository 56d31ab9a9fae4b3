#include "common/SettingsLocation.h"
#include "common/SettingsStore.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

struct LocationCase {
    const char* path;
    SettingsLocation registry;
    SettingsLocation files;
};

class SettingsLocationOf : public ::testing::TestWithParam<LocationCase> {};

TEST_P(SettingsLocationOf, BothPlatforms) {
    const LocationCase& p = GetParam();
    EXPECT_EQ(locateSetting(p.path, SettingsPlatform::Registry), p.registry);
    EXPECT_EQ(locateSetting(p.path, SettingsPlatform::Files), p.files);
}

INSTANTIATE_TEST_SUITE_P(
    ServedPaths, SettingsLocationOf,
    ::testing::Values(LocationCase{settings::kColor,
                                   {"HKEY_CURRENT_USER\\Software\\Graphs", "", "Color"},
                                   {"Software", "Graphs", "Color"}},
                      LocationCase{settings::kDataDir,
                                   {"HKEY_CURRENT_USER\\Software\\Remote", "", "DataDir"},
                                   {"Software", "Remote", "DataDir"}},
                      // The hive's name in any letter case; the other components keep theirs.
                      LocationCase{"hkcu\\software\\Graphs\\Realtime",
                                   {"HKEY_CURRENT_USER\\software\\Graphs", "", "Realtime"},
                                   {"software", "Graphs", "Realtime"}},
                      // Deeper keys: the registry key grows, the file key gets groups.
                      LocationCase{"HKCU\\Software\\Graphs\\Window\\Size",
                                   {"HKEY_CURRENT_USER\\Software\\Graphs\\Window", "", "Size"},
                                   {"Software", "Graphs", "Window/Size"}},
                      // Only the organisation and application become folder and file names.
                      LocationCase{"HKCU\\Software\\Graphs\\a/b",
                                   {"HKEY_CURRENT_USER\\Software\\Graphs", "", "a/b"},
                                   {"Software", "Graphs", "a/b"}}));

class UnservedSettingsPath : public ::testing::TestWithParam<const char*> {};

TEST_P(UnservedSettingsPath, HasNoLocationOnEitherPlatform) {
    EXPECT_EQ(locateSetting(GetParam(), SettingsPlatform::Registry), std::nullopt);
    EXPECT_EQ(locateSetting(GetParam(), SettingsPlatform::Files), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    InvalidPaths, UnservedSettingsPath,
    ::testing::Values("", "HKCU", "HKCU\\Software\\Graphs", "HKLM\\Software\\Graphs\\Color",
                      "HKCUX\\Software\\Graphs\\Color", "Software\\Graphs\\Color\\x",
                      "HKCU\\\\Software\\Graphs\\Color", "HKCU\\Software\\Graphs\\Color\\",
                      "HKCU\\Software\\Graphs\\\\Color", "HKCU\\Soft/ware\\Graphs\\Color",
                      "HKCU\\Software\\..\\Color", "HKCU\\.\\Graphs\\Color",
                      "HKCU/Software/Graphs/Color"));

} // namespace
} // namespace osk
