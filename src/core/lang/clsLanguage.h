// The texts of one language file in file order, for the few places (the About box) that ask
// for a text by its position instead of its number.
#pragma once

#include "lang/LanguageContext.h"

#include <cstdint>
#include <string>
#include <vector>

namespace osk {

class clsLanguage {
public:
    explicit clsLanguage(const LanguageContext& context);

    // The text at the 1-based position Index of the list; "#####" when there is none.
    std::string getText(int32_t Index) const;

    // Replaces the list with the entries of the file Language (a file name as the Language
    // setting holds it) from the program folder. Entry numbers are checked but not used. On
    // a failure the entries read so far stay and the built-in texts take over the text table
    // (SetDefaultTexts). Does not apply the texts otherwise.
    void ReadLanguage(const std::string& Language);

    // Appends Value to the list.
    void putText(const std::string& Value);

    int32_t count() const { return static_cast<int32_t>(texts_.size()); }

private:
    LanguageContext context_;
    std::vector<std::string> texts_;
};

} // namespace osk
