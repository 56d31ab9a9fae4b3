// Feeds arbitrary bytes to the language-file reader and stores what it reads in a text table,
// checking that every text comes out as UTF-8 and that the last entry of a number wins.
#include "lang/LanguageFile.h"
#include "lang/LoadTexts.h"
#include "lang/TextEncoding.h"
#include "lang/Texts.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const osk::LanguageFile file = osk::parseLanguageFile(bytes);
    std::map<int, std::string_view> last;
    for (const osk::LanguageEntry& e : file.entries) {
        if (!osk::isValidUtf8(e.text))
            __builtin_trap();
        last[e.number] = e.text;
    }
    osk::Texts texts;
    if (osk::storeLanguageEntries(file, texts))
        for (const auto& [number, text] : last)
            if (texts[number] != text)
                __builtin_trap();
    return 0;
}
