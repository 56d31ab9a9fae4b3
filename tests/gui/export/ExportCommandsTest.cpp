#include "gui/app/ProgramFixture.h"

#include "analysis/AnalysisCsv.h"
#include "export/WindowPicture.h"
#include "graph/ExportFiles.h"
#include "graph/ProductSystem.h"
#include "graph/SeriesCatalogue.h"
#include "lang/TextNumbers.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <set>

namespace osk::test {
namespace {

class ExportCommandsTest : public LogWindowFixture {
protected:
    // A named log with the product and pH groups drawn.
    void openProductAndPh() {
        open(logs.write("log.csv", generatedLog(3000, kStart, [](auto& o) { o.name = "Pool 3"; })));
        c->chkItem[1]->setChecked(true);
    }
    std::string inLogs(const std::string& name) const { return (logs.path() / name).string(); }
    static QByteArray contents(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::set<std::string> filesInLogs() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(logs.path()))
            names.insert(entry.path().filename().string());
        return names;
    }
};

struct FormatCase {
    const char* name; // as typed in the dialog
    int filter;
    const char* written;
};

class SavePictureFormat : public ExportCommandsTest,
                          public ::testing::WithParamInterface<FormatCase> {};

TEST_P(SavePictureFormat, WritesWhatTheWindowShows) {
    openProductAndPh();
    dialogs.saveFile(inLogs(GetParam().name), GetParam().filter);
    c->mnuSavePicture->trigger();

    ASSERT_EQ(dialogs.prompts.size(), 2u); // the Open dialog, then the Save dialog
    const SaveFileRequest& request = dialogs.prompts[1].save;
    EXPECT_EQ(
        std::tuple(request.initialFolder, request.proposedName, request.filter,
                   dialogs.messages().size()),
        std::tuple(logs.path().string(),
                   "Pool 3 " +
                       state.records.RecordTime[size_t(state.render.DrawnNewest)].substr(0, 10),
                   kPictureFilter, 0u));

    const std::string path = inLogs(GetParam().written);
    const QByteArray bytes = contents(path);
    ASSERT_FALSE(bytes.isEmpty()) << path;
    const QSize size = windowPictureSize(*c);
    const PictureFormat format = ChosenPictureFile(path, 1).format;
    if (format == PictureFormat::Png) {
        const QImage picture = QImage::fromData(bytes, "PNG");
        ASSERT_EQ(picture.size(), size);
        // The plot's own pixels at the plot's place inside its border.
        const QImage& plot = c->pGraph->surface().image();
        const QPoint at = c->pGraph->pos() + QPoint(PictureBox::kBorder, PictureBox::kBorder);
        EXPECT_EQ(picture.copy(QRect(at, plot.size())).convertToFormat(QImage::Format_RGB32),
                  plot.convertToFormat(QImage::Format_RGB32));
    } else if (format == PictureFormat::Svg) {
        const std::vector<SvgElement> svg = svgElements(bytes);
        ASSERT_FALSE(svg.empty());
        EXPECT_EQ(svg[0].name, QStringLiteral("svg"));
        EXPECT_EQ(svg[0]["viewBox"],
                  "0 0 " + std::to_string(size.width()) + " " + std::to_string(size.height()));
        // Each drawn series is one long line in its own colour; the labels round the plot and
        // the legend's lines are there as texts.
        std::multiset<QString> strokes, drawn;
        std::set<QString> texts;
        for (const SvgElement& e : svg) {
            const std::string points = e["points"];
            if (e.name == QLatin1String("polyline") &&
                std::count(points.begin(), points.end(), ' ') >= 500)
                strokes.insert(e.stroke);
            if (e.name == QLatin1String("text"))
                texts.insert(e.text.trimmed());
        }
        for (const SeriesEntry& e : kSeriesCatalogue)
            if (e.draws() && SeriesSelected(e, state.render.SeriesOn, false))
                drawn.insert(QColor(redOf(e.colour), greenOf(e.colour), blueOf(e.colour)).name());
        EXPECT_EQ(strokes, drawn);
        for (const QString& shown : {c->lblLegendaTitle->text(), c->lblScale[0]->text(),
                                     c->lblScaleXas[12]->text(), QStringLiteral("PH (/10)")})
            EXPECT_EQ(texts.count(shown), 1u) << shown.toStdString();
    } else {
        EXPECT_TRUE(bytes.startsWith("%PDF-"));
        // One page object ("/Type /Page", not "/Type /Pages").
        EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);
    }
    // Nothing but the log and the picture in the folder: no temporary file stayed.
    EXPECT_EQ(filesInLogs(), (std::set<std::string>{"log.csv", GetParam().written}));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, SavePictureFormat,
    ::testing::Values(FormatCase{"graph", 1, "graph.png"}, FormatCase{"graph", 2, "graph.svg"},
                      FormatCase{"graph", 3, "graph.pdf"}, FormatCase{"graph.PDF", 2, "graph.PDF"}),
    [](const auto& info) { return CaseName()(info) + "_" + std::to_string(info.param.filter); });

TEST_F(ExportCommandsTest, AFailedSaveSaysSoAndTheNextStartsInTheFolderOfTheLastGoodOne) {
    openLog(2000);
    TempDir elsewhere;
    dialogs.saveFile((elsewhere.path() / "graph").string(), 1);
    c->mnuSavePicture->trigger();
    // A "folder" that is a file: no file can be made in it, not even by the superuser.
    for (const int filter : {1, 2, 3}) {
        SCOPED_TRACE(filter);
        const std::string path = inLogs("log.csv") + "/graph";
        dialogs.saveFile(path, filter);
        dialogs.prompts.clear();
        c->mnuSavePicture->trigger();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_TRUE(dialogs.messages()[0].starts_with("The file could not be written:\n" +
                                                      ChosenPictureFile(path, filter).path + "\n"))
            << dialogs.messages()[0];
        EXPECT_EQ(dialogs.prompts.back().icon, MessageIcon::Critical);
    }
    EXPECT_EQ(filesInLogs(), std::set<std::string>{"log.csv"});
    // A cancel saves nothing; a failed save is not the folder the next dialog starts in.
    dialogs.prompts.clear();
    dialogs.cancelSave();
    c->mnuSavePicture->trigger();
    dialogs.saveFile((elsewhere.path() / "data").string(), 1);
    c->mnuExportData->trigger();
    EXPECT_EQ(std::tuple(dialogs.prompts.back().save.initialFolder, dialogs.messages().size(),
                         filesInLogs()),
              std::tuple(elsewhere.path().string(), 0u, std::set<std::string>{"log.csv"}));
    for (const char* written : {"graph.png", "data.csv"})
        EXPECT_TRUE(std::filesystem::exists(elsewhere.path() / written)) << written;
}

TEST_F(ExportCommandsTest, CopyPutsThePictureOnTheClipboard) {
    openProductAndPh();
    QGuiApplication::clipboard()->clear();
    c->mnuCopyPicture->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), windowPictureSize(*c));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), windowPicture(*c));
    EXPECT_EQ(c->mnuCopyPicture->shortcut(), QKeySequence(QKeySequence::Copy));
}

TEST_F(ExportCommandsTest, ExportWritesTheDrawnRecordsAsRead) {
    openProductAndPh();
    // Six hours of the log's eight, one hour back: the newest record written is the window's
    // end, not the log's.
    c->Xas->setCurrentIndex(5);
    c->hscGraphScroller->triggerAction(QAbstractSlider::SliderSingleStepSub);
    const int32_t oldest = state.render.DrawnOldest, newest = state.render.DrawnNewest;
    ASSERT_EQ(newest, state.records.ViewEndRecord);
    ASSERT_LT(newest, state.records.RecordCount);
    ASSERT_GT(oldest, 1);

    dialogs.saveFile(inLogs("data"), 1);
    c->mnuExportData->trigger();
    EXPECT_EQ(dialogs.prompts.back().save.filter, kCsvFilter);
    const QList<QByteArray> lines = contents(inLogs("data.csv")).split('\n');
    // Every line ends in CR LF, the last one too.
    ASSERT_EQ(lines.size(), newest - oldest + 3);
    EXPECT_EQ(std::tuple(lines[0], lines.back()),
              std::tuple(QByteArray("Time,Free Chlorine mg/L (/100),PH (/10)\r"), QByteArray()));
    // The rows run from the oldest record drawn to the window's end; their fields are the core's.
    EXPECT_EQ(
        std::tuple(lines[1].left(19).toStdString(), lines[lines.size() - 2].left(20)),
        std::tuple(state.records.RecordTime[size_t(oldest)],
                   QByteArray::fromStdString(state.records.RecordTime[size_t(newest)] + ",")));
}

TEST_F(ExportCommandsTest, EventsAndDayFiguresAreTheAnalysisOfTheLogLoaded) {
    EXPECT_FALSE(c->mnuExportEvents->isEnabled());
    EXPECT_FALSE(c->mnuExportDayFigures->isEnabled());
    // The second log spans two days: the analysis follows each load.
    for (const int64_t records : {3000, 9000}) {
        SCOPED_TRACE(records);
        open(logs.write("log.csv",
                        generatedLog(records, kStart, [](auto& o) { o.name = "Pool 3"; })));
        const LogAnalysis analysis = AnalyseLog(state.records);
        ASSERT_FALSE(analysis.excursions.empty());
        const int16_t product = ProductTextIndex(settings);
        const std::string named =
            "Pool 3 " + state.records.RecordTime[size_t(state.render.DrawnNewest)].substr(0, 10);
        for (const auto& [menu, title, name, header, csv] :
             {std::tuple(c->mnuExportEvents, "Export events", named + " events",
                         "Kind,Start,End,Duration,Worst value\r\n",
                         EventsCsv(analysis, state.texts, product)),
              std::tuple(c->mnuExportDayFigures, "Export day figures", named + " day figures",
                         "Day,", DayFiguresCsv(analysis.days, state.texts, product))}) {
            ASSERT_TRUE(menu->isEnabled());
            dialogs.saveFile(inLogs("analysis"), 1);
            menu->trigger();
            const SaveFileRequest& request = dialogs.prompts.back().save;
            EXPECT_EQ(std::tuple(request.title, request.proposedName, request.filter),
                      std::tuple(title, name, kCsvFilter));
            const std::string written = contents(inLogs("analysis.csv")).toStdString();
            EXPECT_TRUE(written.starts_with(header)) << written.substr(0, 80);
            EXPECT_EQ(written, csv);
        }
    }
}

} // namespace
} // namespace osk::test
