#include "logdata/LogParse.h"

#include "common/Lines.h"
#include "common/Numbers.h"
#include "common/Text.h"
#include "lang/TextEncoding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

namespace osk {

namespace {

inline constexpr int kLastField = kRecordColumns - 1; // field 30 goes to column 30
inline constexpr int kTimeField = 4;
inline constexpr size_t kHeaderWordWindow = 10;
inline constexpr size_t kHeaderNameWindow = 40;
inline constexpr std::string_view kHeaderWord = "Record";
inline constexpr std::string_view kNameMarker = "$%^";

// The next comma in [p, end), or end. Fields are a few characters long, so the comma usually lies
// in the first eight bytes: one word test finds it there, where a call would cost more.
[[gnu::always_inline]] inline const char* nextComma(const char* p, const char* end) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr uint64_t kOnes = 0x0101010101010101ULL;
        constexpr uint64_t kHigh = 0x8080808080808080ULL;
        constexpr uint64_t kCommas = kOnes * static_cast<unsigned char>(',');
        while (end - p >= 8) {
            uint64_t word = 0;
            std::memcpy(&word, p, sizeof word);
            const uint64_t x = word ^ kCommas;
            // The lowest marked byte is the first comma; bytes above it may be marked wrongly.
            const uint64_t hit = (x - kOnes) & ~x & kHigh;
            if (hit != 0)
                return p + std::countr_zero(hit) / 8;
            p += 8;
        }
    }
    while (p != end && *p != ',')
        ++p;
    return p;
}

// A field without the blanks around it; most fields have none.
std::string_view fieldText(const char* begin, const char* end) {
    const std::string_view text(begin, static_cast<size_t>(end - begin));
    if (!text.empty() && (text.front() == ' ' || text.back() == ' '))
        return trimBlanks(text);
    return text;
}

// Most columns of a log repeat their text from record to record (limits, setpoints, pump and
// cell states). Each column remembers its last short text and the number read from it, so that
// a repeated text is not read again.
class RepeatedFields {
public:
    explicit RepeatedFields(std::string_view content)
        : contentEnd_(content.data() + content.size()) {}

    // The number in text, a field of column c.
    LeadingNumber read(int32_t c, std::string_view text) {
        constexpr size_t kWord = sizeof(uint64_t);
        // The text is compared as one word read from the content, which must hold eight bytes.
        if (std::endian::native != std::endian::little || text.empty() || text.size() > kWord ||
            contentEnd_ - text.data() < static_cast<std::ptrdiff_t>(kWord))
            return leadingNumber(text);
        uint64_t word = 0;
        std::memcpy(&word, text.data(), kWord);
        if (text.size() < kWord)
            word &= (uint64_t{1} << (8 * text.size())) - 1;
        Memo& m = memo_[static_cast<size_t>(c)];
        if (m.length == text.size() && m.word == word)
            return LeadingNumber{m.value, false};
        const LeadingNumber n = leadingNumber(text);
        if (!n.outOfRange)
            m = Memo{word, text.size(), n.value};
        return n;
    }

private:
    struct Memo {
        uint64_t word = 0;
        size_t length = 0; // 0: nothing remembered (empty texts are not remembered)
        double value = 0;
    };
    std::array<Memo, kRecordColumns> memo_{};
    const char* contentEnd_;
};

// Stores one record line into row r. Returns the failing field, or 0 when the line was fine.
int32_t storeRecord(std::string_view line, RecordTable& table, int32_t r, RepeatedFields& numbers,
                    ReadFailureKind& failure) {
    const char* p = line.data();
    const char* const end = p + line.size();
    for (int32_t skipped = 1; skipped < kTimeField; ++skipped) {
        p = nextComma(p, end);
        if (p == end)
            return 0; // fewer than four fields: nothing is stored
        ++p;
    }
    const char* comma = nextComma(p, end);
    table.RecordTime[static_cast<size_t>(r)].assign(fieldText(p, comma));

    double* const row = &table.RecordValue(r, 0);
    for (int32_t field = kTimeField + 1; comma != end; ++field) {
        if (field > kLastField) {
            failure = ReadFailureKind::TooManyFields;
            return field;
        }
        p = comma + 1;
        comma = nextComma(p, end);
        const LeadingNumber n = numbers.read(field, fieldText(p, comma));
        if (n.outOfRange) {
            failure = ReadFailureKind::NumberOutOfRange;
            return field;
        }
        row[field] = n.value;
    }
    return 0;
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
    // The header's windows count characters, read the way every text of a log is read: UTF-8
    // when the line is valid UTF-8, Windows-1252 otherwise.
    const std::string header = isValidUtf8(line) ? std::string(line) : windows1252ToUtf8(line);
    if (leftChars(header, kHeaderWordWindow).find(kHeaderWord) == std::string_view::npos) {
        result.outcome = ParseOutcome::BadHeader;
        return result;
    }
    const std::string_view tail = rightChars(header, kHeaderNameWindow);
    const size_t marker = tail.find(kNameMarker);
    if (marker != std::string_view::npos) {
        result.hasName = true;
        result.name = trimBlanks(tail.substr(marker + kNameMarker.size()));
    }

    RepeatedFields numbers(content);
    while (table.RecordCount < kMaxRecords && lines.next(line, terminated)) {
        if (!terminated && options.dropUnterminatedLastLine)
            break;
        const int32_t r = ++table.RecordCount;
        const int32_t badField = storeRecord(line, table, r, numbers, result.failure);
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
