#include "about/ProgramInfo.h"

namespace osk {

std::string programVersionText() {
    // The numbers come from the project version in CMake.
    return std::to_string(OSK_VERSION_MAJOR) + "." + std::to_string(OSK_VERSION_MINOR) + "." +
           std::to_string(OSK_VERSION_REVISION);
}

} // namespace osk
