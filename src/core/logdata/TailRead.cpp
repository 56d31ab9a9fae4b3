#include "logdata/TailRead.h"

#include "common/FileOpen.h"
#include "logdata/RecordTable.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <vector>

namespace osk {

namespace {

// A line, its line end included, longer than this is refused, as by the read from the front.
inline constexpr uint64_t kMaxLineWithEnd = kMaxLineBytes + 2;
// Reads that find the source shorter than it was a moment before, before the reader gives up
// until the next time.
inline constexpr int kAttempts = 3;

enum class Step { Ok, Unreadable, LineTooLong, Shrunk };

class FileSource : public RandomAccessSource {
public:
    explicit FileSource(ReadOnlyFile& file) : file_(file) {}
    std::optional<uint64_t> size() override { return file_.size(); }
    std::optional<size_t> readAt(uint64_t offset, char* buffer, size_t size) override {
        return file_.readAt(offset, buffer, size);
    }

private:
    ReadOnlyFile& file_;
};

// Exactly size bytes from offset on; Shrunk when the source ends before them.
Step readExactly(RandomAccessSource& source, uint64_t offset, char* buffer, size_t size) {
    while (size > 0) {
        const std::optional<size_t> got = source.readAt(offset, buffer, size);
        if (!got)
            return Step::Unreadable;
        if (*got == 0)
            return Step::Shrunk;
        const size_t n = std::min(*got, size);
        offset += n;
        buffer += n;
        size -= n;
    }
    return Step::Ok;
}

struct Header {
    std::string text; // the first line without its line end
    uint64_t end = 0; // where the record lines begin: just after the header's line end
    bool terminated = false;
};

// The first line of the source's first size bytes, read front to back.
Step readHeader(RandomAccessSource& source, uint64_t size, size_t chunk, Header& header) {
    std::string& text = header.text;
    uint64_t pos = 0;
    while (pos < size) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(chunk, size - pos));
        const size_t old = text.size();
        text.resize(old + n);
        if (const Step s = readExactly(source, pos, text.data() + old, n); s != Step::Ok)
            return s;
        pos += n;
        const size_t cut = text.find_first_of("\r\n", old);
        if (cut == std::string::npos) {
            if (text.size() > kMaxLineWithEnd)
                return Step::LineTooLong;
            continue;
        }
        header.end = cut + 1;
        if (text[cut] == '\r' && header.end < size) {
            // CR LF is one line end; the LF may lie beyond what was read.
            char after = 0;
            if (header.end < text.size()) {
                after = text[header.end];
            } else if (const Step s = readExactly(source, header.end, &after, 1); s != Step::Ok) {
                return s;
            }
            if (after == '\n')
                ++header.end;
        }
        if (header.end > kMaxLineWithEnd)
            return Step::LineTooLong;
        text.resize(cut);
        header.terminated = true;
        return Step::Ok;
    }
    header.end = size;
    return Step::Ok;
}

struct Tail {
    uint64_t start = 0;              // where the oldest kept line begins
    uint64_t lowest = 0;             // where the last piece read begins
    std::vector<std::string> pieces; // the bytes from lowest to the end, newest piece first
};

// Reads [from, size) backwards until the line end before the oldest line to keep is met, or
// from is reached. A line end is an LF, a CR before an LF, or a CR alone; going backwards the
// byte after each byte is known, so a CR LF across two pieces counts once.
Step findTail(RandomAccessSource& source, uint64_t from, uint64_t size, bool dropUnterminated,
              size_t chunk, Tail& tail) {
    uint64_t pos = size;     // the pieces cover [pos, size)
    uint64_t lineEnd = size; // just after the line end of the line being scanned
    int64_t endsWanted = -1;
    int64_t endsFound = 0;
    int next = -1; // the byte after the one looked at; -1 past the end
    tail.start = from;
    tail.lowest = size;
    while (pos > from) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(chunk, pos - from));
        pos -= n;
        std::string piece(n, '\0');
        if (const Step s = readExactly(source, pos, piece.data(), n); s != Step::Ok)
            return s;
        if (endsWanted < 0) {
            const bool terminated = piece.back() == '\n' || piece.back() == '\r';
            // A last line without line end is kept beside the records when the parse drops it.
            const int64_t lines = kMaxRecords + (!terminated && dropUnterminated ? 1 : 0);
            // Each kept line's own line end is met first (the last line has none when it is
            // unterminated), then the one before the oldest kept line.
            endsWanted = lines + (terminated ? 1 : 0);
        }
        tail.pieces.push_back(std::move(piece));
        tail.lowest = pos;
        const std::string& bytes = tail.pieces.back();
        for (size_t j = n; j-- > 0;) {
            const char c = bytes[j];
            const bool isEnd = c == '\n' || (c == '\r' && next != '\n');
            next = static_cast<unsigned char>(c);
            if (!isEnd)
                continue;
            const uint64_t lineStart = pos + j + 1;
            if (lineEnd - lineStart > kMaxLineWithEnd)
                return Step::LineTooLong;
            lineEnd = lineStart;
            if (++endsFound == endsWanted) {
                tail.start = lineStart;
                return Step::Ok;
            }
        }
        // The line being scanned reaches back at least to pos.
        if (lineEnd - pos > kMaxLineWithEnd)
            return Step::LineTooLong;
    }
    return Step::Ok;
}

// The header, a plain LF (the header's own line end could join an LF at the start of the kept
// lines into one CR LF) and the kept lines.
std::string assemble(const Header& header, Tail& tail) {
    std::string out = header.text;
    if (!header.terminated)
        return out;
    out += '\n';
    uint64_t kept = 0;
    for (const std::string& piece : tail.pieces)
        kept += piece.size();
    out.reserve(out.size() + static_cast<size_t>(kept - (tail.start - tail.lowest)));
    uint64_t pieceStart = tail.lowest;
    for (auto piece = tail.pieces.rbegin(); piece != tail.pieces.rend(); ++piece) {
        const uint64_t skip = tail.start > pieceStart
                                  ? std::min<uint64_t>(piece->size(), tail.start - pieceStart)
                                  : 0;
        out.append(*piece, static_cast<size_t>(skip));
        pieceStart += piece->size();
        std::string().swap(*piece); // each piece is let go as soon as it is copied
    }
    return out;
}

} // namespace

LogBytes readLogTail(RandomAccessSource& source, const ParseOptions& options, size_t chunk) try {
    chunk = std::max<size_t>(chunk, 1);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::optional<uint64_t> size = source.size();
        if (!size)
            return LogBytes{LogBytesStatus::Unreadable, {}};
        Header header;
        Tail tail;
        Step step = readHeader(source, *size, chunk, header);
        if (step == Step::Ok && header.terminated)
            step =
                findTail(source, header.end, *size, options.dropUnterminatedLastLine, chunk, tail);
        switch (step) {
        case Step::Ok: {
            const bool leftOut = header.terminated && tail.start > header.end;
            return LogBytes{LogBytesStatus::Ok, assemble(header, tail), leftOut};
        }
        case Step::LineTooLong:
            return LogBytes{LogBytesStatus::LineTooLong, {}};
        case Step::Unreadable:
            return LogBytes{LogBytesStatus::Unreadable, {}};
        case Step::Shrunk:
            break;
        }
    }
    return LogBytes{LogBytesStatus::Unreadable, {}};
} catch (const std::bad_alloc&) {
    return LogBytes{LogBytesStatus::Unreadable, {}};
} catch (const std::length_error&) {
    return LogBytes{LogBytesStatus::Unreadable, {}};
}

LogBytes readLogFileTail(const std::string& utf8Name, const ParseOptions& options, size_t chunk) {
    std::optional<ReadOnlyFile> file = ReadOnlyFile::open(utf8Name);
    if (!file)
        return LogBytes{LogBytesStatus::Unreadable, {}};
    FileSource source(*file);
    return readLogTail(source, options, chunk);
}

} // namespace osk
