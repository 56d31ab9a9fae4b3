// Arbitrary bytes as a log file: every input must end in one of the parse outcomes with the
// record table's bounds intact.
#include "common/Numbers.h"
#include "logdata/LogParse.h"
#include "logdata/RecordTable.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One table for the whole run, as in the program: reads overwrite it in place.
    static osk::RecordTable table;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    for (const bool drop : {false, true}) {
        const osk::ParseResult r = osk::parseLog(content, table, osk::ParseOptions{drop});
        const bool countInRange = r.recordCount >= 0 && r.recordCount <= osk::kMaxRecords;
        const bool emptyRight = (r.outcome == osk::ParseOutcome::EmptyFile) == (size == 0);
        const bool failureRight =
            (r.outcome == osk::ParseOutcome::ReadFailure) ==
            (r.failure != osk::ReadFailureKind::None && r.failureLine >= 2 && r.failureField >= 5);
        const bool capRight =
            r.tooBig == (r.outcome == osk::ParseOutcome::Ok && r.recordCount == osk::kMaxRecords);
        if (!countInRange || !emptyRight || !failureRight || !capRight ||
            (r.outcome != osk::ParseOutcome::EmptyFile && table.RecordCount != r.recordCount))
            __builtin_trap();
    }
    // The parse reads plain numbers by a quicker path of leadingNumber than numbers with text
    // after them; a letter after any text never changes what is read.
    const std::string_view head = content.substr(0, 40);
    const osk::LeadingNumber plain = osk::leadingNumber(head);
    const osk::LeadingNumber suffixed = osk::leadingNumber(std::string(head) + "x");
    if (plain.outOfRange != suffixed.outOfRange ||
        std::memcmp(&plain.value, &suffixed.value, sizeof plain.value) != 0)
        __builtin_trap();
    return 0;
}
