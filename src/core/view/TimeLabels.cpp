#include "view/TimeLabels.h"

#include "common/Numbers.h"
#include "common/Text.h"
#include "logdata/RecordTime.h"

#include <algorithm>

namespace osk {

namespace {

constexpr std::array<LabelStep, kSpanItems> kSpanSteps = {
    LabelStep{16, 0}, LabelStep{8, 0},  LabelStep{4, 0}, LabelStep{2, 0},
    LabelStep{1, 0},  LabelStep{0, 30}, LabelStep{0, 15}};

// Largest ViewEndRecord the label builder accepts: one past the table's last row.
constexpr int32_t kMaxViewEndRecord = 20001;

// "7:00", "13:30": no leading zero on the hour; a one-digit minute gets a "0" appended, which
// only ever happens to 0 as the minute steps are 15 and 30.
std::string labelCaption(int h, int m) {
    std::string minute = std::to_string(m);
    if (minute.size() == 1)
        minute += '0';
    return std::to_string(h) + ":" + minute;
}

} // namespace

LabelStep LabelStepFor(std::string_view XasText, std::span<const std::string> itemTexts) {
    for (size_t i = 0; i < itemTexts.size() && i < kSpanSteps.size(); ++i)
        if (XasText == itemTexts[i])
            return kSpanSteps[i];
    return {};
}

int HourMinus(int h, int d) {
    const int r = h - d;
    return r < 0 ? r + 24 : r;
}

int TimeLabelTop(int i, int graphHeight) {
    return graphHeight + (i % 2 == 0 ? 12 : 27);
}

std::optional<TimeLabels> BuildTimeLabels(std::span<const std::string> RecordTime,
                                          int32_t ViewEndRecord, LabelStep step) {
    if (ViewEndRecord < 1 || ViewEndRecord > kMaxViewEndRecord)
        return std::nullopt;
    const std::string_view t = RecordTimeAt(RecordTime, ViewEndRecord - 1L);
    const std::optional<int> hh = RecordHour(t);
    const std::optional<int> mm = RecordMinute(t);
    if (!hh || !mm)
        return std::nullopt;

    TimeLabels out;
    out.HourOffsetRecords = static_cast<int16_t>((60 - *mm) * 6);
    int h = *hh + 1;
    if (h >= 24)
        h = 0;
    int m = 0;
    out.TimeLabelText[kTimeLabels - 1] = labelCaption(h, m);
    for (int i = kTimeLabels - 2; i >= 0; --i) {
        if (step.minutes > 0) {
            if (m - step.minutes < 0) {
                h = HourMinus(h, 1);
                m = m - step.minutes + 60;
            } else {
                m -= step.minutes;
            }
        } else {
            h = HourMinus(h, step.hours);
        }
        out.TimeLabelText[static_cast<size_t>(i)] = labelCaption(h, m);
    }
    return out;
}

LabelTexts BuildDateLabels(std::span<const std::string> RecordTime, int32_t ViewEndRecord,
                           const LabelTexts& TimeLabelText) {
    LabelTexts dates;
    size_t last = kTimeLabels - 1;
    dates[last] = std::string(RecordDate(RecordTimeAt(RecordTime, ViewEndRecord)));
    // Rows past the table read as empty texts, like the rows after the log, so the scan may
    // start at the last row.
    long scan = std::min<long>(ViewEndRecord, static_cast<long>(RecordTime.size()) - 1);
    for (size_t i = kTimeLabels - 1; i-- > 0;) {
        if (!HourBefore(TimeLabelText[i + 1], TimeLabelText[i]))
            continue;
        // The first older record of another day than the last date shown is the day the hours
        // ran back into. Later searches go on from there, so the whole scan reads each row once.
        for (long k = scan; k >= 2; --k) {
            const std::string_view d = RecordDate(RecordTimeAt(RecordTime, k));
            if (d != dates[last]) {
                dates[i] = std::string(d);
                scan = k;
                last = i;
                break;
            }
        }
    }
    return dates;
}

} // namespace osk
