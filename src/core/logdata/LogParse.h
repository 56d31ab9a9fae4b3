// The parse of one log file held in memory into the record table: header check, installation
// name, record lines and the record cap. It shows nothing; what happened comes back as data.
#pragma once

#include "logdata/RecordTable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace osk {

struct ParseOptions {
    // A last line without its line end is not taken as a record. The real-time refresh reads a
    // file that the companion may be writing at that very moment.
    bool dropUnterminatedLastLine = false;
};

enum class ParseOutcome {
    Ok,          // header accepted, every record line read (up to the cap)
    EmptyFile,   // 0 bytes; the table is untouched
    BadHeader,   // no "Record" within the first 10 characters of the first line
    ReadFailure, // a record line with 31 or more fields, or a number too large for a double
};

enum class ReadFailureKind { None, TooManyFields, NumberOutOfRange };

struct ParseResult {
    ParseOutcome outcome = ParseOutcome::Ok;
    int32_t recordCount = 0; // also left in RecordTable::RecordCount
    bool tooBig = false;     // the 19999th record was stored and reading stopped there
    bool hasName = false;    // the header carries the "$%^" marker
    std::string name;        // the installation name after the marker, blanks trimmed
    ReadFailureKind failure = ReadFailureKind::None;
    int64_t failureLine = 0;  // 1-based line of the file (the header is line 1)
    int32_t failureField = 0; // 1-based field of that line
};

// Reads the whole file content into the table in one pass. Records go to rows 1..RecordCount;
// a line with fewer than c fields leaves column c of its row untouched, and a line with fewer
// than four fields stores nothing but still counts. On a read failure the records stored before
// it (and the fields of the failing line before the bad one) stay in the table.
// FileLoaded, ViewEndRecord, LogSource and the real-time counters are left to the caller.
ParseResult parseLog(std::string_view content, RecordTable& table,
                     const ParseOptions& options = {});

} // namespace osk
