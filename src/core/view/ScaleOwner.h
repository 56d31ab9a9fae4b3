// Which scale control owns the current change: the first handler of a cascade of nested bar
// changes claims it, nested handlers only rebuild the labels, and the owner redraws once and
// frees it at its end.
#pragma once

#include "view/ViewState.h"

#include <cstdint>

namespace osk {

// Claims the change for id when no control owns it; true when id owns it afterwards.
inline bool ClaimScaleChange(int16_t& ScaleChangeOwner, ScaleChangeOwnerId id) {
    if (ScaleChangeOwner == kOwnerNone)
        ScaleChangeOwner = id;
    return ScaleChangeOwner == id;
}

// Frees the change when id owns it; a nested handler leaves a foreign owner alone.
inline void ReleaseScaleChange(int16_t& ScaleChangeOwner, ScaleChangeOwnerId id) {
    if (ScaleChangeOwner == id)
        ScaleChangeOwner = kOwnerNone;
}

} // namespace osk
