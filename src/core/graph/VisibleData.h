// The records of the time window as drawn, as a CSV table: the record time, then one column per
// drawn series headed by its legend text, with the values as the log holds them.
#pragma once

#include "graph/RenderState.h"
#include "lang/Texts.h"
#include "logdata/RecordTable.h"

#include <cstdint>
#include <string>

namespace osk {

// The records oldest..newest of the table. Record 0, the table's empty row, is never one of
// them; a range that holds no record (oldest 0, or past newest) gives the header alone.
struct DrawnRecords {
    int32_t oldest = 0;
    int32_t newest = 0;
};

// One field of a CSV line: as it is, or in double quotes with its quotes doubled when it holds
// a comma, a quote or a line break.
std::string CsvField(const std::string& text);

// A value with a decimal point, as short as reads back to the same number.
std::string CsvNumber(double value);

// The CSV table of the drawn records: a header line "Time" plus the legend texts of the drawn
// series in legend order, then one line per record, oldest first; lines end in CRLF. The
// series are those the window draws (a sub-series only under its group's box); the values are
// not scaled for the value axis.
std::string VisibleDataCsv(const RecordTable& records, DrawnRecords drawn,
                           const SeriesSelection& seriesOn, const Texts& texts,
                           int16_t productTextIndex);

} // namespace osk
