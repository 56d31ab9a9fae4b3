#include "graph/VisibleData.h"

#include "graph/SeriesCatalogue.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace osk {

namespace {

constexpr const char* kLineEnd = "\r\n";

} // namespace

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char ch : text) {
        if (ch == '"')
            quoted += '"';
        quoted += ch;
    }
    return quoted + '"';
}

std::string CsvNumber(double value) {
    // Shortest round trip, independent of the locale.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string();
}

std::string VisibleDataCsv(const RecordTable& records, DrawnRecords drawn,
                           const SeriesSelection& seriesOn, const Texts& texts,
                           int16_t productTextIndex) {
    std::vector<int> columns;
    std::string out = "Time";
    for (const SeriesEntry& entry : kSeriesCatalogue) {
        if (!entry.draws() || !SeriesSelected(entry, seriesOn, false))
            continue;
        columns.push_back(entry.column);
        out += ',' + CsvField(LegendText(entry, texts, productTextIndex));
    }
    out += kLineEnd;

    const int32_t first = std::max(drawn.oldest, int32_t{1});
    const int32_t last = std::min(drawn.newest, int32_t{kRecordRows - 1});
    for (int32_t r = first; r <= last; ++r) {
        out += CsvField(records.RecordTime[static_cast<size_t>(r)]);
        for (const int column : columns)
            out += ',' + CsvNumber(records.RecordValue(r, column));
        out += kLineEnd;
    }
    return out;
}

} // namespace osk
