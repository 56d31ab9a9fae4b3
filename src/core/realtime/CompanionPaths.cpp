#include "realtime/CompanionPaths.h"

#include "common/Utf8Path.h"

#include <filesystem>

namespace osk {

std::string CompanionFile(std::string_view dataDir, std::string_view name) {
    if (dataDir.empty())
        return utf8Name(std::filesystem::path(std::filesystem::path::string_type(
                            1, std::filesystem::path::preferred_separator)) /
                        pathFromUtf8(name));
    return utf8Name(pathFromUtf8(dataDir) / pathFromUtf8(name));
}

} // namespace osk
