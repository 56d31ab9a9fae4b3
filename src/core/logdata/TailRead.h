// Reading a growing log from its newest end: the header line from the start, then the last lines
// the record table can hold, found by reading backwards from the end. A file of any length costs
// no more than those lines.
#pragma once

#include "logdata/BoundedRead.h"
#include "logdata/LogParse.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace osk {

// Bytes that can be read at any offset, such as a file.
class RandomAccessSource {
public:
    virtual ~RandomAccessSource() = default;
    // The number of bytes now; nullopt when it cannot be told.
    virtual std::optional<uint64_t> size() = 0;
    // Up to size bytes from offset on; 0 at or past the end, nullopt on a read error.
    virtual std::optional<size_t> readAt(uint64_t offset, char* buffer, size_t size) = 0;
};

// The header line and the newest kMaxRecords record lines (as options count them: with
// dropUnterminatedLastLine a last line without line end is kept in the bytes but is no record).
// Parsed with the same options, the bytes give the table of the header followed by those lines.
// olderLinesLeftOut tells that record lines before them were left out. A source that shrinks
// while it is read is read again from its new end; one that keeps shrinking is Unreadable.
LogBytes readLogTail(RandomAccessSource& source, const ParseOptions& options,
                     size_t chunk = kReadChunk);

// The same for a file named in UTF-8; a file that is missing or not a regular file is
// Unreadable.
LogBytes readLogFileTail(const std::string& utf8Name, const ParseOptions& options,
                         size_t chunk = kReadChunk);

} // namespace osk
