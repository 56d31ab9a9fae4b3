// Writing the simulator's files: whole files in one go, and files replaced so that a reader
// that opens them at any moment sees either the old or the new text, never a mixture.
#pragma once

#include <filesystem>
#include <string>

namespace osk::companionsim {

// Writes bytes to path, replacing an earlier file. Throws std::runtime_error on failure.
void writeFile(const std::filesystem::path& path, const std::string& bytes);

// Writes bytes to a temporary file beside path, then renames it over path. Throws
// std::runtime_error on failure, leaving path as it was.
void replaceFile(const std::filesystem::path& path, const std::string& bytes);

} // namespace osk::companionsim
