// Reading a file whole into memory, the way every log is read: one open, one pass, one close.
#pragma once

#include <optional>
#include <string>

namespace osk {

// The file's bytes exactly as stored; nullopt when it cannot be opened or a read fails
// (a missing file, a folder, no permission).
std::optional<std::string> readWholeFile(const std::string& path);

} // namespace osk
