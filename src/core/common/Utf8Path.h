// File names travel through the program as UTF-8 text. A std::filesystem::path made from a plain
// std::string, or its string(), uses the 8-bit code page on Windows instead, which garbles any
// name outside ASCII: every conversion between the two goes through these.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace osk {

inline std::filesystem::path pathFromUtf8(std::string_view utf8Name) {
    return std::filesystem::path(std::u8string(utf8Name.begin(), utf8Name.end()));
}

inline std::string utf8Name(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

} // namespace osk
