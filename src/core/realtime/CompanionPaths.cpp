#include "realtime/CompanionPaths.h"

namespace osk {

std::filesystem::path CompanionFile(std::string_view dataDir, std::string_view name) {
    if (dataDir.empty())
        return std::filesystem::path(std::filesystem::path::string_type(
                   1, std::filesystem::path::preferred_separator)) /
               std::filesystem::path(name);
    return std::filesystem::path(dataDir) / std::filesystem::path(name);
}

} // namespace osk
