// The per-user settings store seen by the program: text values addressed by a registry-style
// path ("HKCU\Software\Graphs\System"). The real store lives in the GUI layer.
#pragma once

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

// The same two operations in the shape some callers use them: CreateKey writes Value under
// the path Folder, ReadKey reads the path Value.
class clsRegister {
public:
    explicit clsRegister(SettingsStore& store) : store_(store) {}
    void CreateKey(const std::string& Folder, const std::string& Value) {
        store_.RegWrite(Folder, Value);
    }
    std::string ReadKey(const std::string& Value) { return store_.RegRead(Value); }

private:
    SettingsStore& store_;
};

// Every settings path the program reads or writes, in one place.
namespace settings {
inline constexpr const char* kColor = "HKCU\\Software\\Graphs\\Color";
inline constexpr const char* kLanguage = "HKCU\\Software\\Graphs\\Language";
inline constexpr const char* kSystem = "HKCU\\Software\\Graphs\\System";
inline constexpr const char* kRealtime = "HKCU\\Software\\Graphs\\Realtime";
// The companion program's data folder, read only.
inline constexpr const char* kDataDir = "HKCU\\Software\\Remote\\DataDir";
} // namespace settings

} // namespace osk
