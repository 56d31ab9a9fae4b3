#include "analysis/LogAnalysis.h"

#include "logdata/RecordTime.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace osk {

namespace {

// Where a record stands in time: its own time, the time it stands for, and whether the records
// before it end there (a gap, a step back, an unreadable time, the first record).
struct RecordTiming {
    std::optional<long long> time;
    long long span = kNominalRecordSeconds;
    bool breakBefore = true;
};

bool continuous(const std::optional<long long>& earlier, const std::optional<long long>& later) {
    if (!earlier || !later)
        return false;
    const long long step = *later - *earlier;
    return step >= 0 && step <= kLongestRecordStepSeconds;
}

// Walks records first..last and hands each with its timing to visit.
template <typename Visit>
void walkRecords(const RecordTable& records, int32_t first, int32_t last, Visit visit) {
    if (first > last)
        return;
    std::optional<long long> previous;
    std::optional<long long> current = RecordSeconds(RecordTimeAt(records.RecordTime, first));
    for (int32_t r = first; r <= last; ++r) {
        const std::optional<long long> next =
            r < last ? RecordSeconds(RecordTimeAt(records.RecordTime, r + 1)) : std::nullopt;
        RecordTiming timing;
        timing.time = current;
        timing.breakBefore = r == first || !continuous(previous, current);
        if (continuous(current, next))
            timing.span = *next - *current;
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
        const bool on = state == ConditionState::On && timing.time;
        if (timing.breakBefore || !on)
            close(records, out);
        if (!on)
            return;
        const double v = valueOf(records, r, InfoOf(kind_).column);
        if (!open_) {
            open_ = Excursion{kind_, r, r, {}, {}, 0, v, r};
        } else {
            const bool worse = InfoOf(kind_).worstIsHigh ? v > open_->worstValue
                                                         : v < open_->worstValue;
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
             const std::array<ConditionState, kEventKinds>& states) {
        if (f_.records == 0) {
            f_.firstRecord = r;
            if (day_)
                f_.date = std::string(RecordDate(RecordTimeAt(records.RecordTime, r)));
        }
        f_.lastRecord = r;
        ++f_.records;
        for (int q = 0; q < kQuantities; ++q)
            addValue(records, r, q);
        if (!timing.time) {
            endRuns(); // no time to count, and the runs end here
            return;
        }
        addTime(records, r, timing.breakBefore, states,
                coverTime(*timing.time, *timing.time + timing.span));
    }

    // The time of the previous day's last record that lies past midnight, up to end: it belongs
    // to this day, and a run of that record goes on in it.
    void addCarried(const RecordTable& records, int32_t r,
                    const std::array<ConditionState, kEventKinds>& states, long long end) {
        addTime(records, r, false, states, coverTime(*day_ * kSecondsPerDay, end));
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
                 const std::array<ConditionState, kEventKinds>& states, long long seconds) {
        for (int q = 0; q < kQuantities; ++q)
            addQuantityTime(records, r, breakBefore, states, q, seconds);
        if (states[static_cast<size_t>(EventKind::FlowLow)] == ConditionState::On)
            f_.flowLowSeconds += seconds;
        if (states[static_cast<size_t>(EventKind::DosingStopped)] == ConditionState::On)
            f_.dosingStoppedSeconds += seconds;
        for (size_t p = 0; p < f_.pumpSeconds.size(); ++p) {
            const double pump = valueOf(records, r, kQuantityColumns[p].pump);
            if (!std::isnan(pump) && pump != 0)
                f_.pumpSeconds[p] += seconds;
        }
        for (size_t c = 0; c < f_.cellSeconds.size(); ++c)
            if (states[static_cast<size_t>(EventKind::CellActive) + c] == ConditionState::On)
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

    void addQuantityTime(const RecordTable& records, int32_t r, bool breakBefore,
                         const std::array<ConditionState, kEventKinds>& states, int q,
                         long long seconds) {
        QuantityFigures& qf = f_.quantity[static_cast<size_t>(q)];
        QuantitySums& sums = sums_[static_cast<size_t>(q)];
        const ConditionState inside = InsideBandAt(records, r, static_cast<Quantity>(q));
        if (inside != ConditionState::Unknown) {
            qf.bandSeconds += seconds;
            if (inside == ConditionState::On)
                qf.insideSeconds += seconds;
        }
        // The quantity's alarm kinds are the two that follow each other from 2q.
        for (size_t k = 0; k < 2; ++k) {
            long long& run = sums.run[k];
            if (breakBefore || states[2 * static_cast<size_t>(q) + k] != ConditionState::On)
                endRun(qf, run);
            if (states[2 * static_cast<size_t>(q) + k] == ConditionState::On)
                run = run < 0 ? seconds : run + seconds;
        }
    }

    void endRuns() {
        for (size_t q = 0; q < sums_.size(); ++q)
            for (long long& run : sums_[q].run)
                endRun(f_.quantity[q], run);
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

std::array<ConditionState, kEventKinds> statesAt(const RecordTable& records, int32_t r) {
    std::array<ConditionState, kEventKinds> states{};
    for (const EventKindInfo& info : kEventKindInfo)
        states[static_cast<size_t>(info.kind)] = ConditionAt(records, r, info.kind);
    return states;
}

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
        std::array<ConditionState, kEventKinds> states;
        long long end;
    };
    std::optional<Carry> carry;
    walkRecords(records, 1, lastRecordOf(records), [&](int32_t r, const RecordTiming& timing) {
        const auto states = statesAt(records, r);
        for (size_t k = 0; k < runs.size(); ++k)
            runs[k].add(records, r, timing, states[k], analysis.excursions);
        if (!timing.time)
            return;
        const long long t = *timing.time;
        const long long day = t >= 0 ? t / kSecondsPerDay : -((-t - 1) / kSecondsPerDay) - 1;
        if (!today || day != todayNumber) {
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
        run.close(records, analysis.excursions);
    std::stable_sort(analysis.excursions.begin(), analysis.excursions.end(),
                     [](const Excursion& a, const Excursion& b) { return a.first < b.first; });
    for (auto& [number, builder] : days)
        analysis.days.push_back(builder.finish());
    return analysis;
}

Figures RangeFigures(const RecordTable& records, int32_t first, int32_t last) {
    FiguresBuilder builder(std::nullopt);
    walkRecords(records, std::max(first, 1), std::min(last, lastRecordOf(records)),
                [&](int32_t r, const RecordTiming& timing) {
                    builder.add(records, r, timing, statesAt(records, r));
                });
    return builder.finish();
}

} // namespace osk
