// Real-time mode: switching it on and off, helping the user find the companion program, and
// re-reading the companion's "Realtime.csv" twice a minute.
#pragma once

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/SettingsStore.h"
#include "lang/Texts.h"
#include "logdata/ReaderHost.h"
#include "logdata/RecordTable.h"
#include "realtime/RealtimeHost.h"

#include <cstdint>
#include <string>

namespace osk {

// Refreshes in a row without a usable log before the user is told and the mode ends.
inline constexpr int16_t kRealtimeFailLimit = 6;

class RealtimeMode {
public:
    RealtimeMode(RecordTable& table, const Texts& texts, Dialogs& dialogs, SettingsStore& settings,
                 const Clock& clock, ReaderHost& reader, RealtimeHost& host)
        : table_(table), texts_(texts), dialogs_(dialogs), settings_(settings), clock_(clock),
          reader_(reader), host_(host) {}

    // Toggles the mode: switches it off when on, otherwise finds the companion's data folder
    // (asking the user where needed) and switches it on. Ends with Timer1 running, except when
    // the user declines to choose the companion's program.
    void DoRealtime();

    // The two entries of the real-time menu.
    void mnuONClick();
    void mnuOFFClick();

    // One tick of the 1000 ms timer: at seconds 1 and 31, while the mode is on, re-reads the
    // real-time file and redraws, or counts the failure.
    void Timer1Tick();

    bool RealtimeOn() const { return table_.RealtimeOn; }
    // Refreshes without a usable log since the user was last told; a success does not reset it.
    int16_t RealtimeFailCount() const { return failCount_; }
    // Refreshes in a row that found the same records as the one before.
    int16_t RealtimeSameCount() const { return sameCount_; }

private:
    enum class Step { FindFolder, SwitchOn, Locate, GiveUp, SwitchOff, End, Done };

    Step runStep(Step step);
    Step findFolder();
    Step switchOn();
    Step locate();
    void showOff();
    void refresh();
    void countFailure();
    void checkChange();

    RecordTable& table_;
    const Texts& texts_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    const Clock& clock_;
    ReaderHost& reader_;
    RealtimeHost& host_;
    int16_t failCount_ = 0;
    int32_t lastCount_ = 0;
    std::string lastNewest_; // the newest record's time text at the refresh before
    int16_t sameCount_ = 0;
};

} // namespace osk
