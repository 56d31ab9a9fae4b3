#include "app/QtSettingsStore.h"
#include "lang/LoadTexts.h"
#include "lang/clsLanguage.h"

#include "core/lang/RecordingLanguageHost.h"
#include "gui/app/SettingsFolder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace osk {
namespace {

// The language chosen in the dialog or the menu, stored in the real settings, selects the
// shipped file beside the program whatever the letter case of the stored name.
TEST(LanguageStartup, StoredNameSelectsTheShippedFile) {
    const struct {
        const char* stored;
        const char* fileMenu; // text 9
    } cases[] = {{"english.lng", "&File"},
                 {"English.lng", "&File"},
                 {"nederlands.lng", "&Bestand"},
                 {"Nederlands.lng", "&Bestand"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        test::SettingsFolder folder;
        QtSettingsStore store;
        test::ScriptedDialogs dialogs;
        Texts texts;
        test::RecordingLanguageHost host(texts);
        LanguageContext context{texts, store, dialogs, host, OSK_LANG_DIR};

        clsRegister(store).CreateKey(settings::kLanguage, c.stored);
        clsLanguage Lang(context);
        Lang.ReadLanguage(store.RegRead(settings::kLanguage));
        EXPECT_TRUE(LoadTexts(context));

        EXPECT_EQ(texts[9], c.fileMenu);
        EXPECT_EQ(Lang.getText(9), c.fileMenu); // the shipped files list their texts in order
        EXPECT_TRUE(dialogs.prompts.empty());
        EXPECT_EQ(host.calls, std::vector<std::string>{"ApplyTexts"});
    }
}

} // namespace
} // namespace osk
