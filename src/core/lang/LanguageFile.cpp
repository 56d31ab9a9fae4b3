#include "lang/LanguageFile.h"

#include "common/Lines.h"
#include "common/Numbers.h"
#include "lang/TextEncoding.h"

namespace osk {

LanguageFile parseLanguageFile(std::string_view bytes) {
    LanguageFile file;
    const std::string text = decodeLanguageBytes(bytes);
    const std::vector<std::string_view> lines = splitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        // Tested before the "[begin]" check, so a second "[begin]" inside the section is an
        // entry line like any other (and, having no bar, ends the reading).
        if (file.hasSection && line != kSectionSkip) {
            const size_t bar = line.find('|');
            if (bar == std::string_view::npos) {
                file.failure = LanguageFileFailure{LanguageFileProblem::MissingBar, i + 1};
                return file;
            }
            const LeadingNumber number = leadingNumber(line.substr(0, bar));
            const std::optional<int16_t> slot =
                number.outOfRange ? std::nullopt : roundToInt16(number.value);
            if (!slot) {
                file.failure = LanguageFileFailure{LanguageFileProblem::NumberTooLarge, i + 1};
                return file;
            }
            file.entries.push_back(LanguageEntry{*slot, std::string(line.substr(bar + 1))});
        }
        if (line == kSectionBegin)
            file.hasSection = true;
    }
    return file;
}

} // namespace osk
