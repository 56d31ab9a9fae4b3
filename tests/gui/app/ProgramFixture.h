// A started program for the window tests: its own settings folder and program folder, the real
// settings store, scripted dialogs, and the start-up run the way main runs it. LogWindowFixture
// starts it for a returning user, with logs to open (generated or hand-written, in a folder of
// the test's own, opened through the Open File command) and a companion data folder whose
// "Realtime.csv" the real-time menu and timer follow, driven the way the user and the clock
// drive them.
#pragma once

#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/QtSettingsStore.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "graph/PictureBox.h"
#include "lang/frmLanguage.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include "gui/support/Support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

#include <filesystem>
#include <memory>
#include <optional>

namespace osk::test {

// Gives every test that uses the settings store an empty store of its own, so that no test reads
// or writes the user's own settings.
//
// On Linux the per-user settings of this test process point at a fresh temporary folder, and the
// system-wide settings at a folder below it that is not made until a test writes there. On
// Windows the store is the registry itself: the program's two keys are emptied before and after
// each test, which only a scratch user or Wine prefix may allow (gui_test_main checks for it).
// Create one in every test that uses the store.
class SettingsFolder {
public:
    SettingsFolder() {
        const QString path = QString::fromStdString(dir_.path().string());
        const QString system = QString::fromStdString(systemPath().string());
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, path);
            QSettings::setPath(format, QSettings::SystemScope, system);
        }
        clearRegistry();
    }
    ~SettingsFolder() { clearRegistry(); }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

    const std::filesystem::path& path() const { return dir_.path(); }
    std::filesystem::path systemPath() const { return dir_.path() / "system"; }

    // The environment for a child process that is to see the same settings.
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir_.path().string()));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"),
                   QString::fromStdString(systemPath().string()));
        return env;
    }

    // The registry keys the program keeps its own and the companion's settings in.
    static constexpr const char* kRegistryKeys[] = {"HKEY_CURRENT_USER\\Software\\Graphs",
                                                    "HKEY_CURRENT_USER\\Software\\Remote"};

private:
    static void clearRegistry() {
#ifdef _WIN32
        for (const char* key : kRegistryKeys)
            QSettings(QString::fromLatin1(key), QSettings::NativeFormat).clear();
#endif
    }

    TempDir dir_;
};

class FixedClock final : public Clock {
public:
    int currentSecond() const override { return second; }
    int second = 0;
};

class ProgramFixture : public ::testing::Test {
protected:
    // Puts the shipped language files beside the "executable".
    void installLanguageFile(const char* name) {
        std::filesystem::copy_file(std::filesystem::path(OSK_LANG_DIR) / name,
                                   programFolder.path() / name);
    }
    void installBothLanguages() {
        for (const char* name : {"english.lng", "nederlands.lng"})
            installLanguageFile(name);
    }

    void store(const char* path, const std::string& value) { settings.RegWrite(path, value); }
    std::string stored(const char* path) { return settings.RegRead(path); }
    // The settings a returning user has, so that the start-up needs no defaults.
    void storeSettings(const std::string& language, const std::string& colour,
                       const std::string& system) {
        store(settings::kLanguage, language);
        store(settings::kColor, colour);
        store(settings::kSystem, system);
    }

    // The language dialog answered with OK on choice ("English" or "Nederlands"), or with
    // Cancel; then the rest of the start-up, with logFile as the command line's log.
    frmMain* start(std::optional<QString> choice = QStringLiteral("English"),
                   const std::optional<std::string>& logFile = std::nullopt) {
        frmLanguage dialog(settings);
        if (choice) {
            dialog.findChild<QComboBox*>(QStringLiteral("cmbLanguage"))->setCurrentText(*choice);
            dialog.findChild<QPushButton*>(QStringLiteral("cmdLanguage"))->click();
        } else {
            dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        }
        return started(
            StartProgram(state, services, dialog.result() == QDialog::Accepted, logFile));
    }

    // The start-up as if the dialog's OK had stored nothing new (the stored settings stay).
    frmMain* startAfterDialog(const std::optional<std::string>& logFile = std::nullopt) {
        return started(StartProgram(state, services, true, logFile));
    }

    // A returning user: both language files, English, colour printer and the product system.
    void startReturning(const char* system = "Chloor") {
        installBothLanguages();
        storeSettings("english.lng", "True", system);
        startAfterDialog();
    }

    static int pixelsOf(PictureBox* box, QColor colour) {
        return test::pixelsOf(box->surface().image(), colour);
    }

    template <typename T> T* find(const char* name) const {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QAction* action(const char* name) const { return find<QAction>(name); }
    QString menuTitle(const char* name) const { return find<QMenu>(name)->title(); }
    int64_t redraws() const { return window->redraws().count(); }
    std::string caption() const { return window->windowTitle().toStdString(); }

    SettingsFolder settingsFolder; // first: the store must never see the user's own settings
    TempDir programFolder;
    QtSettingsStore settings;
    ScriptedDialogs dialogs;
    FixedClock clock;
    ProgramServices services{settings, dialogs, clock, programFolder.path()};
    ProgramState state;
    std::unique_ptr<frmMain> window; // last: goes before the state it works on
    const MainWindowControls* c = nullptr;

private:
    frmMain* started(std::unique_ptr<frmMain> w) {
        window = std::move(w);
        c = window ? &window->controls() : nullptr;
        return window.get();
    }
};

class LogWindowFixture : public ProgramFixture {
protected:
    static constexpr const char* kStart = kLogStart;

    void SetUp() override { startReturning(); }

    // A generated log of records records from start (one every 10 seconds).
    std::string writeLog(const std::string& name, int64_t records,
                         const std::string& start = kStart) {
        return logs.write(name, generatedLog(records, start)).string();
    }
    // The Open File command with path chosen in the chooser.
    void open(const std::filesystem::path& path) {
        dialogs.chooseFile(path.string());
        c->mnuOpenFile->trigger();
    }
    void openLog(int64_t records, const std::string& start = kStart) {
        open(writeLog("log.csv", records, start));
    }

    std::string timeLabel(size_t i) const { return c->lblScaleXas[i]->text().toStdString(); }
    // A date label as the user sees it: "" while hidden.
    std::string dateLabel(size_t i) const {
        return c->lblDataXas[i]->isHidden() ? "" : c->lblDataXas[i]->text().toStdString();
    }

    // A left button press or release on pGraph, at picture pixels as the read-out counts them.
    void plotMouse(QEvent::Type type, QPoint picture) {
        const QPointF local = picture + QPoint(PictureBox::kBorder, PictureBox::kBorder);
        QMouseEvent event(type, local, c->pGraph->mapToGlobal(local), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(c->pGraph, &event);
    }

    // A file (or, if text is given, that text) dragged over the window and dropped; whether the
    // window took the drag. The read follows once the drop has returned.
    bool drop(const std::string& path, const QString& text = {}) {
        QMimeData data;
        if (text.isEmpty())
            data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        else
            data.setText(text);
        const QPoint at(window->width() / 2, window->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &dropped);
        QCoreApplication::processEvents();
        return enter.isAccepted();
    }

    void writeRealtime(const std::string& text) const { companion.write("Realtime.csv", text); }
    void on() { c->mnuON->trigger(); }
    void off() { c->mnuOFF->trigger(); }
    // One tick of Timer1 at that second of the clock.
    void tickAt(int second) {
        clock.second = second;
        window->realtime().Timer1_Timer();
    }

    TempDir logs;
    TempDir companion;
};

} // namespace osk::test
