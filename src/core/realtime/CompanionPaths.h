// Where the companion program's files lie: names joined to its data folder.
#pragma once

#include <string>
#include <string_view>

namespace osk {

inline constexpr std::string_view kRealtimeFileName = "Realtime.csv";
// The companion's executable; the user may choose it in any letter case.
inline constexpr std::string_view kCompanionExeName = "oskremote.exe";

// name in the data folder, joined with the platform's separator, in UTF-8 like the folder. An
// empty folder puts the name at the root ("/Realtime.csv"), the way the companion's own paths are
// written.
std::string CompanionFile(std::string_view dataDir, std::string_view name);

} // namespace osk
