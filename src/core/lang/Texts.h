// The program-wide table of interface texts, numbers 0 to 300. Every caption, list item,
// series name and message is looked up here by number.
#pragma once

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

} // namespace osk
