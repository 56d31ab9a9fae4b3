#include "logdata/LogParse.h"

#include "common/Numbers.h"
#include "common/Text.h"

#include <algorithm>
#include <cstring>

namespace osk {

namespace {

inline constexpr int kLastField = kRecordColumns - 1; // field 30 goes to column 30
inline constexpr int kTimeField = 4;
inline constexpr long kHeaderWordWindow = 10;
inline constexpr long kHeaderNameWindow = 40;
inline constexpr std::string_view kHeaderWord = "Record";
inline constexpr std::string_view kNameMarker = "$%^";

// Position of the first c in text[from..), or text.size() when there is none.
size_t findFrom(std::string_view text, size_t from, char c) {
    if (from >= text.size())
        return text.size();
    const void* hit = std::memchr(text.data() + from, c, text.size() - from);
    return hit == nullptr ? text.size()
                          : static_cast<size_t>(static_cast<const char*>(hit) - text.data());
}

// Cuts a text into lines at CR LF, LF or CR. A line end at the very end does not start another
// line. The next CR and the next LF are remembered, so a file with only one kind of line end is
// not searched to its end for the other kind on every line.
class LineCutter {
public:
    explicit LineCutter(std::string_view text)
        : text_(text), nextLf_(findFrom(text, 0, '\n')), nextCr_(findFrom(text, 0, '\r')) {}

    // The next line; false when the text is used up. terminated tells whether a line end
    // followed it.
    bool next(std::string_view& line, bool& terminated) {
        if (pos_ >= text_.size())
            return false;
        if (nextLf_ < pos_)
            nextLf_ = findFrom(text_, pos_, '\n');
        if (nextCr_ < pos_)
            nextCr_ = findFrom(text_, pos_, '\r');
        const size_t end = std::min(nextLf_, nextCr_);
        line = text_.substr(pos_, end - pos_);
        terminated = end < text_.size();
        pos_ = terminated ? end + 1 : end;
        if (terminated && text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        return true;
    }

    int64_t lineNumber() const { return lines_; }
    void countLine() { ++lines_; }

private:
    std::string_view text_;
    size_t pos_ = 0;
    size_t nextLf_;
    size_t nextCr_;
    int64_t lines_ = 0;
};

// Stores one record line into row r. Returns the failing field, or 0 when the line was fine.
int32_t storeRecord(std::string_view line, RecordTable& table, int32_t r,
                    ReadFailureKind& failure) {
    double* const row = &table.RecordValue(r, 0);
    // Fields are a few characters long: a plain loop finds the next comma sooner than a call.
    const char* begin = line.data();
    const char* const end = begin + line.size();
    int32_t field = 1;
    for (;;) {
        if (field > kLastField) {
            failure = ReadFailureKind::TooManyFields;
            return field;
        }
        const char* comma = begin;
        while (comma != end && *comma != ',')
            ++comma;
        if (field >= kTimeField) {
            std::string_view text(begin, static_cast<size_t>(comma - begin));
            // Most fields have no blanks around them; only those need trimming.
            if (!text.empty() && (text.front() == ' ' || text.back() == ' '))
                text = trimBlanks(text);
            if (field == kTimeField) {
                table.RecordTime[static_cast<size_t>(r)].assign(text);
            } else {
                const LeadingNumber n = leadingNumber(text);
                if (n.outOfRange) {
                    failure = ReadFailureKind::NumberOutOfRange;
                    return field;
                }
                row[field] = n.value;
            }
        }
        if (comma == end)
            return 0;
        begin = comma + 1;
        ++field;
    }
}

} // namespace

ParseResult parseLog(std::string_view content, RecordTable& table, const ParseOptions& options) {
    ParseResult result;
    if (content.empty()) {
        result.outcome = ParseOutcome::EmptyFile;
        return result;
    }
    table.RecordCount = 0;

    LineCutter lines(content);
    std::string_view line;
    bool terminated = false;
    lines.next(line, terminated); // content is not empty, so there is a first line
    lines.countLine();
    if (left(line, kHeaderWordWindow).find(kHeaderWord) == std::string_view::npos) {
        result.outcome = ParseOutcome::BadHeader;
        return result;
    }
    const std::string_view tail = right(line, kHeaderNameWindow);
    const size_t marker = tail.find(kNameMarker);
    if (marker != std::string_view::npos) {
        result.hasName = true;
        result.name = trimBlanks(tail.substr(marker + kNameMarker.size()));
    }

    while (table.RecordCount < kMaxRecords && lines.next(line, terminated)) {
        lines.countLine();
        if (!terminated && options.dropUnterminatedLastLine)
            break;
        const int32_t r = ++table.RecordCount;
        const int32_t badField = storeRecord(line, table, r, result.failure);
        if (badField != 0) {
            result.outcome = ParseOutcome::ReadFailure;
            result.failureLine = lines.lineNumber();
            result.failureField = badField;
            break;
        }
        if (table.RecordCount == kMaxRecords)
            result.tooBig = true;
    }
    result.recordCount = table.RecordCount;
    return result;
}

} // namespace osk
