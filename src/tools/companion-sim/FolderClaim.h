// Which data folders the simulator may write into. A marker file in the folder lists every file
// the simulator put there; a "Realtime.csv" or a "Data/*.csv" that is not on the list belongs to
// someone else, a real companion for instance, and makes the whole folder out of bounds.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace osk::companionsim {

inline constexpr const char* kMarkerName = ".osk-companion-sim";
inline constexpr const char* kRealtimeName = "Realtime.csv";
inline constexpr const char* kLogFolderName = "Data";

// The companion files in folder that the simulator did not write, as names relative to the
// folder ("Realtime.csv", "Data/2024-03-05.csv"); empty when the folder may be filled. Only
// reads; a folder that does not exist holds nothing foreign.
std::vector<std::string> foreignCompanionFiles(const std::filesystem::path& folder);

// Adds names (relative to folder, as above) to the folder's marker, keeping the names it
// listed before. Throws std::runtime_error when the marker cannot be written.
void claimFiles(const std::filesystem::path& folder, const std::vector<std::string>& names);

} // namespace osk::companionsim
