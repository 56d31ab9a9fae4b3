#include "logdata/BoundedRead.h"

#include "common/FileOpen.h"
#include "logdata/RecordTable.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace osk {

namespace {

// The header line and every record line the table can hold.
inline constexpr long kLinesNeeded = long{kMaxRecords} + 1;

class FileSource : public ByteSource {
public:
    explicit FileSource(ReadOnlyFile& file) : file_(file) {}
    std::optional<size_t> read(char* buffer, size_t size) override {
        return file_.read(buffer, size);
    }

private:
    ReadOnlyFile& file_;
};

} // namespace

LogBytes readLogBytes(ByteSource& source, size_t chunk) try {
    chunk = std::max<size_t>(chunk, 1);
    LogBytes out;
    std::string& data = out.bytes;
    long lineEnds = 0;
    size_t lineStart = 0; // where the line being read began
    for (;;) {
        const size_t old = data.size();
        data.resize(old + chunk);
        const std::optional<size_t> got = source.read(data.data() + old, chunk);
        if (!got) {
            out.status = LogBytesStatus::Unreadable;
            out.bytes.clear();
            return out;
        }
        data.resize(old + *got);
        const bool atEnd = *got == 0;
        // A line end is known at the byte after it: an LF ends its line there, and a CR ends
        // its line when the next byte is not an LF. A CR as the last byte read waits for the
        // next chunk.
        for (size_t i = old; i < data.size(); ++i) {
            size_t keep = 0;
            if (data[i] == '\n') {
                keep = i + 1;
            } else if (i > 0 && data[i - 1] == '\r') {
                keep = i;
            } else {
                continue;
            }
            if (keep - lineStart > kMaxLineBytes + 2) {
                out.status = LogBytesStatus::LineTooLong;
                out.bytes.clear();
                return out;
            }
            lineStart = keep;
            if (++lineEnds == kLinesNeeded) {
                data.resize(keep);
                return out;
            }
        }
        if (data.size() - lineStart > kMaxLineBytes + 2) {
            out.status = LogBytesStatus::LineTooLong;
            out.bytes.clear();
            return out;
        }
        if (atEnd)
            return out;
    }
} catch (const std::bad_alloc&) {
    return LogBytes{LogBytesStatus::Unreadable, {}};
} catch (const std::length_error&) {
    return LogBytes{LogBytesStatus::Unreadable, {}};
}

LogBytes readLogFile(const std::string& utf8Name, size_t chunk) {
    std::optional<ReadOnlyFile> file = ReadOnlyFile::open(utf8Name);
    if (!file)
        return LogBytes{LogBytesStatus::Unreadable, {}};
    FileSource source(*file);
    return readLogBytes(source, chunk);
}

} // namespace osk
