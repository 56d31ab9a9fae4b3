#include "gui/logdata/LogWindowFixture.h"

#include "export/WindowPicture.h"
#include "graph/ExportFiles.h"
#include "graph/SeriesCatalogue.h"
#include "lang/TextNumbers.h"

#include "gui/support/NamedCases.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QXmlStreamReader>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace osk::test {
namespace {

class ExportCommandsTest : public LogWindowFixture {
protected:
    // A named log with the product and pH groups drawn.
    void openProductAndPh() {
        genlog::LogOptions options;
        options.records = 3000;
        options.start = kStart;
        options.name = "Pool 3";
        open(logs.write("log.csv", genlog::generateLog(options)));
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
    // The colours of the drawn series, as "#rrggbb".
    std::multiset<std::string> drawnSeriesColours() const {
        std::multiset<std::string> colours;
        for (const SeriesEntry& e : kSeriesCatalogue)
            if (e.draws() && SeriesSelected(e, state.render.SeriesOn, false))
                colours.insert(QColor(redOf(e.colour), greenOf(e.colour), blueOf(e.colour))
                                   .name()
                                   .toStdString());
        return colours;
    }
};

// Stroke colours of the SVG's polylines of more than minPoints points; the colour is that of the
// nearest enclosing element that sets one.
std::multiset<std::string> longPolylineStrokes(const QByteArray& svg, int minPoints) {
    std::multiset<std::string> strokes;
    std::vector<QString> inherited{QString()};
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString stroke = xml.attributes().value(QStringLiteral("stroke")).toString();
            inherited.push_back(stroke.isEmpty() ? inherited.back() : stroke);
            if (xml.name() == QLatin1String("polyline")) {
                const QString points = xml.attributes().value(QStringLiteral("points")).toString();
                if (points.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() > minPoints)
                    strokes.insert(inherited.back().toStdString());
            }
        } else if (token == QXmlStreamReader::EndElement) {
            inherited.pop_back();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return strokes;
}

// The name and the view box of the SVG's root element; empty when the document is not well formed.
std::pair<QString, QString> svgRoot(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QString name;
    QString viewBox;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && name.isEmpty()) {
            name = xml.name().toString();
            viewBox = xml.attributes().value(QStringLiteral("viewBox")).toString();
        }
    if (xml.hasError())
        return {};
    return {name, viewBox};
}

std::set<QString> svgTexts(const QByteArray& svg) {
    std::set<QString> texts;
    QXmlStreamReader xml(svg);
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd())
        if (xml.isStartElement() && xml.name() == QLatin1String("text"))
            texts.insert(xml.readElementText().trimmed());
    return texts;
}

int pdfPages(const QByteArray& pdf) {
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1))
        pages += pdf.mid(at + 11, 1) != "s";
    return pages;
}

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
    EXPECT_EQ(request.initialFolder, logs.path().string());
    EXPECT_EQ(
        request.proposedName,
        "Pool 3 " +
            state.records.RecordTime[static_cast<size_t>(state.render.DrawnNewest)].substr(0, 10));
    EXPECT_EQ(request.filter, kPictureFilter);
    EXPECT_TRUE(dialogs.messages().empty());

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
        ASSERT_EQ(svgRoot(bytes),
                  std::pair(QStringLiteral("svg"),
                            QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height())));
        // Each drawn series is one long line in its own colour.
        EXPECT_EQ(longPolylineStrokes(bytes, 500), drawnSeriesColours());
        // The labels round the plot and the legend's lines are there as texts.
        const std::set<QString> texts = svgTexts(bytes);
        for (const QString& shown : {c->lblLegendaTitle->text(), c->lblScale[0]->text(),
                                     c->lblScaleXas[12]->text(), QStringLiteral("PH (/10)")})
            EXPECT_EQ(texts.count(shown), 1u) << shown.toStdString();
    } else {
        EXPECT_TRUE(bytes.startsWith("%PDF-"));
        EXPECT_EQ(pdfPages(bytes), 1);
    }
    // Nothing but the log and the picture in the folder: no temporary file stayed.
    EXPECT_EQ(filesInLogs(), (std::set<std::string>{"log.csv", GetParam().written}));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, SavePictureFormat,
    ::testing::Values(FormatCase{"graph", 1, "graph.png"}, FormatCase{"graph", 2, "graph.svg"},
                      FormatCase{"graph", 3, "graph.pdf"}, FormatCase{"graph.svg", 1, "graph.svg"},
                      FormatCase{"graph.PDF", 2, "graph.PDF"}),
    [](const auto& info) {
        return CaseName()(info) + "_" + std::to_string(info.param.filter);
    });

TEST_F(ExportCommandsTest, SaveIntoAFolderThatCannotBeWrittenSaysSoAndLeavesNothing) {
    openLog(2000);
    // A "folder" that is a file: no file can be made in it, not even by the superuser.
    for (const int filter : {1, 2, 3}) {
        SCOPED_TRACE(filter);
        const std::string path = inLogs("log.csv") + "/graph";
        dialogs.saveFile(path, filter);
        c->mnuSavePicture->trigger();
        const std::vector<std::string> shown = dialogs.messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].rfind("The file could not be written:\n" +
                                     ChosenPictureFile(path, filter).path + "\n",
                                 0),
                  0u)
            << shown[0];
        EXPECT_EQ(dialogs.prompts.back().icon, MessageIcon::Critical);
        dialogs.prompts.clear();
    }
    EXPECT_EQ(filesInLogs(), std::set<std::string>{"log.csv"});

    // A failed save is not the folder the next dialog starts in; a cancel saves nothing.
    dialogs.cancelSave();
    c->mnuSavePicture->trigger();
    EXPECT_EQ(dialogs.prompts.back().save.initialFolder, logs.path().string());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(filesInLogs(), std::set<std::string>{"log.csv"});
}

TEST_F(ExportCommandsTest, TheNextSaveStartsInTheFolderOfTheLast) {
    openLog(2000);
    TempDir elsewhere;
    dialogs.saveFile((elsewhere.path() / "graph").string(), 1);
    c->mnuSavePicture->trigger();
    dialogs.saveFile((elsewhere.path() / "data").string(), 1);
    c->mnuExportData->trigger();
    ASSERT_EQ(dialogs.prompts.size(), 3u);
    EXPECT_EQ(dialogs.prompts[2].save.initialFolder, elsewhere.path().string());
    EXPECT_TRUE(std::filesystem::exists(elsewhere.path() / "graph.png"));
    EXPECT_TRUE(std::filesystem::exists(elsewhere.path() / "data.csv"));
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
    const int32_t oldest = state.render.DrawnOldest;
    const int32_t newest = state.render.DrawnNewest;
    ASSERT_EQ(newest, state.records.ViewEndRecord);
    ASSERT_LT(newest, state.records.RecordCount);
    ASSERT_GT(oldest, 1);

    dialogs.saveFile(inLogs("data"), 1);
    c->mnuExportData->trigger();
    EXPECT_EQ(dialogs.prompts.back().save.filter, kCsvFilter);
    const QList<QByteArray> lines = contents(inLogs("data.csv")).split('\n');
    // Every line ends in CR LF, the last one too.
    ASSERT_EQ(lines.size(), newest - oldest + 3);
    EXPECT_TRUE(lines.back().isEmpty());
    EXPECT_EQ(lines[0], "Time,Free Chlorine mg/L (/100),PH (/10)\r");
    const auto column = [](int group) {
        return std::find_if(kSeriesCatalogue.begin(), kSeriesCatalogue.end(),
                            [&](const SeriesEntry& e) { return e.group == group && e.item == 0; })
            ->column;
    };
    const auto fields = [&](int32_t record) {
        return lines[record - oldest + 1].chopped(1).split(',');
    };
    for (const int32_t r : {oldest, (oldest + newest) / 2, newest}) {
        const QList<QByteArray> f = fields(r);
        ASSERT_EQ(f.size(), 3) << r;
        EXPECT_EQ(f[0].toStdString(), state.records.RecordTime[static_cast<size_t>(r)]);
        EXPECT_DOUBLE_EQ(f[1].toDouble(), state.records.RecordValue(r, column(0))) << r;
        // pH as the log holds it, not times the legend's factor.
        EXPECT_DOUBLE_EQ(f[2].toDouble(), state.records.RecordValue(r, column(1))) << r;
        EXPECT_GT(f[2].toDouble(), 5.0);
        EXPECT_LT(f[2].toDouble(), 9.0);
    }
}

} // namespace
} // namespace osk::test
