// Many short excursions in a loaded table: the product rises above its high alarm for half a
// minute every three minutes and the pH drops below its low alarm for twenty seconds every five,
// so that runs open and close all the time.
#pragma once

#include "logdata/RecordTable.h"

namespace osk::bench {

inline void addExcursions(RecordTable& table) {
    for (int r = 1; r <= table.RecordCount; ++r) {
        if (r % 18 < 3)
            table.RecordValue(r, 10) = table.RecordValue(r, 6) + 5;
        if (r % 30 < 2)
            table.RecordValue(r, 15) = table.RecordValue(r, 12) - 0.2;
    }
}

} // namespace osk::bench
