// A settings folder that can never be written (its path runs through a regular file): the
// default settings cannot be stored, so the first-start message would come at every start.
#include "gui/app/ProgramFixture.h"

#include <gmock/gmock.h>

#include <fstream>

namespace osk::test {
namespace {

// The messages of one start of the program, with its own state as a separate run has.
std::vector<std::string> messagesOfAStart(const std::filesystem::path& programFolder) {
    QtSettingsStore settings;
    ScriptedDialogs dialogs;
    FixedClock clock;
    ProgramServices services{settings, dialogs, clock, programFolder};
    ProgramState state;
    const std::unique_ptr<frmMain> window = StartProgram(state, services, true, std::nullopt);
    EXPECT_NE(window, nullptr);
    return dialogs.messages();
}

TEST(RobustSettings, AStoreThatKeepsNothingSaysSoWithTheDefaultsMessage) {
#ifdef _WIN32
    GTEST_SKIP() << "the settings are registry keys on Windows, not files in a folder";
#endif
    const SettingsFolder folder;
    const std::filesystem::path file = folder.path() / "not-a-folder";
    std::ofstream(file) << "x";
    const QString unwritable = QString::fromStdString((file / "config").string());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, unwritable);

    for (int start = 1; start <= 2; ++start) {
        const std::vector<std::string> messages = messagesOfAStart(folder.path());
        const auto defaults =
            std::find_if(messages.begin(), messages.end(), [](const std::string& m) {
                return m.starts_with("Default settings are used");
            });
        EXPECT_THAT(defaults == messages.end() ? "(none)" : *defaults,
                    ::testing::HasSubstr("cannot be stored"))
            << "start " << start;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.path().string()));
}

} // namespace
} // namespace osk::test
