#include "lang/LoadTexts.h"

#include "lang/BuiltinTexts.h"
#include "lang/LanguageFolder.h"

namespace osk {

bool storeLanguageEntries(const LanguageFile& file, Texts& texts) {
    for (const LanguageEntry& entry : file.entries) {
        if (!Texts::valid(entry.number))
            return false;
        texts.set(entry.number, entry.text);
    }
    return !file.failure;
}

bool LoadTexts(const LanguageContext& context) {
    const std::string name = context.settings.RegRead(settings::kLanguage);
    const std::optional<std::string> bytes = readLanguageFile(context.programFolder, name);
    if (!bytes || !storeLanguageEntries(parseLanguageFile(*bytes), context.texts)) {
        SetDefaultTexts(context);
        return false;
    }
    context.host.ApplyTexts();
    return true;
}

void SetDefaultTexts(const LanguageContext& context) {
    // These words stay English whatever the language: the texts that would translate them
    // are the ones that failed to load.
    context.dialogs.message("Using default language", MessageIcon::Information, "Set defaults");
    storeBuiltinTexts(context.texts);
    context.host.checkEnglishMenu();
    context.host.ApplyTexts();
}

} // namespace osk
