// Finding and reading a language file in the program folder, whatever the letter case of its
// name there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace osk {

// Larger files are not language files; refusing them keeps a wrong setting from filling memory.
inline constexpr std::uintmax_t kMaxLanguageFileBytes = 16u * 1024u * 1024u;

// The regular file in folder whose name equals name, or failing that equals it without regard
// to letter case (the first such name in sorted order). Only names directly in folder count, so
// a name with a folder part never matches. nullopt when there is none or the folder cannot be
// listed.
std::optional<std::filesystem::path> findLanguageFile(const std::filesystem::path& folder,
                                                      const std::string& name);

// The bytes of that file; nullopt when it is missing, cannot be read or is larger than
// kMaxLanguageFileBytes.
std::optional<std::string> readLanguageFile(const std::filesystem::path& folder,
                                            const std::string& name);

} // namespace osk
