// Reading the contents of a language file: the entries after "[begin]" in file order, and
// what stopped the reading, if anything. No files, no dialogs: bytes in, data out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace osk {

struct LanguageEntry {
    int16_t number = 0;
    std::string text; // UTF-8, exactly as it stands after the first "|"
};

enum class LanguageFileProblem {
    MissingBar,    // a line of the section without "|", an empty line included
    NumberTooLarge // the number does not fit a 16-bit signed whole number
};

struct LanguageFileFailure {
    LanguageFileProblem problem;
    size_t line; // 1-based line number in the file
};

struct LanguageFile {
    bool hasSection = false; // a "[begin]" line was found
    std::vector<LanguageEntry> entries;
    // Set when a line stopped the reading; entries holds what was read before that line.
    std::optional<LanguageFileFailure> failure;
};

inline constexpr std::string_view kSectionBegin = "[begin]";
inline constexpr std::string_view kSectionSkip = "[eind]";

// Lines up to the first line reading exactly "[begin]" are ignored. Every later line is an
// entry "number|text", except lines reading exactly "[eind]", which are skipped. The number is
// read leniently (blanks ignored, halves rounded to the even neighbour); a text before the
// first "|" that starts with no number gives 0.
LanguageFile parseLanguageFile(std::string_view bytes);

} // namespace osk
