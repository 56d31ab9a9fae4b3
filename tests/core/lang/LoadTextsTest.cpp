#include "lang/LoadTexts.h"
#include "lang/BuiltinTexts.h"
#include "lang/clsLanguage.h"

#include "core/lang/RecordingLanguageHost.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace osk {
namespace {

using test::Prompt;

class LanguageReaders : public ::testing::Test {
protected:
    // Names the file in the Language setting and puts it in the program folder.
    void useFile(const std::string& name, const std::string& bytes) {
        dir.write(name, bytes);
        settings.values[settings::kLanguage] = name;
    }

    bool isBuiltinSlot(int n) const { return (n >= 1 && n <= 68) || (n >= 73 && n <= 88); }

    void expectBuiltinTexts(const Texts& t) const {
        for (const BuiltinText& b : BuiltinTexts())
            EXPECT_EQ(t[b.number], b.text) << "text " << b.number;
    }

    void expectOneDefaultsMessage() const {
        ASSERT_EQ(dialogs.prompts.size(), 1u);
        const Prompt& p = dialogs.prompts.front();
        EXPECT_EQ(p.kind, Prompt::Kind::Message);
        EXPECT_EQ(p.text, "Using default language");
        EXPECT_EQ(p.title, "Set defaults");
        EXPECT_EQ(p.icon, MessageIcon::Information);
    }

    void expectFallback() const {
        expectOneDefaultsMessage();
        EXPECT_EQ(host.calls, (std::vector<std::string>{"checkEnglishMenu", "ApplyTexts"}));
        ASSERT_EQ(host.applied.size(), 1u);
        expectBuiltinTexts(host.applied.front()); // stored before the window shows them
    }

    test::TempDir dir;
    Texts texts;
    test::MemorySettingsStore settings;
    test::ScriptedDialogs dialogs;
    test::RecordingLanguageHost host{texts};
    LanguageContext context{texts, settings, dialogs, host, dir.path()};
    clsLanguage Lang{context};
};

TEST_F(LanguageReaders, NoFileGivesBuiltinTextsOnly) {
    settings.values[settings::kLanguage] = "english.lng";
    EXPECT_FALSE(LoadTexts(context));
    expectFallback();
    for (int n = 0; n < kTextSlots; ++n) {
        if (!isBuiltinSlot(n)) {
            EXPECT_EQ(texts[n], "") << "text " << n;
        }
    }
}

TEST_F(LanguageReaders, UnreadableFileFallsBack) {
    namespace fs = std::filesystem;
    const struct {
        const char* setting;
        void (*prepare)(const fs::path& folder);
    } cases[] = {
        {"", [](const fs::path&) {}},
        {"english.lng", [](const fs::path& f) { fs::create_directory(f / "english.lng"); }},
        // Only names directly in the program folder count.
        {"sub/english.lng",
         [](const fs::path& f) {
             fs::create_directory(f / "sub");
             std::ofstream(f / "sub" / "english.lng") << "[begin]\n1|from file\n";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        test::TempDir program;
        c.prepare(program.path());
        settings.values[settings::kLanguage] = c.setting;
        dialogs.prompts.clear();
        host.calls.clear();
        host.applied.clear();
        LanguageContext elsewhere{texts, settings, dialogs, host, program.path()};
        EXPECT_FALSE(LoadTexts(elsewhere));
        expectFallback();
    }
}

TEST_F(LanguageReaders, NoFileGivesOneMessagePerReader) {
    settings.values[settings::kLanguage] = "nederlands.lng";
    LoadTexts(context);
    Lang.ReadLanguage(settings.RegRead(settings::kLanguage));
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Using default language", "Using default language"}));
    EXPECT_EQ(Lang.count(), 0);
    EXPECT_EQ(Lang.getText(1), "#####");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"checkEnglishMenu", "ApplyTexts",
                                                    "checkEnglishMenu", "ApplyTexts"}));
}

TEST_F(LanguageReaders, SectionChangesOnlyItsEntries) {
    texts.set(1, "old one");
    texts.set(2, "old two");
    useFile("english.lng", "[begin]\r\n1|new one\r\n[eind]\r\n");
    EXPECT_TRUE(LoadTexts(context));
    EXPECT_EQ(texts[1], "new one");
    EXPECT_EQ(texts[2], "old two");
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(host.calls, std::vector<std::string>{"ApplyTexts"});
}

TEST_F(LanguageReaders, FileWithoutBeginIsNoFailure) {
    texts.set(1, "old one");
    useFile("english.lng", "1|new one\n\nno bar\n");
    EXPECT_TRUE(LoadTexts(context));
    Lang.putText("dropped");
    Lang.ReadLanguage("english.lng");
    EXPECT_EQ(texts[1], "old one");
    EXPECT_EQ(Lang.count(), 0);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_EQ(host.calls, std::vector<std::string>{"ApplyTexts"});
}

TEST_F(LanguageReaders, DuplicatesByNumberAndByPosition) {
    useFile("english.lng", "[begin]\n5|first\n3|three\n5|second\n");
    EXPECT_TRUE(LoadTexts(context));
    EXPECT_EQ(texts[5], "second");
    EXPECT_EQ(texts[3], "three");

    Lang.ReadLanguage("english.lng");
    EXPECT_EQ(Lang.count(), 3);
    const struct {
        int32_t index;
        const char* text;
    } positions[] = {{1, "first"},
                     {2, "three"},
                     {3, "second"},
                     {0, "#####"},
                     {4, "#####"},
                     {-1, "#####"},
                     {std::numeric_limits<int32_t>::min(), "#####"},
                     {std::numeric_limits<int32_t>::max(), "#####"}};
    for (const auto& p : positions)
        EXPECT_EQ(Lang.getText(p.index), p.text) << p.index;
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(LanguageReaders, ReadLanguageStartsANewList) {
    dir.write("a.lng", "[begin]\n1|a1\n2|a2\n3|a3\n");
    dir.write("b.lng", "[begin]\n9|b1\n");
    Lang.ReadLanguage("a.lng");
    Lang.ReadLanguage("b.lng");
    EXPECT_EQ(Lang.count(), 1);
    EXPECT_EQ(Lang.getText(1), "b1");
    EXPECT_EQ(Lang.getText(2), "#####");
    EXPECT_TRUE(host.calls.empty()); // reading the list applies nothing
    Lang.putText("added");
    EXPECT_EQ(Lang.getText(2), "added");
}

// A line that ends the reading: what came before stays, the rest is never read, and the
// built-in texts take over their slots. ReadLanguage does not check the 0..300 range.
struct FailingLine {
    const char* name;
    const char* line;
    bool failsLoadTexts;
    bool failsReadLanguage;
};

std::ostream& operator<<(std::ostream& os, const FailingLine& c) {
    return os << c.name;
}

class LanguageReadersFailingLine : public LanguageReaders,
                                   public ::testing::WithParamInterface<FailingLine> {};

TEST_P(LanguageReadersFailingLine, KeepsWhatWasReadBefore) {
    const FailingLine& c = GetParam();
    useFile("english.lng", std::string("[begin]\n205|kept\n1|mine\n") + c.line + "\n206|after\n");

    EXPECT_EQ(LoadTexts(context), !c.failsLoadTexts);
    EXPECT_EQ(texts[205], "kept");
    if (c.failsLoadTexts) {
        expectFallback();
        EXPECT_EQ(texts[206], "");
        EXPECT_EQ(texts[1], "Scale Y-as");
    } else {
        EXPECT_EQ(texts[206], "after");
        EXPECT_EQ(texts[1], "mine");
    }

    dialogs.prompts.clear();
    Lang.ReadLanguage("english.lng");
    EXPECT_EQ(dialogs.prompts.size(), c.failsReadLanguage ? 1u : 0u);
    EXPECT_EQ(Lang.count(), c.failsReadLanguage ? 2 : 4);
    EXPECT_EQ(Lang.getText(2), "mine");
}

INSTANTIATE_TEST_SUITE_P(Lines, LanguageReadersFailingLine,
                         ::testing::Values(FailingLine{"Above300", "301|x", true, false},
                                           FailingLine{"Negative", "-1|x", true, false},
                                           FailingLine{"Not16Bit", "40000|x", true, true},
                                           FailingLine{"Empty", "", true, true},
                                           FailingLine{"NoBar", "text without bar", true, true},
                                           FailingLine{"EmptyAfterEind", "[eind]\n", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageReaders, FileNameMatchesWithoutRegardToCase) {
    const struct {
        std::vector<std::pair<const char*, const char*>> files; // name, text 1
        const char* setting;
        const char* expected;
    } cases[] = {
        {{{"english.lng", "lower"}}, "English.lng", "lower"},
        {{{"NEDERLANDS.LNG", "upper"}}, "nederlands.lng", "upper"},
        {{{"lang.lng", "exact"}, {"LANG.lng", "other"}}, "lang.lng", "exact"},
        {{{"lang.lng", "other"}, {"LANG.lng", "exact"}}, "LANG.lng", "exact"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        test::TempDir program;
        for (const auto& [name, text] : c.files)
            program.write(name, std::string("[begin]\n1|") + text + "\n");
        settings.values[settings::kLanguage] = c.setting;
        LanguageContext here{texts, settings, dialogs, host, program.path()};
        EXPECT_TRUE(LoadTexts(here));
        EXPECT_EQ(texts[1], c.expected);
        clsLanguage list(here);
        list.ReadLanguage(c.setting);
        EXPECT_EQ(list.getText(1), c.expected);
    }
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(LanguageReaders, Windows1252FileReadsAsUtf8) {
    useFile("nederlands.lng", "[begin]\r\n1|Geen ge\xEFnstalleerde printer\r\n2|Ge\xEBrd\r\n");
    EXPECT_TRUE(LoadTexts(context));
    EXPECT_EQ(texts[1], "Geen ge\xC3\xAFnstalleerde printer");
    EXPECT_EQ(texts[2], "Ge\xC3\xABrd");
}

TEST(BuiltinTexts, CoverExactlyTheProgramsNumbers) {
    std::vector<int> numbers;
    for (const BuiltinText& b : BuiltinTexts())
        numbers.push_back(b.number);
    std::vector<int> expected;
    for (int n = 1; n <= 88; ++n)
        if (n < 69 || n > 72)
            expected.push_back(n);
    EXPECT_EQ(numbers, expected);
}

} // namespace
} // namespace osk
