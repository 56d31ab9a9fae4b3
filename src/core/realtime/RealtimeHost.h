// What real-time mode needs from the main window: the menu marks, the caption, the timer, the
// post-load steps and a file-system query. The window passes the same object to the log reader.
#pragma once

#include "logdata/ReaderHost.h"

#include <string>

namespace osk {

class RealtimeHost : public ReaderHost {
public:
    // The check marks of the real-time menu: mnuON carries it when on is true, mnuOFF otherwise.
    virtual void setRealtimeChecks(bool on) = 0;
    // mnuOpenFile; disabled while the mode is on.
    virtual void setOpenFileEnabled(bool enabled) = 0;
    // True when a file (not a folder) of that path exists. Never fails.
    virtual bool fileExists(const std::string& path) = 0;
    // The post-load steps of a successful read.
    virtual void InitAfterLoad() = 0;
    virtual void EnableDataControls(bool enabled) = 0;
    virtual void ShowNewest() = 0;
    // Redraws the plot with the scroll flag set, as after every refresh.
    virtual void redrawAfterRefresh() = 0;
};

} // namespace osk
