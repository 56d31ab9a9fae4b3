#include "PrintWindowFixture.h"

#include "print/ContactLines.h"

#include "print/PreviewPicture.h"

#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>

namespace osk::test {
namespace {

// With the cell group ticked: the paper's legend leaves it out, the screen's gets it back. (The
// notice's rule is the core's.)
using PreviewFromTheMenu = PrintWindowFixture;

TEST_F(PreviewFromTheMenu, ShowsThePaperPlotAndLegendAndPrintsNothing) {
    // The preview window is loaded with the hidden plot surface at the paper plot's size and the
    // page pictures, and not shown until a preview fills it.
    EXPECT_FALSE(preview().isVisible());
    const double dpi = preview().screenDpi();
    EXPECT_EQ(preview().dummyGraph().image().size(),
              QSize(qRound(8430 * dpi / 1440), qRound(6075 * dpi / 1440)));
    EXPECT_FALSE(
        preview().findChild<QWidget*>(QStringLiteral("DummyGraph"))->isVisibleTo(&preview()));
    for (const char* name : {"Image1", "Image2", "Image3"})
        EXPECT_FALSE(preview().findChild<QLabel*>(QString::fromLatin1(name))->pixmap().isNull())
            << name;

    c->chkItem[3]->setChecked(true);
    ASSERT_TRUE(hasColour(c->Legenda->surface().image(), kCellBlue));
    // The page's plot has another size than the screen's: axes left for it would show.
    const QImage& dummy = preview().dummyGraph().image();
    ASSERT_GT(std::abs(dummy.width() - c->pGraph->width()), 40);
    ASSERT_GT(std::abs(dummy.height() - c->pGraph->height()), 40);
    const ScreenState before = screen();
    const int64_t redrawsBefore = redraws();

    c->mnuAfdrukVoorbeeld->trigger();

    EXPECT_EQ(
        std::tuple(dialogs.messages(), QFileInfo::exists(printer().outputFileName()),
                   preview().isVisible(), preview().isModal(), preview().windowTitle()),
        std::tuple(std::vector<std::string>{kCellNotice}, false, true, false, "Afdruk voorbeeld"));

    // The plot's pixels where the preview shows the picture it copied first, the legend's where
    // it shows the second, the legend as drawn for paper: white, and without the cell group.
    auto* shown = preview().findChild<PreviewPicture*>(QStringLiteral("Preview"));
    ASSERT_NE(shown, nullptr);
    const std::vector<QRectF> areas = shown->pictureAreas();
    ASSERT_EQ(areas.size(), 2u);
    const QPoint plotAt = areas[0].topLeft().toPoint();
    const QPoint legendAt = areas[1].topLeft().toPoint();
    const QImage seen = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage plot = preview().dummyGraph().image().convertToFormat(QImage::Format_RGB32);
    const QImage& legend = c->Legenda->surface().image();
    ASSERT_GE(seen.width(), legendAt.x() + legend.width());
    EXPECT_EQ(seen.copy(QRect(plotAt, plot.size())), plot);
    EXPECT_TRUE(hasColour(plot, Rgb(128, 0, 128))); // the product's series
    const QImage paperLegend = seen.copy(QRect(legendAt, legend.size()));
    EXPECT_EQ(std::tuple(paperLegend.pixel(legend.width() - 1, 0),
                         seen.pixel(legendAt.x() - 1, legendAt.y()),
                         hasColour(paperLegend, Rgb(128, 0, 128)),
                         hasColour(paperLegend, kCellBlue)),
              std::tuple(qRgb(255, 255, 255), qRgb(255, 255, 255), true, false));

    // The screen: one redraw, at pGraph's size, with the legend's colour and entries back.
    expectScreenRebuilt(before);
    EXPECT_EQ(std::tuple(redraws(), hasColour(c->Legenda->surface().image(), kCellBlue)),
              std::tuple(redrawsBefore + 1, true));

    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&preview(), &esc);
    EXPECT_FALSE(preview().isVisible());
    // A second preview reuses the loaded window; the window's exit closes it.
    c->mnuAfdrukVoorbeeld->trigger();
    ASSERT_TRUE(preview().isVisible());
    window->close();
    EXPECT_FALSE(preview().isVisible());
}

// A printer that refuses every copy: each is reported, and the window is left as it was. (A
// cancelled print dialog is the core's page tests'.)
using PrintRefused = PrintWindowFixture;

TEST_F(PrintRefused, LeavesTheWindowAsItWasAndTellsOfEachCopy) {
    c->chkItem[3]->setChecked(true);
    const QString target =
        QString::fromStdString((pdfs.path() / "no-such-folder" / "page.pdf").string());
    printTo(target);
    const ScreenState before = screen();
    const int64_t redrawsBefore = redraws();
    dialogs.printCopies(2);

    c->mnuAfdrukken->trigger();

    // Each copy: the notice, then the error with its number and the printer's description.
    const std::vector<std::string> messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 4u);
    for (size_t i = 0; i < messages.size(); i += 2) {
        EXPECT_EQ(messages[i], kCellNotice);
        EXPECT_TRUE(messages[i + 1].starts_with("Printer error!  (2  The printer ") &&
                    messages[i + 1].ends_with(" did not accept the job)"))
            << messages[i + 1];
    }
    expectScreenRebuilt(before);
    EXPECT_EQ(std::tuple(QFileInfo::exists(target), redraws(), preview().isVisible()),
              std::tuple(false, redrawsBefore + 1, false));
}

// A failed real-time refresh leaves the last graph on screen with no log counted as loaded.
// Printing or previewing it must give the screen back as any page does, which is not quite the
// screen from before the first page: the page rebuilds the value axis for pGraph's own height.
class AfterAFailedRefresh : public PrintWindowFixture, public ::testing::WithParamInterface<bool> {
protected:
    void makePage() {
        if (!GetParam())
            dialogs.printCopies(1);
        (GetParam() ? c->mnuAfdrukVoorbeeld : c->mnuAfdrukken)->trigger();
    }
};

TEST_P(AfterAFailedRefresh, ThePageIsMadeAndTheScreenRebuiltAsAfterAnyOtherPage) {
    makePage();
    const QImage plot = c->pGraph->surface().image().copy();
    const QImage legend = c->Legenda->surface().image().copy();
    const PlotPointTable points = state.render.PlotPoints;
    const ScreenState before = screen();
    ASSERT_NE(points.at(state.records.ViewEndRecord, 1), 0);
    std::filesystem::remove(printer().outputFileName().toStdString());
    preview().hide();

    state.records.FileLoaded = false;
    makePage();

    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(GetParam() ? preview().isVisible()
                           : QFileInfo(printer().outputFileName()).size() > 0);
    EXPECT_TRUE(hasColour(preview().dummyGraph().image(), Rgb(128, 0, 128)));
    expectScreenRebuilt(before);
    ASSERT_EQ(state.render.PlotPoints.rows(), points.rows());
    for (int32_t r = 0; r < points.rows(); ++r)
        for (int slot = 0; slot < kPlotSlots; ++slot)
            ASSERT_EQ(state.render.PlotPoints.at(r, slot), points.at(r, slot)) << r << " " << slot;
    EXPECT_EQ(std::tuple(c->Legenda->surface().image(), c->pGraph->surface().image(),
                         state.records.FileLoaded),
              std::tuple(legend, plot, false));
}

INSTANTIATE_TEST_SUITE_P(PreviewOrPrint, AfterAFailedRefresh, ::testing::Bool());

using PrintToQueue = PrintWindowFixture;

TEST_F(PrintToQueue, ThreeCopiesAreThreeOnePageLandscapePdfsWithThePageTexts) {
    OSK_NEEDS_LINUX_PRINTING();
    const PrintQueue queue;
    ASSERT_TRUE(queue.ready()) << queue.problem().toStdString();
    ASSERT_TRUE(printing().printer().selectPrinter(QString::fromLatin1(kTestQueue)));
    ASSERT_EQ(printer().outputFormat(), QPrinter::NativeFormat);
    // A title of this run only: other PDFs in the folder are never taken for ours.
    const QString title = QStringLiteral("osk-print-test-%1-%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(QDateTime::currentMSecsSinceEpoch());
    printer().setDocName(title);
    c->chkItem[3]->setChecked(true);
    const ScreenState before = screen();
    const int64_t redrawsBefore = redraws();
    dialogs.printCopies(3);

    c->mnuAfdrukken->trigger();

    // A notice for each page, and no printer error.
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>(3, kCellNotice));
    expectScreenRebuilt(before);
    EXPECT_EQ(redraws(), redrawsBefore + 1);

    const QStringList pdfs = queue.waitForPdfs(title, 3, 60000);
    ASSERT_EQ(pdfs.size(), 3) << title.toStdString() << " in " << queue.outputDir().toStdString();
    ASSERT_EQ(state.records.RecordTime[static_cast<size_t>(state.records.ViewEndRecord)],
              "2024-03-05 23:59:50");
    // The page's fixed captions are the core's page tests'; here, what comes from the window.
    QStringList wanted = {": 05-03-2024", QString::fromStdString(logPath()),
                          c->lblScaleXas[0]->text(), before.captions.back()};
    for (std::string_view line : kContactLines)
        wanted << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    for (const QString& pdf : pdfs) {
        const auto info = readPdfInfo(pdf);
        ASSERT_TRUE(info.has_value()) << pdf.toStdString();
        EXPECT_TRUE(info->pages == 1 && info->width > info->height) << pdf.toStdString();
        const QString text = readPdfText(pdf);
        for (const QString& w : wanted)
            EXPECT_TRUE(text.contains(w)) << w.toStdString() << " not in " << pdf.toStdString();
    }
    // A failed run leaves its PDFs for a look.
    if (!::testing::Test::HasFailure())
        for (const QString& pdf : pdfs)
            QFile::remove(pdf);
}

} // namespace
} // namespace osk::test
