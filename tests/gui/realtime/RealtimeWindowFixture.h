// The started program with a companion data folder of the test's own: its DataDir in the real
// settings store, a "Realtime.csv" to write into, and the real-time menu and timer driven the
// way the user and the clock drive them.
#pragma once

#include "gui/app/ProgramFixture.h"
#include "gui/support/GeneratedLog.h"

#include "LogGenerator.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>

#include <filesystem>
#include <string>

namespace osk::test {

class RealtimeWindowFixture : public ProgramFixture {
protected:
    void SetUp() override { startReturning(); }

    // n generated records, one every 10 seconds, as complete lines.
    static std::string logOf(int64_t records) { return generatedLog(records); }
    std::filesystem::path realtimeFile() const { return companion.path() / "Realtime.csv"; }
    void writeRealtime(const std::string& text) const { companion.write("Realtime.csv", text); }
    void useCompanionFolder() { store(settings::kDataDir, companion.path().string()); }

    void on() { c->mnuON->trigger(); }
    void off() { c->mnuOFF->trigger(); }
    // One tick of Timer1 at that second of the clock.
    void tickAt(int second) {
        clock.second = second;
        window->realtime().Timer1_Timer();
    }

    bool dataControlsEnabled() const { return c->Xas->isEnabled(); }

    // What the window shows of the mode: the menu marks and the open command. The caption
    // tells the mode only until a refresh reads a file (the read sets the program title).
    void expectMode(bool on) const {
        EXPECT_EQ(c->mnuON->isChecked(), on);
        EXPECT_EQ(c->mnuOFF->isChecked(), !on);
        EXPECT_EQ(c->mnuOpenFile->isEnabled(), !on);
        EXPECT_EQ(state.records.RealtimeOn, on);
    }
    void expectModeAndCaption(bool on) const {
        expectMode(on);
        EXPECT_EQ(caption(), on ? "OSK-Graphs  Real time" : "OSK-Graphs  No file loaded");
    }

    TempDir companion;
};

} // namespace osk::test
