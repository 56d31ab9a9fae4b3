#include "common/SettingsLocation.h"
#include "common/SettingsStore.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

TEST(SettingsLocation, ServedPathsOnBothPlatforms) {
    const std::string hk = "HKEY_CURRENT_USER\\";
    // clang-format off
    const struct {
        const char* path;
        SettingsLocation registry, files;
    } cases[] = {
        {settings::kColor, {hk + "Software\\Graphs", "", "Color"}, {"Software", "Graphs", "Color"}},
        {settings::kDataDir, {hk + "Software\\Remote", "", "DataDir"},
         {"Software", "Remote", "DataDir"}},
        // The hive's name in any letter case; the other components keep theirs.
        {"hkcu\\software\\Graphs\\Realtime", {hk + "software\\Graphs", "", "Realtime"},
         {"software", "Graphs", "Realtime"}},
        // Deeper keys: the registry key grows, the file key gets groups.
        {"HKCU\\Software\\Graphs\\Window\\Size", {hk + "Software\\Graphs\\Window", "", "Size"},
         {"Software", "Graphs", "Window/Size"}},
        // Only the organisation and application become folder and file names.
        {"HKCU\\Software\\Graphs\\a/b", {hk + "Software\\Graphs", "", "a/b"},
         {"Software", "Graphs", "a/b"}}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(locateSetting(c.path, SettingsPlatform::Registry), c.registry) << c.path;
        EXPECT_EQ(locateSetting(c.path, SettingsPlatform::Files), c.files) << c.path;
    }
}

TEST(SettingsLocation, UnservedPathsHaveNoLocationOnEitherPlatform) {
    for (const char* path : {"", "HKCU\\Software\\Graphs", "HKLM\\Software\\Graphs\\Color",
                             "HKCUX\\Software\\Graphs\\Color", "HKCU\\Software\\Graphs\\Color\\",
                             "HKCU\\Software\\Graphs\\\\Color", "HKCU\\Soft/ware\\Graphs\\Color",
                             "HKCU\\Software\\..\\Color", "HKCU/Software/Graphs/Color",
                             "HKCU\\.\\Graphs\\Color", "Software\\Graphs\\Color\\x"}) {
        EXPECT_FALSE(locateSetting(path, SettingsPlatform::Registry) ||
                     locateSetting(path, SettingsPlatform::Files))
            << path;
    }
}

} // namespace
} // namespace osk
