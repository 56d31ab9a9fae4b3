// The main window as the log reader and real-time mode see it: every call is written down in
// order, the captions and switches are kept, and the open command's chooser answers from a queue.
#pragma once

#include "logdata/ReaderHost.h"
#include "realtime/RealtimeHost.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace osk::test {

class RecordingHost : public ReaderHost, public RealtimeHost {
public:
    void setRecordsCaption(const std::string& text) override {
        calls.push_back("records " + (records = text));
    }
    void setWindowCaption(const std::string& text) override {
        calls.push_back("caption " + (caption = text));
    }
    std::string SelectLogFile() override {
        calls.push_back("select");
        if (choices.empty()) {
            ADD_FAILURE() << "unexpected file chooser";
            return {};
        }
        std::string c = choices.front();
        choices.pop_front();
        return c;
    }
    void stopTimer() override { timerRunning = false, calls.push_back("stop"); }
    void startTimer() override { timerRunning = true, calls.push_back("start"); }
    void setRealtimeChecks(bool on) override { checksOn = on; }
    void setOpenFileEnabled(bool enabled) override { openFileEnabled = enabled; }
    // A file exists on disk or in the list elsewhere.
    bool fileExists(const std::string& path) override {
        if (throwOnQuery)
            throw std::runtime_error("query failed");
        std::error_code ec;
        return elsewhere.count(path) > 0 || std::filesystem::is_regular_file(path, ec);
    }
    // The post-load steps go to steps, not calls.
    void InitAfterLoad() override { steps.push_back("InitAfterLoad"); }
    void EnableDataControls(bool on) override { steps.push_back(on ? "Enable" : "Disable"); }
    void ShowNewest() override { steps.push_back("ShowNewest"); }
    void redrawAfterRefresh() override { steps.push_back("Redraw"); }

    std::string records, caption;
    std::vector<std::string> calls, steps;
    std::deque<std::string> choices;
    std::set<std::string> elsewhere;
    bool timerRunning = true, checksOn = false, openFileEnabled = true, throwOnQuery = false;
};

} // namespace osk::test
