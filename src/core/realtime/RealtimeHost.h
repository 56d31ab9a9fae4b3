// What real-time mode needs from the main window beyond what the log reader needs: the menu
// marks, the post-load steps and a file-system query.
#pragma once


#include <string>

namespace osk {

class RealtimeHost {
public:
    virtual ~RealtimeHost() = default;
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
