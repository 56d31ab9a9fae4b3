#include "RenderOptions.h"

#include "WholeNumber.h"

#include "view/TimeLists.h"

#include <algorithm>
#include <cctype>

namespace osk::render {

namespace {

constexpr std::array<std::string_view, kGroups> kGroupNames = {"product", "ph", "flow", "cell"};
constexpr std::array<std::string_view, 3> kSystems = {"Chloor", "Peroxide", "Tarvox"};

// Bar ranges: the upper bound bar runs to 2000, the lower one to 1200.
constexpr int kScaleMaxTop = 2000;
constexpr int kScaleMinTop = 1200;
constexpr int kLargestSide = 8000;
constexpr int kMostHours = 10000;

// The span list's items as the tool names them: "192" ... "3".
std::optional<int> spanItem(std::string_view value) {
    for (size_t i = 0; i < kSpanHourItems.size(); ++i)
        if (value == std::to_string(kSpanHourItems[i]))
            return static_cast<int>(i);
    return std::nullopt;
}

// The grid interval list's items as the tool names them: "4h" ... "15m".
std::optional<int> gridStepItem(std::string_view value) {
    for (size_t i = 0; i < kGridStepList.size(); ++i)
        if (value ==
            std::to_string(kGridStepList[i].number) + (kGridStepList[i].inHours ? "h" : "m"))
            return static_cast<int>(i);
    return std::nullopt;
}

template <size_t N>
std::optional<int> indexOf(const std::array<std::string_view, N>& items, std::string_view value) {
    const auto it = std::find(items.begin(), items.end(), value);
    if (it == items.end())
        return std::nullopt;
    return static_cast<int>(it - items.begin());
}

std::optional<int> wholeNumber(std::string_view text, int lo, int hi) {
    return tools::parseWholeNumber(text, lo, hi);
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

std::optional<std::array<bool, kGroups>> groupList(std::string_view text) {
    std::array<bool, kGroups> groups{};
    while (true) {
        const size_t comma = text.find(',');
        const std::optional<int> g = indexOf(kGroupNames, lower(text.substr(0, comma)));
        if (!g)
            return std::nullopt;
        groups[static_cast<size_t>(*g)] = true;
        if (comma == std::string_view::npos)
            return groups;
        text.remove_prefix(comma + 1);
    }
}

std::optional<std::pair<int, int>> plotSize(std::string_view text) {
    const size_t x = text.find('x');
    if (x == std::string_view::npos)
        return std::nullopt;
    const auto w = wholeNumber(text.substr(0, x), 1, kLargestSide);
    const auto h = wholeNumber(text.substr(x + 1), 1, kLargestSide);
    if (!w || !h)
        return std::nullopt;
    return std::pair{*w, *h};
}

// "yyyy-mm-dd" with digits where the digits go.
bool isDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9'))
            return false;
    return true;
}

std::string rangeText(int lo, int hi) {
    return "a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
}

} // namespace

std::variant<RenderOptions, OptionError> parseRenderOptions(const std::vector<std::string>& args) {
    RenderOptions o;
    bool haveLog = false;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || arg.empty() || arg.front() != '-' || arg == "-") {
            if (haveLog)
                return OptionError{"only one log file can be drawn, got another: " + args[i]};
            o.logFile = args[i];
            haveLog = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            return o;
        }
        if (arg == "--subitems") {
            o.subItems = true;
            continue;
        }
        if (arg == "--day-report") {
            if (i + 2 >= args.size())
                return OptionError{"--day-report needs a date and a PDF file"};
            if (!isDate(args[i + 1]))
                return OptionError{"--day-report " + args[i + 1] + ": expected a date yyyy-mm-dd"};
            o.dayReportDate = args[i + 1];
            o.dayReportFile = args[i + 2];
            i += 2;
            continue;
        }
        if (i + 1 >= args.size())
            return OptionError{std::string(arg) + " needs a value"};
        const std::string& value = args[++i];
        const auto bad = [&](const std::string& expected) {
            return OptionError{std::string(arg) + " " + value + ": expected " + expected};
        };
        if (arg == "-o") {
            o.pngFile = value;
        } else if (arg == "--describe") {
            o.describeFile = value;
        } else if (arg == "--csv") {
            o.csvFile = value;
        } else if (arg == "--events") {
            o.eventsFile = value;
        } else if (arg == "--day-figures") {
            o.dayFiguresFile = value;
        } else if (arg == "--span") {
            if (!(o.spanItem = spanItem(value)))
                return bad("192, 96, 48, 24, 12, 6 or 3");
        } else if (arg == "--grid-x") {
            if (!(o.gridXItem = gridStepItem(value)))
                return bad("4h, 2h, 1h, 30m or 15m");
        } else if (arg == "--groups") {
            const auto groups = groupList(value);
            if (!groups)
                return bad("a comma-separated list of product, ph, flow and cell");
            o.groups = *groups;
        } else if (arg == "--min") {
            if (!(o.scaleMin = wholeNumber(value, 0, kScaleMinTop)))
                return bad(rangeText(0, kScaleMinTop));
        } else if (arg == "--max") {
            if (!(o.scaleMax = wholeNumber(value, 0, kScaleMaxTop)))
                return bad(rangeText(0, kScaleMaxTop));
        } else if (arg == "--grid-y") {
            if (!(o.gridY = wholeNumber(value, 1, kLargestSide)))
                return bad(rangeText(1, kLargestSide));
        } else if (arg == "--back") {
            const auto back = wholeNumber(value, 0, kMostHours);
            if (!back)
                return bad(rangeText(0, kMostHours));
            o.back = *back;
        } else if (arg == "--size") {
            const auto size = plotSize(value);
            if (!size)
                return bad("WIDTHxHEIGHT, each " + rangeText(1, kLargestSide));
            o.plotWidth = size->first;
            o.plotHeight = size->second;
        } else if (arg == "--system") {
            if (!indexOf(kSystems, value))
                return bad("Chloor, Peroxide or Tarvox");
            o.system = value;
        } else if (arg == "--lang") {
            o.languageFile = value;
        } else {
            return OptionError{"unknown option " + std::string(arg)};
        }
    }
    if (!haveLog)
        return OptionError{"no log file given"};
    if (o.pngFile.empty() && !o.dayReportDate)
        return OptionError{"no output file given (-o OUT.png)"};
    return o;
}

} // namespace osk::render
