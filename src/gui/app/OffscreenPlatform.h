// Drawing without a display (the render tool, the tests): Qt's offscreen platform, with fonts.
#pragma once

namespace osk {

// Chooses Qt's offscreen platform unless QT_QPA_PLATFORM names another. Call before the
// QApplication is made. On Windows the offscreen platform reads its fonts from a folder,
// QT_QPA_FONTDIR, which is pointed at the system's fonts unless it is set already: without it
// every text would be drawn as boxes.
void useOffscreenPlatform();

} // namespace osk
