#include "lang/LoadTexts.h"
#include "lang/BuiltinTexts.h"
#include "lang/clsLanguage.h"

#include "common/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace osk {
namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::string>;

// Records each call of the window, and the table as ApplyTexts saw it.
struct RecordingLanguageHost : LanguageHost {
    explicit RecordingLanguageHost(const Texts& t) : texts(t) {}
    void ApplyTexts() override { calls.push_back("ApplyTexts"), applied.push_back(texts); }
    void checkEnglishMenu() override { calls.push_back("checkEnglishMenu"); }
    const Texts& texts;
    Calls calls;
    std::vector<Texts> applied;
};

// Everything the readers touch, fresh for each case; the program folder is a temporary one.
struct Program {
    // Puts the file in the program folder and names it in the Language setting.
    void useFile(const std::string& name, const std::string& bytes) {
        dir.write(name, bytes);
        settings.values[settings::kLanguage] = name;
    }

    void expectFallback() const {
        ASSERT_EQ(dialogs.prompts.size(), 1u);
        const test::Prompt& p = dialogs.prompts.front();
        EXPECT_EQ(std::tie(p.text, p.title, p.icon),
                  std::tuple("Using default language", "Set defaults", MessageIcon::Information));
        EXPECT_EQ(host.calls, (Calls{"checkEnglishMenu", "ApplyTexts"}));
        // The window must be shown the built-in texts, not what was there before.
        for (const BuiltinText& b : BuiltinTexts())
            EXPECT_EQ(host.applied.front()[b.number], b.text) << "text " << b.number;
    }

    test::TempDir dir;
    Texts texts;
    MemorySettingsStore settings;
    test::ScriptedDialogs dialogs;
    RecordingLanguageHost host{texts};
    LanguageContext context{texts, settings, dialogs, host, dir.path()};
    clsLanguage Lang{context};
};

TEST(LoadTexts, NoReadableFileGivesTheBuiltinTextsOnly) {
    // The last: only names directly in the program folder count.
    // clang-format off
    const struct {
        const char *setting, *folder, *file; // made beforehand, if any
    } cases[] = {
        {"english.lng", nullptr, nullptr}, {"", nullptr, nullptr},
        {"english.lng", "english.lng", nullptr}, {"sub/english.lng", "sub", "sub/english.lng"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        Program p;
        if (c.folder)
            fs::create_directory(p.dir.path() / c.folder);
        if (c.file)
            p.dir.write(c.file, "[begin]\n1|from file\n");
        p.settings.values[settings::kLanguage] = c.setting;
        EXPECT_FALSE(LoadTexts(p.context));
        p.expectFallback();
        for (int n : {0, 69, 72, 89, 205, 300})
            EXPECT_EQ(p.texts[n], "") << "text " << n;
        // The list reader says so too, once for itself.
        p.Lang.ReadLanguage(c.setting);
        EXPECT_EQ(std::tuple(p.dialogs.messages(), p.host.calls.size(), p.Lang.getText(1)),
                  std::tuple(Calls(2, "Using default language"), 4u, "#####"));
    }
}

TEST(LoadTexts, SectionChangesOnlyItsEntries) {
    const struct {
        const char* file;
        const char* text1;
        int listed;
    } cases[] = {
        {"[begin]\r\n1|new\r\n[eind]\r\n", "new", 1},
        {"1|new\n\nno bar\n", "old", 0}, // no "[begin]": nothing is read, and that is no failure
    };
    for (const auto& c : cases) {
        Program p;
        p.texts.set(1, "old");
        p.texts.set(2, "old two");
        p.useFile("english.lng", c.file);
        EXPECT_TRUE(LoadTexts(p.context));
        p.Lang.ReadLanguage("english.lng");
        EXPECT_EQ(std::tuple(p.texts[1], p.texts[2], p.Lang.count(), p.dialogs.prompts.size()),
                  std::tuple(c.text1, "old two", c.listed, 0u));
        EXPECT_EQ(p.host.calls, Calls{"ApplyTexts"});
    }
}

// Texts by number take the last duplicate; the list keeps every line by position, starts anew
// with each file, and is never applied to the window.
TEST(LoadTexts, DuplicatesByNumberAndByPosition) {
    Program p;
    p.useFile("english.lng", "[begin]\n5|first\n3|three\n5|second\n");
    p.dir.write("b.lng", "[begin]\n9|b1\n");
    EXPECT_TRUE(LoadTexts(p.context));
    EXPECT_EQ(std::tuple(p.texts[5], p.texts[3]), std::tuple("second", "three"));
    p.Lang.ReadLanguage("english.lng");
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    // clang-format off
    const std::pair<int32_t, const char*> positions[] = {
        {1, "first"}, {2, "three"}, {3, "second"}, {0, "#####"}, {4, "#####"}, {-1, "#####"},
        {kMin, "#####"}, {kMax, "#####"}};
    // clang-format on
    for (const auto& [index, text] : positions)
        EXPECT_EQ(p.Lang.getText(index), text) << index;
    p.Lang.ReadLanguage("b.lng");
    EXPECT_EQ(std::tuple(p.Lang.getText(1), p.Lang.getText(2)), std::tuple("b1", "#####"));
    p.Lang.putText("added");
    EXPECT_EQ(p.Lang.getText(2), "added");
    EXPECT_EQ(p.host.calls, Calls{"ApplyTexts"});
}

// A line that ends the reading: what came before stays, the rest is never read, and the
// built-in texts take over their slots. ReadLanguage does not check the 0..300 range.
TEST(LoadTexts, FailingLineKeepsWhatWasReadBefore) {
    const struct {
        const char* line;
        bool failsReadLanguage;
    } cases[] = {{"301|x", false}, {"-1|x", false},       {"40000|x", true},
                 {"", true},       {"no bar here", true}, {"[eind]\n", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Program p;
        p.useFile("english.lng",
                  std::string("[begin]\n205|kept\n1|mine\n") + c.line + "\n206|after\n");
        EXPECT_FALSE(LoadTexts(p.context));
        p.expectFallback();
        EXPECT_EQ(std::tuple(p.texts[205], p.texts[206]), std::tuple("kept", ""));

        p.dialogs.prompts.clear();
        p.Lang.ReadLanguage("english.lng");
        EXPECT_EQ(std::tuple(p.dialogs.prompts.size(), p.Lang.count()),
                  c.failsReadLanguage ? std::tuple(1u, 2) : std::tuple(0u, 4));
    }
}

TEST(LoadTexts, FileNameMatchesWithoutRegardToCase) {
    const struct {
        std::vector<std::pair<const char*, const char*>> files; // name, text 1
        const char* setting;
        const char* expected;
    } cases[] = {
        {{{"english.lng", "lower"}}, "English.lng", "lower"},
        {{{"NEDERLANDS.LNG", "upper"}}, "nederlands.lng", "upper"},
        {{{"LANG.lng", "other"}, {"lang.lng", "exact"}}, "lang.lng", "exact"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        Program p;
        for (const auto& [name, text] : c.files)
            p.dir.write(name, std::string("[begin]\n1|") + text + "\n");
        p.settings.values[settings::kLanguage] = c.setting;
        EXPECT_TRUE(LoadTexts(p.context));
        p.Lang.ReadLanguage(c.setting);
        EXPECT_EQ(std::tuple(p.texts[1], p.Lang.getText(1)), std::tuple(c.expected, c.expected));
    }
}

} // namespace
} // namespace osk
