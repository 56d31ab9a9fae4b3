// Where a registry-style settings path ("HKCU\Software\Graphs\Color") lives in the per-user store
// of each platform: plain text work, so that both mappings can be checked anywhere.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace osk {

enum class SettingsPlatform {
    // The registry: the key of the path itself under HKEY_CURRENT_USER, and the value name.
    Registry,
    // Per-user settings files: the second path component names the organisation, the third the
    // application (one file of the organisation's folder), the rest is the key inside it.
    Files,
};

struct SettingsLocation {
    // Registry: "HKEY_CURRENT_USER\Software\Graphs"; files: "Software".
    std::string organisation;
    // Registry: empty; files: "Graphs".
    std::string application;
    // Registry: the value name, "Color"; files: the key, with "/" between deeper components.
    std::string key;

    bool operator==(const SettingsLocation&) const = default;
};

// The location of path, or nullopt for a path the store does not serve: only the current
// user's hive ("HKCU", any letter case) with at least a key of two components and a value name,
// no empty component, and an organisation and application that are plain names (they become
// folder and file names off the registry).
std::optional<SettingsLocation> locateSetting(std::string_view path, SettingsPlatform platform);

} // namespace osk
