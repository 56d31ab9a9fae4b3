// The main window as the log reader sees it: the records label, the caption, the chooser of the
// open command, Timer1 and the real-time set-up.
#pragma once

#include "logdata/ReaderHost.h"

#include <functional>
#include <string>

namespace osk {

class WindowOperations;
struct MainWindowControls;

class WindowReaderHost final : public ReaderHost {
public:
    // chooser is the open command's choice of a log (the reader asks it again after a file it
    // could not read).
    WindowReaderHost(MainWindowControls& controls, WindowOperations& window,
                     std::function<std::string()> chooser);

    void setRecordsCaption(const std::string& text) override;
    void setWindowCaption(const std::string& text) override;
    std::string SelectLogFile() override;
    void stopTimer() override;
    void startTimer() override;

private:
    MainWindowControls& c_;
    WindowOperations& window_;
    std::function<std::string()> chooser_;
};

} // namespace osk
