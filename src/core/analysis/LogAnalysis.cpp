#include "analysis/LogAnalysis.h"

#include "logdata/RecordTime.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace osk {

namespace {

// Where a record stands in time: its own time, the time it stands for, and whether the records
// before it end there (a gap, a step back, an unreadable time, the first record).
// Times are plain numbers here, kNoTime for one that cannot be read: the walk copies them from
// record to record, which an optional's separate flag makes slow.
constexpr long long kNoTime = std::numeric_limits<long long>::min();

struct RecordTiming {
    long long time = kNoTime;
    long long span = kNominalRecordSeconds;
    bool breakBefore = true;

    bool timed() const { return time != kNoTime; }
};

bool continuous(long long earlier, long long later) {
    if (earlier == kNoTime || later == kNoTime)
        return false;
    const long long step = later - earlier;
    return step >= 0 && step <= kLongestRecordStepSeconds;
}

// RecordSeconds of the records in turn, as plain numbers. A time that differs from the one
// before only in its last two characters, the seconds, shares its date, hour and minute with it:
// those are read once for all records of a minute.
class RecordClock {
public:
    long long operator()(std::string_view time) {
        const size_t n = time.size();
        if (n < 18 || time.substr(0, n - 2) != minuteText_) {
            const auto day = RecordDayNumber(time);
            const auto hour = RecordHour(time);
            const auto minute = RecordMinute(time);
            minuteStart_ = day && hour && minute
                               ? *day * kSecondsPerDay + *hour * 3600LL + *minute * 60LL
                               : kNoTime;
            minuteText_.assign(n < 18 ? std::string_view() : time.substr(0, n - 2));
        }
        const auto second = RecordSecond(time);
        return minuteStart_ == kNoTime || !second ? kNoTime : minuteStart_ + *second;
    }

private:
    std::string minuteText_;
    long long minuteStart_ = kNoTime;
};

// Walks records first..last and hands each with its timing to visit.
template <typename Visit>
void walkRecords(const RecordTable& records, int32_t first, int32_t last, Visit visit) {
    if (first > last)
        return;
    RecordClock clock;
    long long previous = kNoTime;
    long long current = clock(RecordTimeAt(records.RecordTime, first));
    for (int32_t r = first; r <= last; ++r) {
        const long long next = r < last ? clock(RecordTimeAt(records.RecordTime, r + 1)) : kNoTime;
        RecordTiming timing;
        timing.time = current;
        timing.breakBefore = r == first || !continuous(previous, current);
        if (continuous(current, next))
            timing.span = next - current;
        visit(r, timing);
        previous = current;
        current = next;
    }
}

double valueOf(const RecordTable& records, int32_t r, int column) {
    return records.RecordValue(r, column);
}

// The open run of one kind, for the excursion list.
class RunTracker {
public:
    explicit RunTracker(EventKind kind) : kind_(kind) {}

    void add(const RecordTable& records, int32_t r, const RecordTiming& timing,
             ConditionState state, std::vector<Excursion>& out) {
        // A record whose time cannot be read has no place in time: it ends the run.
        const bool on = state == ConditionState::On && timing.timed();
        if (timing.breakBefore || !on)
            close(records, out);
        if (!on)
            return;
        const double v = valueOf(records, r, InfoOf(kind_).column);
        if (!open_) {
            open_ = Excursion{kind_, r, r, {}, {}, 0, v, r};
        } else {
            const bool worse =
                InfoOf(kind_).worstIsHigh ? v > open_->worstValue : v < open_->worstValue;
            if (worse) {
                open_->worstValue = v;
                open_->worstRecord = r;
            }
        }
        open_->last = r;
        open_->durationSeconds += timing.span;
    }

    void close(const RecordTable& records, std::vector<Excursion>& out) {
        if (!open_)
            return;
        open_->startText = std::string(RecordTimeAt(records.RecordTime, open_->first));
        open_->endText = std::string(RecordTimeAt(records.RecordTime, open_->last));
        out.push_back(std::move(*open_));
        open_.reset();
    }

private:
    EventKind kind_;
    std::optional<Excursion> open_;
};

struct QuantitySums {
    double sum = 0;
    std::array<long long, 2> run{}; // running seconds of the quantity's two alarm kinds
};

// The figures of one period, built record by record.
class FiguresBuilder {
public:
    // A calendar day (dayNumber set) or a range of records (nullopt).
    explicit FiguresBuilder(std::optional<long long> dayNumber) : day_(dayNumber) {
        if (day_) {
            f_.dayNumber = *day_;
            f_.periodSeconds = kSecondsPerDay;
            covered_ = *day_ * kSecondsPerDay;
        }
    }

    void add(const RecordTable& records, int32_t r, const RecordTiming& timing,
             const RecordConditions& states) {
        if (f_.records == 0) {
            f_.firstRecord = r;
            if (day_)
                f_.date = std::string(RecordDate(RecordTimeAt(records.RecordTime, r)));
        }
        f_.lastRecord = r;
        ++f_.records;
        for (int q = 0; q < kQuantities; ++q)
            addValue(records, r, q);
        if (!timing.timed()) {
            endRuns(); // no time to count, and the runs end here
            return;
        }
        addTime(records, r, timing.breakBefore, states,
                coverTime(timing.time, timing.time + timing.span));
    }

    // The time of the previous day's last record that lies past midnight, up to end: it belongs
    // to this day, and a run of that record goes on in it.
    void addCarried(const RecordTable& records, int32_t r, const RecordConditions& states,
                    long long end) {
        addTime(records, r, false, states, coverTime(*day_ * kSecondsPerDay, end));
    }

    // Ends the open runs: the records that follow belong to another period first.
    void endRuns() {
        for (size_t q = 0; q < sums_.size(); ++q)
            for (long long& run : sums_[q].run)
                endRun(f_.quantity[q], run);
    }

    Figures finish() {
        if (day_)
            gapTo((*day_ + 1) * kSecondsPerDay);
        else if (start_)
            f_.periodSeconds = covered_ - *start_;
        endRuns();
        for (size_t q = 0; q < sums_.size(); ++q)
            if (f_.quantity[q].records > 0)
                f_.quantity[q].mean = sums_[q].sum / f_.quantity[q].records;
        return std::move(f_);
    }

private:
    // The seconds of a record's (or a carried) time that count in the period.
    void addTime(const RecordTable& records, int32_t r, bool breakBefore,
                 const RecordConditions& states, long long seconds) {
        for (int q = 0; q < kQuantities; ++q)
            addQuantityTime(breakBefore, states, q, seconds);
        if (states[EventKind::FlowLow] == ConditionState::On)
            f_.flowLowSeconds += seconds;
        if (states[EventKind::DosingStopped] == ConditionState::On)
            f_.dosingStoppedSeconds += seconds;
        for (size_t p = 0; p < f_.pumpSeconds.size(); ++p) {
            const double pump = valueOf(records, r, kQuantityColumns[p].pump);
            if (!std::isnan(pump) && pump != 0)
                f_.pumpSeconds[p] += seconds;
        }
        for (size_t c = 0; c < f_.cellSeconds.size(); ++c)
            if (states.kind[static_cast<size_t>(EventKind::CellActive) + c] == ConditionState::On)
                f_.cellSeconds[c] += seconds;
    }

    // The part of the time t..end not counted yet (and, for a day, inside it). covered_ is
    // the end of the time counted so far.
    long long coverTime(long long t, long long end) {
        if (day_)
            end = std::min(end, (*day_ + 1) * kSecondsPerDay);
        if (!start_) {
            start_ = t;
            if (!day_)
                covered_ = t;
        }
        gapTo(t);
        const long long from = std::max(t, covered_);
        const long long seconds = std::max(0LL, end - from);
        covered_ = std::max(covered_, end);
        f_.coveredSeconds += seconds;
        return seconds;
    }

    void gapTo(long long t) {
        if (t > covered_)
            f_.longestGapSeconds = std::max(f_.longestGapSeconds, t - covered_);
    }

    void addValue(const RecordTable& records, int32_t r, int q) {
        QuantityFigures& qf = f_.quantity[static_cast<size_t>(q)];
        const double v = valueOf(records, r, kQuantityColumns[static_cast<size_t>(q)].value);
        if (std::isfinite(v)) {
            if (qf.records == 0 || v < qf.lowest) {
                qf.lowest = v;
                qf.lowestRecord = r;
            }
            if (qf.records == 0 || v > qf.highest) {
                qf.highest = v;
                qf.highestRecord = r;
            }
            sums_[static_cast<size_t>(q)].sum += v;
            ++qf.records;
        }
    }

    void addQuantityTime(bool breakBefore, const RecordConditions& states, int q,
                         long long seconds) {
        QuantityFigures& qf = f_.quantity[static_cast<size_t>(q)];
        QuantitySums& sums = sums_[static_cast<size_t>(q)];
        const ConditionState inside = states.insideBand[static_cast<size_t>(q)];
        if (inside != ConditionState::Unknown) {
            qf.bandSeconds += seconds;
            if (inside == ConditionState::On)
                qf.insideSeconds += seconds;
        }
        // The quantity's alarm kinds are the two that follow each other from 2q.
        for (size_t k = 0; k < 2; ++k) {
            long long& run = sums.run[k];
            if (breakBefore || states.kind[2 * static_cast<size_t>(q) + k] != ConditionState::On)
                endRun(qf, run);
            if (states.kind[2 * static_cast<size_t>(q) + k] == ConditionState::On)
                run = run < 0 ? seconds : run + seconds;
        }
    }

    static void endRun(QuantityFigures& qf, long long& run) {
        if (run < 0)
            return;
        ++qf.excursions;
        qf.longestExcursionSeconds = std::max(qf.longestExcursionSeconds, run);
        run = -1;
    }

    std::optional<long long> day_;
    std::optional<long long> start_;
    long long covered_ = 0;
    Figures f_;
    std::array<QuantitySums, kQuantities> sums_{{{0, {-1, -1}}, {0, {-1, -1}}, {0, {-1, -1}}}};
};

int32_t lastRecordOf(const RecordTable& records) {
    return std::clamp(records.RecordCount, 0, kRecordRows - 1);
}

} // namespace

std::optional<long long> RecordSeconds(std::string_view time) {
    const auto day = RecordDayNumber(time);
    const auto hour = RecordHour(time);
    const auto minute = RecordMinute(time);
    const auto second = RecordSecond(time);
    if (!day || !hour || !minute || !second)
        return std::nullopt;
    return *day * kSecondsPerDay + *hour * 3600LL + *minute * 60LL + *second;
}

std::optional<double> QuantityFigures::insideShare() const {
    if (bandSeconds <= 0)
        return std::nullopt;
    return static_cast<double>(insideSeconds) / static_cast<double>(bandSeconds);
}

std::optional<double> Figures::pumpShare(int pump) const {
    if (coveredSeconds <= 0 || pump < 0 || pump >= static_cast<int>(pumpSeconds.size()))
        return std::nullopt;
    return static_cast<double>(pumpSeconds[static_cast<size_t>(pump)]) /
           static_cast<double>(coveredSeconds);
}

LogAnalysis AnalyseLog(const RecordTable& records) {
    LogAnalysis analysis;
    std::vector<Excursion> closed; // in the order the runs ended
    std::vector<RunTracker> runs;
    for (const EventKindInfo& info : kEventKindInfo)
        runs.emplace_back(info.kind);
    std::map<long long, FiguresBuilder> days;
    FiguresBuilder* today = nullptr;
    long long todayNumber = 0;
    // A record late in a day whose time runs past midnight: the part after midnight goes to the
    // next day when that day's records follow.
    struct Carry {
        long long day;
        int32_t record;
        RecordConditions states;
        long long end;
    };
    std::optional<Carry> carry;
    RecordConditions states; // of the record at hand, read in place
    walkRecords(records, 1, lastRecordOf(records), [&](int32_t r, const RecordTiming& timing) {
        ReadConditions(records, r, states);
        for (size_t k = 0; k < runs.size(); ++k)
            runs[k].add(records, r, timing, states.kind[k], closed);
        if (!timing.timed())
            return;
        const long long t = timing.time;
        const long long day = t >= 0 ? t / kSecondsPerDay : -((-t - 1) / kSecondsPerDay) - 1;
        if (!today || day != todayNumber) {
            // A clock set back into an earlier day may bring the records back to this one:
            // what it holds then is another run.
            if (today)
                today->endRuns();
            today = &days.try_emplace(day, day).first->second;
            todayNumber = day;
        }
        if (carry && carry->day == day)
            today->addCarried(records, carry->record, carry->states, carry->end);
        carry.reset();
        today->add(records, r, timing, states);
        if (t + timing.span > (day + 1) * kSecondsPerDay)
            carry = Carry{day + 1, r, states, t + timing.span};
    });
    for (RunTracker& run : runs)
        run.close(records, closed);
    // Log order: by first record, runs that start together in the order they ended. The
    // excursions move once, to their place.
    std::vector<std::pair<int32_t, size_t>> order;
    order.reserve(closed.size());
    for (size_t i = 0; i < closed.size(); ++i)
        order.emplace_back(closed[i].first, i);
    std::sort(order.begin(), order.end());
    analysis.excursions.reserve(closed.size());
    for (const auto& [first, i] : order)
        analysis.excursions.push_back(std::move(closed[i]));
    for (auto& [number, builder] : days)
        analysis.days.push_back(builder.finish());
    return analysis;
}

Figures RangeFigures(const RecordTable& records, int32_t first, int32_t last) {
    FiguresBuilder builder(std::nullopt);
    RecordConditions states;
    walkRecords(records, std::max(first, 1), std::min(last, lastRecordOf(records)),
                [&](int32_t r, const RecordTiming& timing) {
                    ReadConditions(records, r, states);
                    builder.add(records, r, timing, states);
                });
    return builder.finish();
}

} // namespace osk
