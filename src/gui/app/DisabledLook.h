// Disabled controls that look disabled. The style paints a scroll bar's thumb and groove, and a
// button's face, in the button colour, and its own palette gives that colour no disabled
// variant: a disabled bar greys its arrows only and otherwise looks enabled.
#pragma once

class QWidget;

namespace osk {

// Gives the window (and every control in it that does not set its own) a faded button colour
// for disabled controls, halfway between the button colour and the base (paper) colour.
void fadeDisabledButtonFaces(QWidget& window);

} // namespace osk
