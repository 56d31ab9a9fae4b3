// The in-memory copy of one log: record times and values, the record count and where the
// log came from. One table lives for the whole run; every read overwrites it in place.
#pragma once

#include "logdata/clsOSK.h"

#include <cstdint>
#include <string>
#include <vector>

namespace osk {

inline constexpr int kRecordRows = 20001; // rows 0..20000; records are numbered from 1
inline constexpr int kRecordColumns = 31; // columns 0..30; column c holds field c
inline constexpr int kMaxRecords = 19999; // the reader stops here, leaving a free row

struct RecordTable {
    RecordTable()
        : values(static_cast<size_t>(kRecordRows) * kRecordColumns, 0.0), RecordTime(kRecordRows) {}

    // Row-major, allocated once: values[r * kRecordColumns + c].
    std::vector<double> values;
    std::vector<std::string> RecordTime;
    int32_t RecordCount = 0;
    bool FileLoaded = false;
    int32_t ViewEndRecord = 0;
    clsOSK LogSource;

    // Whether the table follows the companion's real-time file.
    bool RealtimeOn = false;

    double& RecordValue(int r, int c) { return values[index(r, c)]; }
    double RecordValue(int r, int c) const { return values[index(r, c)]; }

    static bool validRow(int r) { return r >= 0 && r < kRecordRows; }

private:
    static size_t index(int r, int c) {
        return static_cast<size_t>(r) * kRecordColumns + static_cast<size_t>(c);
    }
};

} // namespace osk
