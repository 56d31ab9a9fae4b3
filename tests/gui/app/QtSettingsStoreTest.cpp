
#include "gui/app/ProgramFixture.h"

namespace osk {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
protected:
    // The value as QSettings finds it where the store is documented to keep it: in the file
    // Software/<application>.conf, or on Windows under HKEY_CURRENT_USER\Software\<application>.
    std::optional<std::string> inFile(const char* file, const char* key) const {
#ifdef _WIN32
        QString where = QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromLatin1(file);
        where.chop(5); // ".conf"
        QSettings ini(where.replace(QLatin1Char('/'), QLatin1Char('\\')), QSettings::NativeFormat);
#else
        QSettings ini(QString::fromStdString((folder.path() / file).string()),
                      QSettings::IniFormat);
#endif
        const QVariant v = ini.value(QString::fromUtf8(key));
        return v.isValid() ? std::optional(v.toString().toStdString()) : std::nullopt;
    }

    bool writeFromAnotherProcess(const char* path, const char* value) const {
        const test::ProcessResult r = test::runProcess(QStringLiteral(OSK_SETTINGS_WRITER),
                                                       {path, value}, folder.environment());
        return r.finished && r.exitCode == 0;
    }

    test::SettingsFolder folder;
    QtSettingsStore store;
};

TEST_F(QtSettingsStoreTest,
       AMissingValueReadsEmptyAndCreatesNothingAndValuesLiveInOneFilePerApplication) {
    for (const char* path : {settings::kColor, settings::kDataDir, "HKCU\\Software\\Graphs\\A\\B"})
        EXPECT_EQ(store.RegRead(path), "") << path;
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    store.RegWrite(settings::kColor, "True");
    store.RegWrite(settings::kDataDir, "C:\\Program Files\\OSKRemote");
    store.RegWrite("HKCU\\Software\\Graphs\\Window\\Left", "12");
    store.RegWrite(settings::kRealtime, "C:\\Data\\Realtime.csv");
    store.RegWrite(settings::kRealtime, ""); // an empty text is a value too
    EXPECT_EQ(std::tuple(inFile("Software/Graphs.conf", "Color"),
                         inFile("Software/Graphs.conf", "Window/Left"),
                         inFile("Software/Graphs.conf", "Realtime"),
                         inFile("Software/Remote.conf", "DataDir"),
                         inFile("Software/Graphs.conf", "DataDir")),
              std::tuple("True", "12", "", "C:\\Program Files\\OSKRemote", std::nullopt));
}

TEST_F(QtSettingsStoreTest, TextsComeBackUnchanged) {
    for (const char* value : {"C:\\Gegevens\\Caf\xC3\xA9\\", " blanks ", "a, b", "@Invalid()",
                              "k=v; [s] #", "\"quoted\"", "two\nlines"}) {
        store.RegWrite(settings::kRealtime, value);
        EXPECT_EQ(QtSettingsStore().RegRead(settings::kRealtime), value);
    }
}

TEST_F(QtSettingsStoreTest, OtherWritersAreSeenAtTheNextRead) {
    QtSettingsStore other;
    EXPECT_EQ(store.RegRead(settings::kDataDir), "");
    other.RegWrite(settings::kDataDir, "C:\\Remote");
    EXPECT_EQ(store.RegRead(settings::kDataDir), "C:\\Remote");
    // Data1 and Data2: the same length, so only the contents tell the two apart.
    for (const char* value : {"C:\\Data1", "C:\\Data2"}) {
        ASSERT_TRUE(writeFromAnotherProcess(settings::kDataDir, value));
        EXPECT_EQ(store.RegRead(settings::kDataDir), value);
    }
}

// Values in the file all the organisation's applications share, or in the system-wide files,
// are not the user's: a first run must see no value and fall back to its defaults.
TEST_F(QtSettingsStoreTest, SharedAndSystemWideValuesAreNotRead) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps no shared or system-wide settings files";
#endif
    const std::filesystem::path system = folder.systemPath();
    for (const std::filesystem::path& file :
         {folder.path() / "Software.conf", system / "Software.conf",
          system / "Software" / "Graphs.conf", system / "Software" / "Remote.conf"}) {
        {
            QSettings ini(QString::fromStdString(file.string()), QSettings::IniFormat);
            ini.setValue(QStringLiteral("Color"), QStringLiteral("True"));
            ini.setValue(QStringLiteral("DataDir"), QStringLiteral("C:\\Elsewhere"));
        }
        EXPECT_EQ(store.RegRead(settings::kColor) + store.RegRead(settings::kDataDir), "") << file;
        std::filesystem::remove(file);
    }
    store.RegWrite(settings::kColor, "False");
    EXPECT_EQ(store.RegRead(settings::kColor), "False");
}

TEST_F(QtSettingsStoreTest, OnlyTheUsersOwnPathsAreServed) {
    store.RegWrite("hkcu\\Software\\Graphs\\Color", "True");
    EXPECT_EQ(store.RegRead(settings::kColor), "True");
    // Which paths have no place is the core's settings location test; none of them is served.
    for (const char* path : {"HKLM\\Software\\Graphs\\Color", "HKCU\\..\\Graphs\\Color",
                             "HKCU\\Software\\a/b\\Color", ""}) {
        store.RegWrite(path, "x");
        EXPECT_EQ(store.RegRead(path), "") << path;
    }
    EXPECT_EQ(inFile("Software/Graphs.conf", "Color"), "True");
#ifndef _WIN32
    int files = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder.path()))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1);
#endif
}

} // namespace
} // namespace osk
