#include "app/QtSettingsStore.h"
#include "common/Text.h"

#include "gui/app/SettingsFolder.h"

#include <QProcess>
#include <QSettings>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace osk {
namespace {

namespace fs = std::filesystem;

class QtSettingsStoreTest : public ::testing::Test {
protected:
    // The value as QSettings finds it in the file the store is documented to use.
    std::optional<std::string> inFile(const char* file, const char* key) const {
        QSettings ini(QString::fromStdString((folder.path() / file).string()),
                      QSettings::IniFormat);
        if (!ini.contains(QString::fromUtf8(key)))
            return std::nullopt;
        return ini.value(QString::fromUtf8(key)).toString().toStdString();
    }

    bool folderIsEmpty() const { return fs::is_empty(folder.path()); }

    // Runs the writer process; true when it ended normally.
    bool writeFromAnotherProcess(const std::string& path, const std::string& value) const {
        QProcess writer;
        writer.setProcessEnvironment(folder.environment());
        writer.start(QStringLiteral(OSK_SETTINGS_WRITER),
                     {QString::fromStdString(path), QString::fromStdString(value)});
        return writer.waitForFinished(30000) && writer.exitStatus() == QProcess::NormalExit &&
               writer.exitCode() == 0;
    }

    test::SettingsFolder folder;
    QtSettingsStore store;
};

TEST_F(QtSettingsStoreTest, MissingValueReadsEmptyAndCreatesNothing) {
    for (const char* path : {settings::kColor, settings::kLanguage, settings::kDataDir,
                             "HKCU\\Software\\Graphs\\Window\\Left"})
        EXPECT_EQ(store.RegRead(path), "") << path;
    EXPECT_TRUE(folderIsEmpty());
}

TEST_F(QtSettingsStoreTest, ValuesLiveInOneFilePerApplication) {
    store.RegWrite(settings::kColor, "True");
    store.RegWrite(settings::kDataDir, "C:\\Program Files\\OSKRemote");
    store.RegWrite("HKCU\\Software\\Graphs\\Window\\Left", "12");
    EXPECT_EQ(inFile("Software/Graphs.conf", "Color"), "True");
    EXPECT_EQ(inFile("Software/Graphs.conf", "Window/Left"), "12");
    EXPECT_EQ(inFile("Software/Remote.conf", "DataDir"), "C:\\Program Files\\OSKRemote");
    EXPECT_EQ(inFile("Software/Graphs.conf", "DataDir"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, EmptyTextIsStoredAsAValue) {
    store.RegWrite(settings::kRealtime, "C:\\Data\\Realtime.csv");
    store.RegWrite(settings::kRealtime, "");
    EXPECT_EQ(store.RegRead(settings::kRealtime), "");
    EXPECT_EQ(inFile("Software/Graphs.conf", "Realtime"), "");
}

TEST_F(QtSettingsStoreTest, TextsComeBackUnchanged) {
    const struct {
        const char* path;
        const char* value;
    } cases[] = {
        {settings::kDataDir, "C:\\Gegevens\\Caf\xC3\xA9\\"},
        {settings::kRealtime, " leading and trailing blanks "},
        {settings::kRealtime, "a, b, c"},
        {settings::kRealtime, "@Invalid()"},
        {settings::kRealtime, "key=value; [section] #"},
        {settings::kRealtime, "\"quoted\""},
        {settings::kRealtime, "two\nlines"},
        {"hkcu\\Software\\Graphs\\Realtime", "-1"},
    };
    for (const auto& c : cases) {
        store.RegWrite(c.path, c.value);
        EXPECT_EQ(store.RegRead(c.path), c.value) << c.path;
        EXPECT_EQ(QtSettingsStore().RegRead(c.path), c.value) << c.path;
    }
}

TEST_F(QtSettingsStoreTest, BooleanSettingsRoundTrip) {
    const struct {
        const char* stored;
        std::optional<bool> value;
    } cases[] = {{"True", true},         {"False", false},   {"false", false},
                 {"TRUE", true},         {"0", false},       {"-1", true},
                 {"2.5", true},          {"", std::nullopt}, {"Yes", std::nullopt},
                 {"Kleur", std::nullopt}};
    for (const auto& c : cases) {
        store.RegWrite(settings::kColor, c.stored);
        EXPECT_EQ(textToBoolean(store.RegRead(settings::kColor)), c.value) << c.stored;
    }
}

TEST_F(QtSettingsStoreTest, SecondStoreObjectIsSeenAtOnce) {
    QtSettingsStore other;
    clsRegister companion(other);
    EXPECT_EQ(store.RegRead(settings::kDataDir), "");
    companion.CreateKey(settings::kDataDir, "C:\\Remote");
    EXPECT_EQ(store.RegRead(settings::kDataDir), "C:\\Remote");
    store.RegWrite(settings::kDataDir, "D:\\Remote");
    EXPECT_EQ(companion.ReadKey(settings::kDataDir), "D:\\Remote");
}

TEST_F(QtSettingsStoreTest, AnotherProcessIsSeenAtTheNextRead) {
    EXPECT_EQ(store.RegRead(settings::kDataDir), "");
    ASSERT_TRUE(writeFromAnotherProcess(settings::kDataDir, "C:\\Data1"));
    EXPECT_EQ(store.RegRead(settings::kDataDir), "C:\\Data1");
    // Same length, so only the contents tell the two apart.
    ASSERT_TRUE(writeFromAnotherProcess(settings::kDataDir, "C:\\Data2"));
    EXPECT_EQ(store.RegRead(settings::kDataDir), "C:\\Data2");
    EXPECT_EQ(inFile("Software/Remote.conf", "DataDir"), "C:\\Data2");
}

TEST_F(QtSettingsStoreTest, OnlyTheUsersOwnPathsAreServed) {
    for (const char* path :
         {"HKLM\\Software\\Graphs\\Color", "Software\\Graphs\\Color", "HKCU\\Software\\Graphs",
          "HKCU\\Software\\Graphs\\", "HKCU\\Software\\\\Color", "HKCU\\..\\Graphs\\Color",
          "HKCU\\Software\\a/b\\Color", "HKCU", ""}) {
        store.RegWrite(path, "x");
        EXPECT_EQ(store.RegRead(path), "") << path;
    }
    EXPECT_TRUE(folderIsEmpty());
}

} // namespace
} // namespace osk
