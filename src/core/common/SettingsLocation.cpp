#include "common/SettingsLocation.h"

#include "common/Text.h"

#include <vector>

namespace osk {

namespace {

std::vector<std::string_view> splitAtBackslashes(std::string_view path) {
    std::vector<std::string_view> parts;
    for (;;) {
        const size_t end = path.find('\\');
        parts.push_back(path.substr(0, end));
        if (end == std::string_view::npos)
            return parts;
        path.remove_prefix(end + 1);
    }
}

bool isPlainName(std::string_view s) {
    return !s.empty() && s.find('/') == std::string_view::npos && s != "." && s != "..";
}

std::string join(const std::vector<std::string_view>& parts, size_t from, size_t to,
                 char separator) {
    std::string out;
    for (size_t i = from; i < to; ++i) {
        if (i > from)
            out += separator;
        out += parts[i];
    }
    return out;
}

} // namespace

std::optional<SettingsLocation> locateSetting(std::string_view path, SettingsPlatform platform) {
    const std::vector<std::string_view> parts = splitAtBackslashes(path);
    // Hive, organisation, application and at least one more component for the value name.
    if (parts.size() < 4 || !equalsIgnoreCase(parts.front(), "HKCU"))
        return std::nullopt;
    for (size_t i = 1; i < parts.size(); ++i)
        if (parts[i].empty())
            return std::nullopt;
    if (!isPlainName(parts[1]) || !isPlainName(parts[2]))
        return std::nullopt;
    if (platform == SettingsPlatform::Registry)
        return SettingsLocation{"HKEY_CURRENT_USER\\" + join(parts, 1, parts.size() - 1, '\\'),
                                std::string(), std::string(parts.back())};
    return SettingsLocation{std::string(parts[1]), std::string(parts[2]),
                            join(parts, 3, parts.size(), '/')};
}

} // namespace osk
