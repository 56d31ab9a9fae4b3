// What the window tells the user when a record's time cannot be read while the time labels
// are built. The builders return the fault; the window shows these texts.
#pragma once

namespace osk {

inline constexpr const char* kTimeFaultMessage = "There is a record with a non valid time value.";
inline constexpr const char* kTimeFaultTitle = "Time fault";

} // namespace osk
