#include "LogGenerator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace osk::genlog {

namespace {

inline constexpr int64_t kRecordSeconds = 10;
inline constexpr int64_t kSecondsPerDay = 86400;

// Fixed levels of the installation.
inline constexpr double kProductHighAlarm = 80;
inline constexpr double kProductLowAlarm = 20;
inline constexpr double kProductSetpoint = 50;
inline constexpr double kPhHighLimit = 7.6;
inline constexpr double kPhLowLimit = 6.8;
inline constexpr double kPhSetpoint = 7.2;
inline constexpr double kFlowLowAlarm = 40;
inline constexpr double kDosingStop = 30;

// Column names of the header; the reader only needs "Record" at its start.
constexpr std::string_view kHeader =
    "Record,Date,Time,DateTime,Status,ProdHigh,ProdLow,ProdSet,ProdOut,Product,pHHigh,pHLow,"
    "pHSet,pHOut,pH,FlowLow,FlowStop,Flow,Temp,ProdPump,pHPump,CellMeasure,CellClean,CellCal,"
    "CellElectrode,Spare1,Spare2,Spare3,CellSample,CellAlarm";

void appendFixed(std::string& out, double v, int decimals) {
    std::array<char, 64> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, decimals);
    out.append(buf.data(), res.ptr);
}

void appendInt(std::string& out, int64_t v) {
    std::array<char, 24> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    out.append(buf.data(), res.ptr);
}

void appendTwoDigits(std::string& out, unsigned v) {
    out.push_back(static_cast<char>('0' + v / 10 % 10));
    out.push_back(static_cast<char>('0' + v % 10));
}

// Reads exactly n digits at pos; nullopt when any of them is not a digit.
std::optional<int> digitsAt(std::string_view s, size_t pos, size_t n) {
    int v = 0;
    for (size_t i = pos; i < pos + n; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

uint64_t splitmix64(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

std::optional<int64_t> parseDateTime(std::string_view text) {
    using namespace std::chrono;
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const auto y = digitsAt(text, 0, 4);
    const auto mo = digitsAt(text, 5, 2);
    const auto d = digitsAt(text, 8, 2);
    const auto h = digitsAt(text, 11, 2);
    const auto mi = digitsAt(text, 14, 2);
    const auto s = digitsAt(text, 17, 2);
    if (!y || !mo || !d || !h || !mi || !s || *y < 1000 || *h > 23 || *mi > 59 || *s > 59)
        return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok())
        return std::nullopt;
    const int64_t days = sys_days(date).time_since_epoch().count();
    return days * kSecondsPerDay + *h * 3600 + *mi * 60 + *s;
}

std::string formatDateTime(int64_t seconds) {
    using namespace std::chrono;
    // Floor division, so that times before 1970 land on the right day too.
    int64_t days = seconds / kSecondsPerDay;
    int64_t rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    const year_month_day date{sys_days{std::chrono::days{days}}};
    std::string out;
    appendInt(out, static_cast<int>(date.year()));
    out.push_back('-');
    appendTwoDigits(out, static_cast<unsigned>(date.month()));
    out.push_back('-');
    appendTwoDigits(out, static_cast<unsigned>(date.day()));
    out.push_back(' ');
    appendTwoDigits(out, static_cast<unsigned>(rest / 3600));
    out.push_back(':');
    appendTwoDigits(out, static_cast<unsigned>(rest / 60 % 60));
    out.push_back(':');
    appendTwoDigits(out, static_cast<unsigned>(rest % 60));
    return out;
}

LogGenerator::LogGenerator(const LogOptions& options) : options_(options), state_(options.seed) {
    const auto start = parseDateTime(options.start);
    if (!start)
        throw std::invalid_argument("start is not a date-time YYYY-MM-DD hh:mm:ss: " +
                                    options.start);
    time_ = *start;
    // Start each log somewhere in the control cycle rather than exactly on the setpoint.
    product_ = kProductSetpoint + noise(3.0);
    ph_ = kPhSetpoint + noise(0.05);
    temperature_ = 24.0 + 4.0 * uniform();
}

double LogGenerator::uniform() {
    return static_cast<double>(splitmix64(state_) >> 11) * 0x1.0p-53;
}

double LogGenerator::noise(double a) {
    return (uniform() + uniform() + uniform() - 1.5) / 1.5 * a;
}

std::string LogGenerator::header() const {
    std::string out(kHeader);
    if (options_.name) {
        out += " $%^ ";
        out += *options_.name;
    }
    out += options_.crlf ? "\r\n" : "\n";
    return out;
}

void LogGenerator::step() {
    // Flow: a daily swing, and now and then a stop of 5 to 30 minutes.
    if (flowStopLeft_ == 0 && uniform() < 1.0 / 8000.0)
        flowStopLeft_ = 30 + static_cast<int64_t>(uniform() * 150.0);
    double flowTarget = 2.0;
    if (flowStopLeft_ > 0) {
        --flowStopLeft_;
    } else {
        const double dayPhase =
            static_cast<double>(((time_ % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay) /
            kSecondsPerDay;
        flowTarget = 95.0 + 12.0 * std::sin(2.0 * std::numbers::pi * dayPhase);
    }
    flow_ = std::clamp(flow_ + (flowTarget - flow_) * 0.3 + noise(1.5), 0.0, 130.0);
    const bool dosing = flow_ >= kDosingStop;

    // Product: consumed all the time, raised while its pump runs; on/off control around the
    // setpoint.
    if (!dosing || product_ > kProductSetpoint + 1.5)
        productPump_ = false;
    else if (product_ < kProductSetpoint - 1.5)
        productPump_ = true;
    product_ += (productPump_ ? 0.8 : 0.0) - 0.35 + noise(0.4);
    product_ = std::clamp(product_, 0.0, 150.0);

    // pH: acid dosing lowers it, the water slowly raises it.
    if (!dosing || ph_ < kPhSetpoint - 0.05)
        phPump_ = false;
    else if (ph_ > kPhSetpoint + 0.05)
        phPump_ = true;
    ph_ += (phPump_ ? -0.012 : 0.006) + noise(0.005);
    ph_ = std::clamp(ph_, 5.0, 9.0);

    temperature_ += noise(0.02) + (26.0 - temperature_) * 0.001;
    temperature_ = std::clamp(temperature_, 15.0, 35.0);
}

bool LogGenerator::appendRecord(std::string& out) {
    if (written_ >= options_.records)
        return false;
    if (written_ > 0) {
        time_ += kRecordSeconds;
        if (written_ == options_.gapAfter)
            time_ += options_.gapMinutes * 60;
    }
    ++written_;
    step();

    const bool dosing = flow_ >= kDosingStop;
    const bool flowOk = flow_ >= kFlowLowAlarm;
    const bool alarm = product_ > kProductHighAlarm || product_ < kProductLowAlarm ||
                       ph_ > kPhHighLimit || ph_ < kPhLowLimit || !flowOk;
    const int64_t secondOfDay = ((time_ % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay;
    const int64_t day = (time_ - secondOfDay) / kSecondsPerDay;
    const std::string stamp = formatDateTime(time_);

    appendInt(out, written_);
    out.push_back(',');
    out.append(stamp, 0, 10);
    out.push_back(',');
    out.append(stamp, 11, 8);
    out.push_back(',');
    out.append(stamp);

    const auto field = [&out](double v, int decimals) {
        out.push_back(',');
        appendFixed(out, v, decimals);
    };
    field(alarm ? 1 : 0, 0);     // 5
    field(kProductHighAlarm, 0); // 6
    field(kProductLowAlarm, 0);  // 7
    field(kProductSetpoint, 0);  // 8
    field(dosing ? std::clamp(40.0 + (kProductSetpoint - product_) * 8.0, 0.0, 100.0) : 0.0,
          1);                                                                            // 9
    field(product_, 1);                                                                  // 10
    field(kPhHighLimit, 2);                                                              // 11
    field(kPhLowLimit, 2);                                                               // 12
    field(kPhSetpoint, 2);                                                               // 13
    field(dosing ? std::clamp(30.0 + (ph_ - kPhSetpoint) * 200.0, 0.0, 100.0) : 0.0, 1); // 14
    field(ph_, 2);                                                                       // 15
    field(kFlowLowAlarm, 0);                                                             // 16
    field(kDosingStop, 0);                                                               // 17
    field(flow_, 1);                                                                     // 18
    field(temperature_, 1);                                                              // 19
    field(productPump_ ? 100 : 0, 0);                                                    // 20
    field(phPump_ ? 100 : 0, 0);                                                         // 21
    field(flowOk ? 1000 : 0, 0);                   // 22 measuring
    field(secondOfDay % 21600 < 300 ? 800 : 0, 0); // 23 cleaning, 5 min every 6 h
    field(((day % 7) + 7) % 7 == 6 ? 600 : 0, 0);  // 24 calibration due, one day a week
    field(alarm ? 0 : 400, 0);                     // 25 electrode fine
    field(0, 0);                                   // 26
    field(0, 0);                                   // 27
    field(0, 0);                                   // 28
    field(flowOk ? 200 : 0, 0);                    // 29 sample pump
    field(alarm ? 100 : 0, 0);                     // 30 alarm relay
    if (written_ == options_.wideLine)
        field(0, 0); // 31: one field too many
    out += options_.crlf ? "\r\n" : "\n";
    return true;
}

std::string generateLog(const LogOptions& options) {
    LogGenerator gen(options);
    std::string out = gen.header();
    // Room for the usual record length; a longer line just makes the text grow as usual.
    const int64_t expected = std::clamp<int64_t>(options.records, 0, 1'000'000) * 150;
    out.reserve(out.size() + static_cast<size_t>(expected));
    while (gen.appendRecord(out)) {
    }
    return out;
}

} // namespace osk::genlog
