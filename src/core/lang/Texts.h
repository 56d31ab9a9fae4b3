// The program-wide table of interface texts, numbers 0 to 300. Every caption, list item,
// series name and message is looked up here by number.
#pragma once

#include "lang/TextNumbers.h"

#include <array>
#include <string>

namespace osk {

inline constexpr int kTextSlots = 301;

class Texts {
public:
    // Text n; "" for a number outside 0..300.
    const std::string& operator[](int n) const {
        static const std::string empty;
        return valid(n) ? slots_[static_cast<size_t>(n)] : empty;
    }
    void set(int n, std::string text) {
        if (valid(n))
            slots_[static_cast<size_t>(n)] = std::move(text);
    }
    static bool valid(int n) { return n >= 0 && n < kTextSlots; }

private:
    std::array<std::string, kTextSlots> slots_{};
};

// What the main window's caption says after the program title.
enum class CaptionState {
    Plain,        // a log is shown
    RealTime,     // real-time mode is on
    NoFileLoaded, // the user gave up choosing a log
    Choosing,     // a chosen log is about to be read
};

inline std::string WindowCaption(const Texts& texts, CaptionState state) {
    const std::string& title = texts[kTextProgramTitle];
    switch (state) {
    case CaptionState::RealTime:
        return title + "  " + texts[kTextRealTime];
    case CaptionState::NoFileLoaded:
        return title + "  " + texts[kTextNoFileLoaded];
    case CaptionState::Choosing:
        return title + "  -  ";
    case CaptionState::Plain:
        break;
    }
    return title;
}

} // namespace osk
