// Where one move of the time scroll bar takes the window: to the neighbouring hour boundary in
// the direction of the move, whatever the size of the move.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace osk {

// The new ViewEndRecord after the scroll bar moved to scrollerValue. Back (scrollerValue below
// ViewEndRecord): the newest older record of another hour than the window end; forward: the
// first newer record of another hour, or RecordCount when the window end lies in the log's
// last hour; no move when the value is unchanged or the boundary would fall below record 2.
// Records whose hour cannot be read (see RecordHour) are never a boundary: the search passes
// over them, and from a window end with an unreadable hour the first readable record in the
// direction of the move is the boundary. A window end outside the table does not move, and
// the forward search stops at the table's last row.
int32_t NeighbourHourEnd(std::span<const std::string> RecordTime, int32_t ViewEndRecord,
                         int32_t scrollerValue, int32_t RecordCount);

} // namespace osk
