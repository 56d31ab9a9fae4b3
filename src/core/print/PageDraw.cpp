#include "print/PageDraw.h"

#include <string>
#include <type_traits>

namespace osk {

void DrawPageItems(PageSurface& page, std::span<const PageItem> items) {
    for (const PageItem& item : items) {
        std::visit(
            [&page](const auto& it) {
                using T = std::decay_t<decltype(it)>;
                if constexpr (std::is_same_v<T, PagePicturePlacement>) {
                    page.drawPicture(it.which, it.x, it.y, it.width, it.height);
                } else if constexpr (std::is_same_v<T, PageText>) {
                    page.setFontName(std::string(it.font.name));
                    page.setFontSize(it.font.points);
                    page.setForeColor(kBlack);
                    page.setCurrentX(it.x);
                    page.setCurrentY(it.y);
                    page.printText(it.text);
                } else {
                    page.setDrawWidth(it.width);
                    page.setForeColor(it.colour);
                    page.line(it.x1, it.y1, it.x2, it.y2);
                    // Texts and later lines start from the thin pen again.
                    page.setDrawWidth(1);
                }
            },
            item);
    }
}

} // namespace osk
