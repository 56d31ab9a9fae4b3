// The wall clock as the real-time refresh sees it.
#pragma once

namespace osk {

class Clock {
public:
    virtual ~Clock() = default;
    // Current second of the minute, 0..59.
    virtual int currentSecond() const = 0;
};

} // namespace osk
