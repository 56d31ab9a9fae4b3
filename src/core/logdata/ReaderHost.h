// What the log reader needs from the main window: its two captions, the file chooser loop of the
// open command, the real-time timer and the real-time set-up.
#pragma once

#include <string>

namespace osk {

class ReaderHost {
public:
    virtual ~ReaderHost() = default;
    // The records label under the plot (lblRecords).
    virtual void setRecordsCaption(const std::string& text) = 0;
    // The main window's caption.
    virtual void setWindowCaption(const std::string& text) = 0;
    // The open command's chooser loop: the chosen path, or "" when the user gave up.
    virtual std::string SelectLogFile() = 0;
    // Timer1, which drives the real-time refresh.
    virtual void stopTimer() = 0;
    virtual void startTimer() = 0;
};

} // namespace osk
