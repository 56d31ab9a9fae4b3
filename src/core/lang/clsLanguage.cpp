#include "lang/clsLanguage.h"

#include "lang/LanguageFile.h"
#include "lang/LanguageFolder.h"
#include "lang/LoadTexts.h"

namespace osk {

namespace {
constexpr const char* kNoText = "#####";
}

clsLanguage::clsLanguage(const LanguageContext& context) : context_(context) {}

std::string clsLanguage::getText(int32_t Index) const {
    if (Index < 1 || Index > count())
        return kNoText;
    return texts_[static_cast<size_t>(Index - 1)];
}

void clsLanguage::ReadLanguage(const std::string& Language) {
    texts_.clear();
    const std::optional<std::string> bytes = readLanguageFile(context_.programFolder, Language);
    if (!bytes) {
        SetDefaultTexts(context_);
        return;
    }
    const LanguageFile file = parseLanguageFile(*bytes);
    for (const LanguageEntry& entry : file.entries)
        putText(entry.text);
    if (file.failure)
        SetDefaultTexts(context_);
}

void clsLanguage::putText(const std::string& Value) {
    texts_.push_back(Value);
}

} // namespace osk
