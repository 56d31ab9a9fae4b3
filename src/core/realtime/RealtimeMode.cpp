#include "realtime/RealtimeMode.h"

#include "common/Text.h"
#include "lang/TextNumbers.h"
#include "logdata/FileReader.h"
#include "realtime/CompanionPaths.h"

#include <exception>
#include <limits>

namespace osk {

namespace {

inline constexpr const char* kApplicationTitle = ""; // the dialogs show the application title

inline constexpr const char* kCompanionFilter = "EXE Files (*.exe)|*.exe";
// The chooser is asked for the second filter although the list has one: the window's chooser
// falls back to the first.
inline constexpr int kCompanionFilterIndex = 2;
// Written for the companion when its files lie at the root and no data folder is known. This is
// the companion's own default location, not a path of this machine.
inline constexpr const char* kDefaultRealtimeValue = "C:\\Program Files\\OSKRemote\\Realtime.csv";

// Refreshes in a row with the same records before the user is asked about the followed file.
inline constexpr int16_t kSameCountLimit = 30;

// The seconds of each minute at which the real-time file is read again.
inline constexpr int kRefreshSecondA = 1;
inline constexpr int kRefreshSecondB = 31;

} // namespace

void RealtimeMode::mnuONClick() {
    table_.RealtimeOn = false;
    DoRealtime();
}

void RealtimeMode::mnuOFFClick() {
    table_.RealtimeOn = true;
    DoRealtime();
}

void RealtimeMode::DoRealtime() {
    // No refresh may start while a question or the chooser of the set-up is open.
    reader_.stopTimer();
    Step step = table_.RealtimeOn ? Step::SwitchOff : Step::FindFolder;
    // Every turn that comes back to Locate or Switch on has asked the user something, so the
    // loop ends as soon as the user cancels or says No.
    while (step != Step::Done) {
        try {
            step = runStep(step);
        } catch (const std::exception&) {
            // Whatever went wrong while setting up leaves the mode off; a failure while switching
            // off or restarting the timer ends the set-up where it is.
            step = (step == Step::SwitchOff || step == Step::End) ? Step::Done : Step::SwitchOff;
        }
    }
}

RealtimeMode::Step RealtimeMode::runStep(Step step) {
    switch (step) {
    case Step::FindFolder:
        return findFolder();
    case Step::SwitchOn:
        return switchOn();
    case Step::Locate:
        return locate();
    case Step::GiveUp:
    case Step::SwitchOff:
        showOff();
        return Step::End;
    case Step::End:
        reader_.startTimer();
        return Step::Done;
    case Step::Done:
        break;
    }
    return Step::Done;
}

RealtimeMode::Step RealtimeMode::findFolder() {
    const std::string dataDir = settings_.RegRead(settings::kDataDir);
    // "-1" is what the companion stores when the user asked it for another folder.
    if (dataDir == "-1")
        return Step::Locate;
    if (!dataDir.empty())
        return Step::SwitchOn;
    if (host_.fileExists(CompanionFile(dataDir, kRealtimeFileName)) ||
        host_.fileExists(CompanionFile(dataDir, kCompanionExeName))) {
        settings_.RegWrite(settings::kRealtime, kDefaultRealtimeValue);
        return Step::SwitchOn;
    }
    return Step::Locate;
}

RealtimeMode::Step RealtimeMode::switchOn() {
    table_.RealtimeOn = true;
    host_.setRealtimeChecks(true);
    host_.setOpenFileEnabled(false);
    reader_.setWindowCaption(WindowCaption(texts_, CaptionState::RealTime));
    const std::string dataDir = settings_.RegRead(settings::kDataDir);
    if (host_.fileExists(CompanionFile(dataDir, kRealtimeFileName)))
        return Step::End;
    const std::string question = texts_[kTextRealtimeNotFound] + " " +
                                 texts_[kTextSelectAnotherLocation] + " " + texts_[kTextWarning];
    if (dialogs_.askYesNo(question, kApplicationTitle)) {
        settings_.RegWrite(settings::kRealtime, "");
        return Step::Locate;
    }
    return Step::GiveUp;
}

RealtimeMode::Step RealtimeMode::locate() {
    dialogs_.message(texts_[kTextSelectCompanion], MessageIcon::None, kApplicationTitle);
    OpenFileRequest request;
    request.initialFolder = settings_.RegRead(settings::kDataDir);
    request.filter = kCompanionFilter;
    request.selectedFilter = kCompanionFilterIndex;
    const std::optional<std::string> chosen = dialogs_.chooseOpenFile(request);
    if (!chosen)
        return Step::SwitchOff;

    if (chosen->empty()) {
        if (dialogs_.askYesNo(texts_[kTextNoCompanionSelected] + " " + texts_[kTextWarning],
                              texts_[kTextProgramTitle]))
            return Step::Locate;
        // The user declined: the mode stays off and the timer stays stopped.
        showOff();
        return Step::Done;
    }
    if (containsIgnoreCase(*chosen, kCompanionExeName)) {
        // The companion keeps its real-time file beside its executable.
        const long folderLength =
            static_cast<long>(chosen->size()) - static_cast<long>(kCompanionExeName.size());
        settings_.RegWrite(settings::kRealtime, std::string(left(*chosen, folderLength)) +
                                                    std::string(kRealtimeFileName));
        return Step::SwitchOn;
    }
    dialogs_.message(texts_[kTextCompanionNotFound], MessageIcon::None, kApplicationTitle);
    return Step::Locate;
}

void RealtimeMode::showOff() {
    table_.RealtimeOn = false;
    host_.setRealtimeChecks(false);
    host_.setOpenFileEnabled(true);
    // The last graph stays on screen; only the caption says that nothing is followed any more.
    reader_.setWindowCaption(WindowCaption(texts_, CaptionState::NoFileLoaded));
}

void RealtimeMode::Timer1Tick() {
    if (!table_.RealtimeOn)
        return;
    const int second = clock_.currentSecond();
    if (second != kRefreshSecondA && second != kRefreshSecondB)
        return;
    refresh();
}

void RealtimeMode::refresh() {
    const std::string dataDir = settings_.RegRead(settings::kDataDir);
    if (dataDir != "-1" && !dataDir.empty()) {
        // The companion may be writing its last line right now: such a line waits for the next
        // refresh. A file longer than the table is followed at its newest end. Earlier contents
        // of the table are read over, not cleared.
        ReaderOptions options;
        options.parse.dropUnterminatedLastLine = true;
        options.newestEnd = true;
        try {
            FileReader(table_, texts_, dialogs_, settings_, reader_, options)
                .readFile(CompanionFile(dataDir, kRealtimeFileName));
        } catch (const std::exception&) {
            table_.FileLoaded = false;
        }
    } else {
        table_.FileLoaded = false;
    }

    if (table_.FileLoaded) {
        checkChange();
        host_.InitAfterLoad();
        host_.EnableDataControls(true);
        host_.ShowNewest();
        host_.redrawAfterRefresh();
    } else {
        countFailure();
    }
}

void RealtimeMode::checkChange() {
    // No refresh may start while the question below is open.
    reader_.stopTimer();
    // Once the file holds more records than the table, the count stays the same as it grows:
    // only a new newest record tells that it still does.
    const std::string& newest = table_.RecordTime[static_cast<size_t>(table_.RecordCount)];
    if (table_.RecordCount == lastCount_ && newest == lastNewest_) {
        if (sameCount_ < std::numeric_limits<int16_t>::max())
            ++sameCount_;
    } else {
        sameCount_ = 0;
    }
    if (sameCount_ >= kSameCountLimit) {
        sameCount_ = 0;
        if (dialogs_.askYesNo(texts_[kTextRealtimeUnchanged], texts_[kTextProgramTitle])) {
            // "-1" tells the companion that the real-time file is to be located again.
            settings_.RegWrite(settings::kRealtime, "-1");
            table_.RealtimeOn = false;
            DoRealtime();
        }
    }
    lastCount_ = table_.RecordCount;
    lastNewest_ = newest;
    reader_.startTimer();
}

void RealtimeMode::countFailure() {
    ++failCount_;
    if (failCount_ < kRealtimeFailLimit)
        return;
    dialogs_.message(texts_[kTextCommunicationError], MessageIcon::Critical, kApplicationTitle);
    failCount_ = 0;
    if (dialogs_.askYesNo(texts_[kTextRealtimeNotOpened] + " " + texts_[kTextWarning],
                          kApplicationTitle))
        settings_.RegWrite(settings::kRealtime, "");
    // The mode is on, so this switches it off.
    DoRealtime();
    host_.EnableDataControls(false);
}

} // namespace osk
