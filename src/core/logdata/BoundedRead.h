// Reading the bytes of a log in chunks, front to back, no further than the record table can use:
// the header line and kMaxRecords record lines. The rest of a longer file is never read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace osk {

// No record line is anywhere near this long; a longer one means the file is not a log.
inline constexpr size_t kMaxLineBytes = size_t{4} << 20;
inline constexpr size_t kReadChunk = size_t{1} << 20;

// Bytes read front to back.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to size bytes into buffer; 0 at the end, nullopt on a read error.
    virtual std::optional<size_t> read(char* buffer, size_t size) = 0;
};

enum class LogBytesStatus { Ok, Unreadable, LineTooLong };

struct LogBytes {
    LogBytesStatus status = LogBytesStatus::Ok;
    // The bytes for the parse. Read from the front: the file up to and including the line end
    // of the last line the table can hold (or the whole file when it is shorter).
    std::string bytes;
    // Record lines before those in bytes were left out (only a read from the newest end does).
    bool olderLinesLeftOut = false;
};

LogBytes readLogBytes(ByteSource& source, size_t chunk = kReadChunk);

// The same for a file named in UTF-8; a file that is missing or not a regular file is
// Unreadable.
LogBytes readLogFile(const std::string& utf8Name, size_t chunk = kReadChunk);

} // namespace osk
