// Draws laid-out page items onto a page surface, in their order, each text in its font and
// each line with its own pen.
#pragma once

#include "print/PageLayout.h"
#include "print/PageSurface.h"

#include <span>

namespace osk {

void DrawPageItems(PageSurface& page, std::span<const PageItem> items);

} // namespace osk
