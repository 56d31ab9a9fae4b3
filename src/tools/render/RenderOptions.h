// The command line of osk-graphs-render: what to draw and where to write it. Every option
// names a control of the main window and the value the tool gives it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace osk::render {

inline constexpr int kGroups = 4; // product, pH, flow, cell: chkItem(0..3)

struct RenderOptions {
    std::string logFile;
    std::string pngFile;
    std::optional<std::string> describeFile;
    std::optional<std::string> csvFile;
    std::optional<std::string> eventsFile; // the analysis of the loaded log as CSV
    std::optional<std::string> dayFiguresFile;
    std::optional<std::string> dayReportDate; // "yyyy-mm-dd"
    std::string dayReportFile;
    std::optional<int> spanItem;  // index in the span list Xas
    std::optional<int> gridXItem; // index in the grid interval list cmbGridX
    std::array<bool, kGroups> groups{true, false, false, false};
    bool subItems = false;       // every sub-series of the chosen groups
    std::optional<int> scaleMin; // vscScaleMin
    std::optional<int> scaleMax; // vscScaleMax
    std::optional<int> gridY;    // hsGridY
    int back = 0;                // presses of the time scroll bar's left arrow
    int plotWidth = 1600;        // pGraph's size
    int plotHeight = 900;
    std::optional<std::string> system; // "Chloor", "Peroxide" or "Tarvox"
    std::optional<std::string> languageFile;
    bool help = false;
};

struct OptionError {
    std::string message;
};

// Reads the arguments after the program name. Values are checked against what the controls
// accept; the first problem found is the error.
std::variant<RenderOptions, OptionError> parseRenderOptions(const std::vector<std::string>& args);

inline constexpr std::string_view kRenderUsage =
    "usage: osk-graphs-render LOG.csv -o OUT.png [options]\n"
    "       osk-graphs-render LOG.csv --day-report DATE OUT.pdf [options]\n"
    "       osk-graphs-render -o OUT.png [options] -- LOG.csv   (a log named \"-...\")\n"
    "  --span 192|96|48|24|12|6|3        hours shown (default 48)\n"
    "  --grid-x 4h|2h|1h|30m|15m         vertical grid interval (default 2h)\n"
    "  --groups product,ph,flow,cell     series groups shown (default product)\n"
    "  --subitems                        every sub-series of the chosen groups too\n"
    "  --min N, --max N                  value scale bounds (default: the groups' own scale);\n"
    "                                    bounds the bars do not take as given are refused\n"
    "  --grid-y N                        value step between horizontal grid lines\n"
    "  --back N                          scroll back N whole hours\n"
    "  --size WxH                        plot size in pixels (default 1600x900)\n"
    "  --system Chloor|Peroxide|Tarvox   product system (default Chloor)\n"
    "  --lang FILE.lng                   language file (default english.lng beside the tool)\n"
    "  --describe OUT.json               also write what was drawn as JSON\n"
    "  --csv OUT.csv                     also write the drawn records as CSV\n"
    "  --events OUT.csv                  also write the log's excursions as CSV\n"
    "  --day-figures OUT.csv             also write the figures of each day of the log as CSV\n"
    "  --day-report DATE OUT.pdf         write the day report of DATE (yyyy-mm-dd), a day of\n"
    "                                    the log, as PDF; -o is then optional\n"
    "  --                                ends the options: a log named \"-...\" follows\n";

} // namespace osk::render
