#include "StopSignal.h"

#include <windows.h>

namespace osk::companionsim {

namespace {

// Windows calls the console's stop handler on a thread of its own and with no context, so the
// event it sets can only be found through this one handle. Made once, never closed.
HANDLE stopEvent() {
    static const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    return event;
}

BOOL WINAPI onConsoleStop(DWORD kind) {
    switch (kind) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
        SetEvent(stopEvent());
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

StopSignal::StopSignal() {
    stopEvent();
    SetConsoleCtrlHandler(onConsoleStop, TRUE);
}

bool StopSignal::waitFor(std::chrono::milliseconds d) {
    const auto ms = d.count() <= 0 ? 0 : d.count() >= INFINITE ? INFINITE - 1 : d.count();
    return WaitForSingleObject(stopEvent(), static_cast<DWORD>(ms)) == WAIT_OBJECT_0;
}

} // namespace osk::companionsim
