#include "graph/ExportFiles.h"

#include "common/Text.h"
#include "logdata/RecordTime.h"

#include <array>

namespace osk {

namespace {

constexpr std::array<std::string_view, 3> kPictureExtensions = {".png", ".svg", ".pdf"};
constexpr std::string_view kNoName = "OSK-Graphs";

bool endsWithIgnoreCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           equalsIgnoreCase(text.substr(text.size() - end.size()), end);
}

// Control characters and the characters a file name may not hold on one of the platforms.
std::string fileNameSafe(std::string_view text) {
    std::string out;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        const bool forbidden =
            byte < 0x20 || std::string_view("/\\:*?\"<>|").find(ch) != std::string_view::npos;
        out += forbidden ? '_' : ch;
    }
    return out;
}

} // namespace

std::string ProposedExportName(const RecordTable& records, int32_t newestShown) {
    std::string name(trimBlanks(records.LogSource.Name()));
    if (name.empty())
        name = kNoName;
    if (newestShown > 0 && RecordTable::validRow(newestShown)) {
        const std::string_view date =
            RecordDateWord(records.RecordTime[static_cast<size_t>(newestShown)]);
        if (!date.empty())
            name += ' ' + std::string(date);
    }
    std::string safe = fileNameSafe(name);
    // A name of dots alone would name a folder.
    if (safe.find_first_not_of('.') == std::string::npos)
        safe = kNoName;
    return safe;
}

PictureFile ChosenPictureFile(const std::string& path, int filter) {
    for (size_t i = 0; i < kPictureExtensions.size(); ++i)
        if (endsWithIgnoreCase(path, kPictureExtensions[i]))
            return {path, static_cast<PictureFormat>(i)};
    const size_t chosen =
        filter >= 1 && filter <= static_cast<int>(kPictureExtensions.size()) ? filter - 1 : 0;
    return {path + std::string(kPictureExtensions[chosen]), static_cast<PictureFormat>(chosen)};
}

std::string WithExtension(const std::string& path, std::string_view extension) {
    return endsWithIgnoreCase(path, extension) ? path : path + std::string(extension);
}

} // namespace osk
