// The time window's controls: the span list, the vertical grid interval list and the scroll bar
// that moves the window by whole hours, with the move to the newest records after a load.
#pragma once

#include <cstdint>

class QObject;

namespace osk {

class PlotRedraws;
class WindowOperations;
struct MainWindowControls;
struct ProgramState;

class TimeWindowController {
public:
    TimeWindowController(MainWindowControls& controls, ProgramState& state,
                         WindowOperations& window, PlotRedraws& redraws);

    // The scroll bar takes the keyboard focus (arrow and page keys move it) and reports a thumb
    // drag once, when the thumb is released.
    void install();
    // Connects the three controls; context ends the connections with the window.
    void connectCommands(QObject& context);

    // A new span: the window jumps to the newest records.
    void Xas_Click();
    // A new vertical grid interval.
    void cmbGridX_Click();
    // Any move of the scroll bar takes the window to the neighbouring hour boundary in that
    // direction. The program's own settings of the bar never come here.
    void hscGraphScroller_Change();
    // After a load: the bar's maximum and value become the record count, then the scroll
    // handler runs once.
    void ShowNewest();
    // Puts the window end at record end (kept inside the bar's range), as a scroll bar move
    // that has found its hour boundary does.
    void moveWindowEnd(int32_t end);

private:
    // Sets the bar's value without raising its change event.
    void setScrollerQuietly(int value);
    bool logShown() const;

    MainWindowControls& c_;
    ProgramState& state_;
    WindowOperations& window_;
    PlotRedraws& redraws_;
};

} // namespace osk
