// The per-user settings store seen by the program: text values addressed by a registry-style
// path ("HKCU\Software\Graphs\System"). The real store lives in the GUI layer.
#pragma once

#include <map>
#include <string>

namespace osk {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text of the value; "" when it or its key does not exist. Never fails.
    virtual std::string RegRead(const std::string& path) = 0;
    // Stores value as text under path, creating the key when needed; failures are ignored.
    virtual void RegWrite(const std::string& path, const std::string& value) = 0;
};

// Settings held in memory only: for a run that must not touch the user's settings (the render
// tool) and for tests.
class MemorySettingsStore : public SettingsStore {
public:
    std::string RegRead(const std::string& path) override {
        const auto it = values.find(path);
        return it == values.end() ? std::string() : it->second;
    }
    void RegWrite(const std::string& path, const std::string& value) override {
        values[path] = value;
    }

    std::map<std::string, std::string> values;
};

// Every settings path the program reads or writes, in one place.
namespace settings {
inline constexpr const char* kColor = "HKCU\\Software\\Graphs\\Color";
inline constexpr const char* kLanguage = "HKCU\\Software\\Graphs\\Language";
inline constexpr const char* kSystem = "HKCU\\Software\\Graphs\\System";
inline constexpr const char* kRealtime = "HKCU\\Software\\Graphs\\Realtime";
// "True" while the plot shades the alarm bands; a value that is no Boolean leaves them off.
inline constexpr const char* kAlarmBands = "HKCU\\Software\\Graphs\\AlarmBands";
// The companion program's data folder, read only.
inline constexpr const char* kDataDir = "HKCU\\Software\\Remote\\DataDir";
} // namespace settings

} // namespace osk
