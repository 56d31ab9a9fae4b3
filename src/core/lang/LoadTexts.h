// Filling the text table from the chosen language file, and the fall-back to the built-in
// English texts when that file cannot be read.
#pragma once

#include "lang/LanguageContext.h"
#include "lang/LanguageFile.h"

namespace osk {

// Stores the entries in file order, a later entry replacing an earlier one with the same
// number. Stops at the first entry numbered outside 0..300, keeping what was stored before it.
// False when such an entry or the file's own failure ended the reading.
bool storeLanguageEntries(const LanguageFile& file, Texts& texts);

// Reads the file named by the Language setting from the program folder into the table and
// applies the texts; on any failure falls back to SetDefaultTexts. False after a fall-back.
bool LoadTexts(const LanguageContext& context);

// Says "Using default language", stores the built-in English texts over whatever the table
// holds in their slots, checks the English menu entry and applies the texts.
void SetDefaultTexts(const LanguageContext& context);

} // namespace osk
