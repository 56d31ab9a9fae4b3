// The program's title and version as the About box, the message boxes and the window show them.
#pragma once

#include <string>

namespace osk {

// The title of the program, also the title of message boxes that name no title of their own.
inline constexpr const char* kProgramTitle = "OSK Graphs";

// "major.minor.revision" of this build, each number without leading zeros.
// The numbers come from the project version in CMake.
inline std::string programVersionText() {
    return std::to_string(OSK_VERSION_MAJOR) + "." + std::to_string(OSK_VERSION_MINOR) + "." +
           std::to_string(OSK_VERSION_REVISION);
}

} // namespace osk
