#include "lang/FallbackTexts.h"

#include "lang/TextNumbers.h"

#include <algorithm>
#include <array>

namespace osk {

namespace {

// The shipped english.lng gives the same texts.
constexpr std::array<BuiltinText, 7> kFallbackTexts = {{
    {kTextSavePicture, "&Save picture\u2026"},
    {kTextCopyPicture, "&Copy picture"},
    {kTextExportData, "E&xport visible data\u2026"},
    {kTextEditMenu, "&Edit"},
    {kTextNotWritten, "The file could not be written:"},
    {kTextSavePictureTitle, "Save picture"},
    {kTextExportDataTitle, "Export visible data"},
}};

} // namespace

std::span<const BuiltinText> FallbackTexts() {
    return kFallbackTexts;
}

std::string textOrFallback(const Texts& texts, int n) {
    if (!texts[n].empty())
        return texts[n];
    const auto it = std::find_if(kFallbackTexts.begin(), kFallbackTexts.end(),
                                 [n](const BuiltinText& t) { return t.number == n; });
    return it == kFallbackTexts.end() ? std::string() : std::string(it->text);
}

} // namespace osk
