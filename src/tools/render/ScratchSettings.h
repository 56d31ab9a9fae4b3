// A settings folder of the tool's own for one run: whatever in the process keeps per-user
// settings through Qt points into it (the window's own settings stay in memory), so the user's
// settings are never read or written. Removed with everything in it at the end of the run.
#pragma once

#include <filesystem>
#include <optional>

namespace osk::render {

class ScratchSettings {
public:
    // A new empty folder under the system's temporary folder; nullopt when none can be made.
    static std::optional<ScratchSettings> create();
    ~ScratchSettings();
    ScratchSettings(ScratchSettings&& other) noexcept;
    ScratchSettings& operator=(ScratchSettings&&) = delete;
    ScratchSettings(const ScratchSettings&) = delete;
    ScratchSettings& operator=(const ScratchSettings&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Points XDG_CONFIG_HOME there; must run before the Qt application exists.
    void useForThisProcess() const;
    // Points the Qt settings of this process there as well, once the application exists.
    void useForQtSettings() const;

private:
    explicit ScratchSettings(std::filesystem::path path) : path_(std::move(path)) {}
    std::filesystem::path path_;
};

} // namespace osk::render
