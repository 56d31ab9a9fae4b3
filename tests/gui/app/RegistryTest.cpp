// On Windows the settings are the registry's: what the program stores is there as text values
// for any other program to read, and what another program writes there is what it uses.
#include "gui/app/ProgramFixture.h"

#include <windows.h>

namespace osk::test {
namespace {

// A text value under HKEY_CURRENT_USER, read with the Windows API; nullopt when there is no such
// value or it is no text.
std::optional<std::wstring> registryText(const wchar_t* key, const wchar_t* name) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

class RegistryTest : public ProgramFixture {};

TEST_F(RegistryTest, TheDefaultsOfTheFirstStartAreTextValuesOfTheProgramsKey) {
    installBothLanguages();
    ASSERT_NE(start(QStringLiteral("Nederlands")), nullptr);
    EXPECT_EQ(registryText(L"Software\\Graphs", L"Color"), L"True");
    EXPECT_EQ(registryText(L"Software\\Graphs", L"Language"), L"Nederlands.lng");
    EXPECT_EQ(registryText(L"Software\\Graphs", L"System"), L"Chloor");
    EXPECT_EQ(registryText(L"Software\\Remote", L"DataDir"), std::nullopt);
}

TEST_F(RegistryTest, TheOpenDialogStartsInTheDataDirThatAnotherProgramWrote) {
    startReturning();
    const std::wstring folder = L"C:\\Programma's\\OSK Remote \u00e9\u00eb";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Remote", L"DataDir", REG_SZ,
                              folder.c_str(),
                              static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    dialogs.cancelFile();
    dialogs.answerNo();
    c->mnuOpenFile->trigger();
    ASSERT_FALSE(dialogs.prompts.empty());
    EXPECT_EQ(dialogs.prompts[0].request.initialFolder,
              "C:\\Programma's\\OSK Remote \xc3\xa9\xc3\xab\\Data");
}

} // namespace
} // namespace osk::test
