// Scroll bars whose larger values are at the top (the value scale's bars) behaving as they
// look: the up arrow, the trough above the thumb, the Up and Page Up keys and the wheel turned
// away all raise the value and move the thumb up.
#pragma once

class QScrollBar;

namespace osk {

// bar must already show its larger values at the top (inverted appearance). The keys and the
// wheel then follow the appearance by themselves; the arrow buttons and the trough, which the
// scroll bar places for a bar with its larger values at the bottom, are turned round here.
void makeUpsideDownBarNatural(QScrollBar& bar);

} // namespace osk
