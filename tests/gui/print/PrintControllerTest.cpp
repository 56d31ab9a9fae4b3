#include "PrintWindowFixture.h"

#include "print/PreviewPicture.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace osk::test {
namespace {

// With the cell group ticked or not.
class PreviewFromTheMenu : public PrintWindowFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(PreviewFromTheMenu, ShowsThePaperPlotAndLegendAndPrintsNothing) {
    const bool cellGroup = GetParam();
    c->chkItem[3]->setChecked(cellGroup);
    ASSERT_EQ(hasColour(c->Legenda->surface().image(), kCellBlue), cellGroup);
    // The page's plot has another size than the screen's: axes left for it would show.
    const QImage& dummy = preview().dummyGraph().image();
    ASSERT_GT(std::abs(dummy.width() - c->pGraph->width()), 40);
    ASSERT_GT(std::abs(dummy.height() - c->pGraph->height()), 40);
    const ScreenState before = screen();
    const int64_t redrawsBefore = redraws();

    c->mnuAfdrukVoorbeeld->trigger();

    EXPECT_EQ(dialogs.messages(),
              cellGroup ? std::vector<std::string>{kCellNotice} : std::vector<std::string>{});
    EXPECT_FALSE(QFileInfo::exists(printer().outputFileName()));
    EXPECT_TRUE(preview().isVisible());
    EXPECT_FALSE(preview().isModal());
    EXPECT_EQ(preview().windowTitle(), QStringLiteral("Afdruk voorbeeld"));

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
    EXPECT_EQ(paperLegend.pixel(legend.width() - 1, 0), qRgb(255, 255, 255));
    EXPECT_TRUE(hasColour(paperLegend, Rgb(128, 0, 128)));
    EXPECT_FALSE(hasColour(paperLegend, kCellBlue));
    EXPECT_EQ(seen.pixel(legendAt.x() - 1, legendAt.y()), qRgb(255, 255, 255));

    // The screen: one redraw, at pGraph's size, with the legend's colour and entries back.
    expectScreenRebuilt(before);
    EXPECT_EQ(redraws(), redrawsBefore + 1);
    EXPECT_EQ(hasColour(c->Legenda->surface().image(), kCellBlue), cellGroup);

    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&preview(), &esc);
    EXPECT_FALSE(preview().isVisible());
    // A second preview reuses the loaded window; the window's exit closes it.
    c->mnuAfdrukVoorbeeld->trigger();
    ASSERT_TRUE(preview().isVisible());
    window->close();
    EXPECT_FALSE(preview().isVisible());
}

INSTANTIATE_TEST_SUITE_P(CellGroup, PreviewFromTheMenu, ::testing::Bool());

// A print that ends before a page is out: cancelled in the dialog, or the printer refusing every
// copy. Either way the window is left as it was.
struct EndsEarlyCase {
    const char* name;
    int copies; // 0: the dialog is cancelled
    bool unwritable;
    int redraws;
};
void PrintTo(const EndsEarlyCase& e, std::ostream* os) {
    *os << e.name;
}

class PrintEndsEarly : public PrintWindowFixture,
                       public ::testing::WithParamInterface<EndsEarlyCase> {};

TEST_P(PrintEndsEarly, LeavesTheWindowAsItWasAndTellsOnlyOfFailures) {
    const EndsEarlyCase& e = GetParam();
    c->chkItem[3]->setChecked(true);
    const QString target =
        e.unwritable
            ? QString::fromStdString((pdfs.path() / "no-such-folder" / "page.pdf").string())
            : printer().outputFileName();
    printTo(target);
    const ScreenState before = screen();
    const int64_t redrawsBefore = redraws();
    if (e.copies == 0)
        dialogs.cancelPrint();
    else
        dialogs.printCopies(e.copies);

    c->mnuAfdrukken->trigger();

    EXPECT_TRUE(dialogs.allAnswersUsed());
    // Each copy: the notice, then the error with its number and the printer's description.
    const std::vector<std::string> messages = dialogs.messages();
    ASSERT_EQ(messages.size(), static_cast<size_t>(2 * e.copies));
    for (size_t i = 0; i < messages.size(); i += 2) {
        EXPECT_EQ(messages[i], kCellNotice);
        EXPECT_TRUE(messages[i + 1].starts_with("Printer error!  (2  The printer "))
            << messages[i + 1];
        EXPECT_TRUE(messages[i + 1].ends_with(" did not accept the job)")) << messages[i + 1];
    }
    EXPECT_FALSE(QFileInfo::exists(target));
    expectScreenRebuilt(before);
    EXPECT_EQ(redraws(), redrawsBefore + e.redraws);
    EXPECT_FALSE(preview().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Prints, PrintEndsEarly,
                         ::testing::Values(EndsEarlyCase{"cancelled", 0, false, 0},
                                           EndsEarlyCase{"printer_refuses", 2, true, 1}));

// What a page leaves on screen: the plot's and the legend's pictures and the points the read-out
// searches.
struct DrawnScreen {
    QImage plot;
    QImage legend;
    PlotPointTable points;
};

// "" when both tables hold the same points, else the first record and slot that differ.
std::string firstDifference(const PlotPointTable& a, const PlotPointTable& b) {
    if (a.rows() != b.rows())
        return std::to_string(a.rows()) + " rows against " + std::to_string(b.rows());
    for (int32_t r = 0; r < a.rows(); ++r)
        for (int slot = 0; slot < kPlotSlots; ++slot)
            if (a.at(r, slot) != b.at(r, slot))
                return "record " + std::to_string(r) + " slot " + std::to_string(slot) + ": " +
                       std::to_string(a.at(r, slot)) + " against " + std::to_string(b.at(r, slot));
    return {};
}

// A failed real-time refresh leaves the last graph on screen with no log counted as loaded.
// Printing or previewing it must give the screen back as any page does, which is not quite the
// screen from before the first page: the page rebuilds the value axis for pGraph's own height.
class AfterAFailedRefresh : public PrintWindowFixture, public ::testing::WithParamInterface<bool> {
protected:
    void makePage() {
        if (GetParam()) {
            c->mnuAfdrukVoorbeeld->trigger();
        } else {
            dialogs.printCopies(1);
            c->mnuAfdrukken->trigger();
        }
    }
    DrawnScreen drawn() {
        return {c->pGraph->surface().image().copy(), c->Legenda->surface().image().copy(),
                state.render.PlotPoints};
    }
};

TEST_P(AfterAFailedRefresh, ThePageIsMadeAndTheScreenRebuiltAsAfterAnyOtherPage) {
    const bool previewing = GetParam();
    makePage();
    const DrawnScreen afterPage = drawn();
    const ScreenState before = screen();
    ASSERT_NE(afterPage.points.at(state.records.ViewEndRecord, 1), 0);
    std::filesystem::remove(printer().outputFileName().toStdString());
    preview().hide();

    state.records.FileLoaded = false;
    makePage();

    EXPECT_TRUE(dialogs.messages().empty());
    if (previewing)
        EXPECT_TRUE(preview().isVisible());
    else
        EXPECT_GT(QFileInfo(printer().outputFileName()).size(), 0);
    EXPECT_TRUE(hasColour(preview().dummyGraph().image(), Rgb(128, 0, 128)));
    expectScreenRebuilt(before);
    const DrawnScreen after = drawn();
    EXPECT_EQ(firstDifference(after.points, afterPage.points), "");
    EXPECT_EQ(after.legend, afterPage.legend);
    EXPECT_EQ(after.plot, afterPage.plot);
    EXPECT_FALSE(state.records.FileLoaded);
}

INSTANTIATE_TEST_SUITE_P(PreviewOrPrint, AfterAFailedRefresh, ::testing::Bool());

TEST_F(PrintWindowFixture, ThePreviewWindowHoldsTheHiddenPlotSurfaceAndThePagePictures) {
    const double dpi = preview().screenDpi();
    EXPECT_EQ(preview().dummyGraph().image().size(),
              QSize(qRound(8430 * dpi / 1440), qRound(6075 * dpi / 1440)));
    auto* dummy = preview().findChild<QWidget*>(QStringLiteral("DummyGraph"));
    ASSERT_NE(dummy, nullptr);
    EXPECT_FALSE(dummy->isVisibleTo(&preview()));
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        auto* image = preview().findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(image, nullptr) << name;
        EXPECT_FALSE(image->pixmap().isNull()) << name;
    }
    EXPECT_FALSE(preview().isVisible()); // loaded, not shown, until a preview fills it
}

} // namespace
} // namespace osk::test
