#include "view/TimeLists.h"

#include "common/Numbers.h"
#include "common/Text.h"

namespace osk {

std::array<std::string, kSpanItems> SpanItemTexts(std::string_view hourText) {
    std::array<std::string, kSpanItems> items;
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = std::to_string(kSpanHourItems[i]) + " " + std::string(hourText);
    return items;
}

double SpanHours(std::string_view XasText) {
    return leadingNumber(left(XasText, 3)).value;
}

std::array<std::string, kGridStepItems> GridStepItemTexts(std::string_view hourText,
                                                          std::string_view minutesText) {
    std::array<std::string, kGridStepItems> items;
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = std::to_string(kGridStepList[i].number) + " " +
                   std::string(kGridStepList[i].inHours ? hourText : minutesText);
    return items;
}

double GridStepMinutes(std::string_view gridXText) {
    const double number = leadingNumber(left(gridXText, 2)).value;
    for (const GridStepItem& item : kGridStepList)
        if (number == item.number)
            return item.inHours ? item.number * 60 : item.number;
    return 0;
}

} // namespace osk
