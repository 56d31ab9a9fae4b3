// The disinfectant product the installation doses, as chosen in the settings: it names the
// product series and gives its unit.
#pragma once

#include "common/SettingsStore.h"
#include "lang/TextNumbers.h"

#include <cstdint>
#include <string>

namespace osk {

// Text number of the product name for the stored product system ("Chloor" -> 74,
// "Peroxide" -> 17, "Tarvox" -> 75, anything else 0). Reads the store at every call, so a
// menu change is seen at once.
int16_t ProductTextIndex(SettingsStore& store);

// The unit written after the product name in the legend.
std::string ProductUnitText(int16_t productTextIndex);

// True for a product the program knows by name.
bool IsKnownProduct(int16_t productTextIndex);

} // namespace osk
