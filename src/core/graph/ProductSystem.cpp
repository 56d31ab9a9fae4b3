#include "graph/ProductSystem.h"

namespace osk {

int16_t ProductTextIndex(SettingsStore& store) {
    // Exact, case-sensitive: the menu commands write these very words.
    const std::string system = store.RegRead(settings::kSystem);
    if (system == "Chloor")
        return kTextFreeChlorine;
    if (system == "Peroxide")
        return kTextPeroxide;
    if (system == "Tarvox")
        return kTextTarvox;
    return 0;
}

std::string ProductUnitText(int16_t productTextIndex) {
    // Free chlorine is logged in hundredths of mg/L.
    return productTextIndex == kTextFreeChlorine ? " mg/L (/100)" : " ppm";
}

bool IsKnownProduct(int16_t productTextIndex) {
    return productTextIndex == kTextFreeChlorine || productTextIndex == kTextPeroxide ||
           productTextIndex == kTextTarvox;
}

} // namespace osk
