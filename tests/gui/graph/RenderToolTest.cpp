// The headless renderer: its options, and the tool itself run as a separate process.
#include "RenderOptions.h"

#include "support/TempDir.h"

#include "gui/support/Support.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <variant>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace osk::test {
namespace {

using render::parseRenderOptions;
using render::RenderOptions;

TEST(RenderOptions, NameTheControlsValuesAndDoubleDashEndsThem) {
    auto parsed = parseRenderOptions({"log.csv", "-o", "out.png", "--span", "6", "--grid-x", "30m",
                                      "--groups", "PH,cell", "--size", "800x400"});
    ASSERT_TRUE(std::holds_alternative<RenderOptions>(parsed));
    const RenderOptions& o = std::get<RenderOptions>(parsed);
    // List items by their place in the window's lists; the groups replace the default product.
    EXPECT_EQ(std::tuple(o.spanItem, o.gridXItem, o.groups, o.plotWidth, o.plotHeight),
              std::tuple(5, 3, std::array<bool, 4>{false, true, false, true}, 800, 400));

    parsed = parseRenderOptions({"-o", "out.png", "--csv", "out.csv", "--events", "e.csv",
                                 "--day-figures", "d.csv", "--", "--span"});
    ASSERT_TRUE(std::holds_alternative<RenderOptions>(parsed));
    const RenderOptions& dashed = std::get<RenderOptions>(parsed);
    EXPECT_EQ(std::tuple(dashed.logFile, dashed.csvFile, dashed.eventsFile, dashed.dayFiguresFile,
                         dashed.spanItem.has_value()),
              std::tuple("--span", "out.csv", "e.csv", "d.csv", false));
}

// The tool run as a separate process, with settings and temporary folders of the test's own.
class RenderTool : public ::testing::Test {
protected:
    ProcessResult run(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(config));
        env.insert(QStringLiteral("TMPDIR"), path(tmp));
        const ProcessResult r = runProcess(QStringLiteral(OSK_RENDER_TOOL), args, env);
        EXPECT_TRUE(r.finished) << r.err;
        return r;
    }
    QString writeLog(int64_t records) {
        return QString::fromStdString(files.write("log.csv", generatedLog(records)).string());
    }
    QString file(const char* name) const { return path(files) + QStringLiteral("/") + name; }
    static QString path(const TempDir& d) { return QString::fromStdString(d.path().string()); }

    // The tool run on a log with extra options, and what it says it drew. A log whose name
    // starts with "-" is given after "--".
    QJsonObject describe(const QStringList& extra, int64_t records = 19000, bool dashed = false) {
        QString log = writeLog(records);
        if (dashed) {
            std::filesystem::rename(log.toStdString(), files.path() / "-log.csv");
            log = file("-log.csv");
        }
        const QStringList logArgs = dashed ? QStringList{} : QStringList{log};
        const ProcessResult r =
            run(logArgs + QStringList{"-o", file("out.png"), "--describe", file("out.json")} +
                extra + (dashed ? QStringList{"--", log} : QStringList{}));
        EXPECT_EQ(r.exitCode, 0) << r.err;
        QFile json(file("out.json"));
        EXPECT_TRUE(json.open(QIODevice::ReadOnly));
        return QJsonDocument::fromJson(json.readAll()).object();
    }

    TempDir files;
    TempDir config;
    TempDir tmp;
};

TEST_F(RenderTool, DescribesWhatItDrewAtTheNewestEnd) {
    const QJsonObject d = describe(
        {"--groups", "product,ph", "--subitems", "--size", "900x500", "--csv", file("out.csv")});

    // Date label 11 is hidden.
    EXPECT_EQ(std::tuple(d["ViewEndRecord"].toInt(), d["timeLabels"].toArray().size(),
                         d["timeLabels"][12].toString(), d["dateLabels"].toArray().size(),
                         d["dateLabels"][11].toString(), d["valueLabels"].toArray().size(),
                         d["valueLabels"][0].toString()),
              std::tuple(19000, 13, "5:00", 13, "", 11, "150.0"));

    const QJsonArray legend = d["legend"].toArray();
    ASSERT_EQ(legend.size(), 10);
    EXPECT_EQ(legend[0].toObject(), (QJsonObject{{"text", "Free Chlorine mg/L (/100)"},
                                                 {"level", 1},
                                                 {"color", QJsonArray{128, 0, 128}}}));
    EXPECT_EQ(legend[5]["text"].toString(), "PH (/10)");

    // Drawing order, each series newest first from the right reference line.
    const std::vector<int> columns{10, 6, 7, 8, 20, 15, 11, 12, 13, 21};
    const QJsonArray series = d["series"].toArray();
    ASSERT_EQ(series.size(), static_cast<qsizetype>(columns.size()));
    const double margin =
        d["HourOffsetRecords"].toInt() * d["TimeAxis"]["PixelsPerRecord"].toDouble();
    for (size_t k = 0; k < columns.size(); ++k) {
        const QJsonObject s = series[static_cast<qsizetype>(k)].toObject();
        const QJsonArray points = s["points"].toArray();
        ASSERT_GT(points.size(), 1000);
        EXPECT_EQ(std::tuple(s["column"].toInt(), points[0][0].toInt(), points[1][0].toInt()),
                  std::tuple(columns[k], 19000, 18999));
        EXPECT_NEAR(points[0][1].toInt(), 900 - margin, 0.5);
        EXPECT_LE(points[1][1].toInt(), points[0][1].toInt());
    }
    // The last point drawn is the first one past the left edge (it may round onto it).
    const QJsonArray first = series[0]["points"].toArray();
    EXPECT_LE(first.last()[1].toInt(), 0);
    // The CSV: the header, then one line per record drawn, from the oldest point to the end.
    QFile csv(file("out.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    EXPECT_EQ(std::tuple(lines.size(), lines[0].startsWith("Time,Free Chlorine mg/L (/100),"),
                         lines[lines.size() - 2].left(20)),
              std::tuple(1 + (19000 - first.last()[0].toInt() + 1) + 1, true,
                         QByteArray("2024-03-03 04:46:30,")));

    // The plot box's border and the room for the labels and the legend around the plot.
    EXPECT_EQ(QImage(file("out.png")).size(), QSize(900 + 2 + 160, 8 + 500 + 2 + 50));
    EXPECT_TRUE(std::filesystem::is_empty(config.path()))
        << "the caller's settings are never touched";
    for (const auto& entry : std::filesystem::directory_iterator(tmp.path()))
        EXPECT_EQ(entry.path().filename().string().rfind("osk-graphs-render", 0), std::string::npos)
            << "the tool's own settings folder is removed";
}

// Scrolled back, the newest point drawn is on the right edge; the bars take the bounds asked; the
// product system and the language reach the window through the run's own settings.
TEST_F(RenderTool, ScrolledBackWithTheBoundsAskedFor) {
    // The log's name starts with "-": it comes after "--".
    const QJsonObject d = describe({"--back", "2", "--size", "700x400", "--span", "24", "--min",
                                    "20", "--max", "80", "--grid-y", "10", "--groups", "product,ph",
                                    "--system", "Tarvox", "--lang", OSK_LANG_DIR "/nederlands.lng"},
                                   19000, true);
    const QJsonValue newest = d["series"][0]["points"][0];
    EXPECT_EQ(std::tuple(d["ViewEndRecord"].toInt(), d["timeLabels"][12].toString(),
                         newest[0].toInt(), newest[1].toInt(), d["ValueAxis"]["Min"].toInt(),
                         d["ValueAxis"]["Max"].toInt(), d["valueLabels"][0].toString()),
              std::tuple(18360, "3:00", 18360, 700, 20, 80, "80.0"));
    EXPECT_EQ(std::tuple(d["legend"][0]["text"].toString(), d["legend"][1]["text"].toString()),
              std::tuple("Tarvox ppm", "pH (/10)"));
}

constexpr const char* kThreeRecords = "Record\r\n1,a,b,2024-03-01 00:00:00,1\r\n"
                                      "2,a,b,2024-03-01 00:00:10,1\r\n"
                                      "3,a,b,2024-03-01 00:00:20,1\r\n";

// The analysis covers the whole log, not just the records drawn.
TEST_F(RenderTool, WritesTheLogsEventsAndDayFiguresAsCsv) {
    describe({"--span", "3", "--events", file("events.csv"), "--day-figures", file("days.csv")});
    const auto linesOf = [this](const char* name) {
        QFile csv(file(name));
        EXPECT_TRUE(csv.open(QIODevice::ReadOnly)) << name;
        return csv.readAll().split('\n');
    };
    const QList<QByteArray> events = linesOf("events.csv");
    ASSERT_GT(events.size(), 2);
    EXPECT_EQ(events[0], "Kind,Start,End,Duration,Worst value\r");
    // Newest first: the start times (second field) never rise down the file.
    const auto start = [&](qsizetype i) { return events[i].split(',').value(1); };
    EXPECT_GE(start(1), start(events.size() - 2));
    const QList<QByteArray> days = linesOf("days.csv");
    ASSERT_EQ(days.size(), 1 + 3 + 1) << "19000 records from 1 March run into 3 March";
    EXPECT_TRUE(days[0].startsWith("Day,Free Chlorine Lowest,"));
    EXPECT_TRUE(days[1].startsWith("2024-03-01,") && days[3].startsWith("2024-03-03,"));
}

// A log the tool cannot draw (exit code 1), or an option no control of the window accepts or
// the bars do not take as asked (2): one line says so, and no picture is written.
TEST_F(RenderTool, FailsWithOneLineAndNoPicture) {
    const auto expectFails = [this](const std::string& log, const QStringList& extra, int code,
                                    const std::string& says) {
        const ProcessResult r =
            run(QStringList{QString::fromStdString(log), "-o", file("bad.png")} + extra);
        EXPECT_EQ(r.exitCode, code) << says;
        EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(QFile::exists(file("bad.png"))) << says;
    };
    const std::pair<const char*, const char*> badLogs[] = {
        {"Date,Time\r\n1,2,3,2024-03-01 00:00:00\r\n", "rejected header"},
        {"", "empty"},
        {"Record\r\n1,a,b,2024-03-01 00:00:00,1\r\n2,a,b,2024-03-01 00:00:10,1\r\n",
         "fewer than 3 records"}};
    for (const auto& [content, says] : badLogs)
        expectFails(files.write("in.csv", content).string(), {}, 1, says);
    expectFails((files.path() / "missing.csv").string(), {}, 1, "no such file");
    // A CSV that cannot be written is named, before the picture is written.
    for (const char* option : {"--events", "--day-figures"})
        expectFails(files.write("three.csv", kThreeRecords).string(),
                    {option, file("missing/out.csv")}, 1, "missing/out.csv");
    // Nothing that is not a plain file is read: a pipe would never end, a device never stop.
    expectFails(files.path().string(), {}, 1, "not a regular file");
#ifndef _WIN32
    const std::string fifo = (files.path() / "pipe.csv").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& special : {fifo, std::string("/dev/zero")})
        expectFails(special, {}, 1, "not a regular file");
#endif
    // After "--" everything is a log name, so -o there is a second log.
    const QString refused = "--span 5;--size 20x20;--size 800;--grid-x 3h;--groups product,,ph;"
                            "--groups temperature;--system chloor;--colour red;--back 1e3;"
                            "--min 100 --max 50;--min -1;--max 2001;--min 1200;--grid-y 0;"
                            "--grid-y 5000;--csv;--events;--day-figures;-o;-- -o x.png;other.csv;--day-report 2024-03-01;"
                            "--day-report 2024-3-1 x.pdf";
    const std::string log = files.write("three.csv", kThreeRecords).string();
    for (const QString& options : refused.split(u';')) {
        const QStringList extra = options.split(u' ');
        expectFails(log, extra, 2,
                    extra[0].startsWith(u'-') && extra[0] != "--" ? extra[0].toStdString() : "");
    }
}

// The day report of a day of the log, without a picture; a day the log does not hold is refused
// as an option the window does not take, and nothing is written.
TEST_F(RenderTool, WritesTheDayReportOfADayOfTheLogOnly) {
    const QString log = writeLog(19000); // 2024-03-01 00:00 to 2024-03-03 04:46
    ProcessResult r = run({log, "--day-report", "2024-03-02", file("day.pdf")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    QFile pdf(file("day.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);

    r = run({log, "--day-report", "2024-03-04", file("none.pdf")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("--day-report 2024-03-04: the log has no records of that day (it holds "
                         "2024-03-01 to 2024-03-03)"),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(QFile::exists(file("none.pdf")));
}

} // namespace
} // namespace osk::test
