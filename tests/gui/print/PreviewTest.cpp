#include "print/PreviewPicture.h"
#include "print/PrinterChoice.h"
#include "print/QtPageOutput.h"
#include "print/RenderPage.h"
#include "print/frmPreview.h"
#include "support/ScriptedDialogs.h"

#include "LoggedWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <gtest/gtest.h>

#include <variant>

namespace osk {
namespace {

// The real page outputs, counting the print jobs asked for.
class CountingOutput : public PageOutput {
public:
    explicit CountingOutput(PageOutput& real) : real_(real) {}
    std::unique_ptr<PrintJob> newJob() override {
        ++jobs;
        return real_.newJob();
    }
    PageSurface& preview() override { return real_.preview(); }
    void showPreview() override { real_.showPreview(); }
    int jobs = 0;

private:
    PageOutput& real_;
};

struct PreviewFixture : ::testing::Test {
    test::LoggedWindow window{"2024-03-05 00:00:00", "/srv/osk/Data/Pool1.csv"};
    frmPreview preview{[this] { return window.legend.image(); }};
    PrinterChoice printer;
    QtPageOutput real{printer, preview};
    CountingOutput output{real};
    test::ScriptedDialogs dialogs;
    PrintContext ctx{window.render, *window.records, window.texts, dialogs, window, output};
};

std::vector<PageDrawing::Picture> picturesOf(const PageDrawing& drawing) {
    std::vector<PageDrawing::Picture> out;
    for (const auto& step : drawing.steps())
        if (const auto* p = std::get_if<PageDrawing::Picture>(&step))
            out.push_back(*p);
    return out;
}

bool samePixels(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

TEST_F(PreviewFixture, ShowsPlotAndLegendAtTheirPlacesAndPrintsNothing) {
    window.render.SeriesOn.set(3, 0, 0);
    const Colour screenLegend = window.legendBack;
    PreviewCommand(ctx, preview.dummyGraph());

    EXPECT_EQ(output.jobs, 0);
    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_TRUE(preview.isVisible());
    EXPECT_FALSE(preview.isModal());
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Afdruk voorbeeld"));

    auto* shown = preview.findChild<PreviewPicture*>(QStringLiteral("Preview"));
    ASSERT_NE(shown, nullptr);
    const auto pictures = picturesOf(shown->drawing());
    ASSERT_EQ(pictures.size(), 2u);
    const QImage plot = preview.dummyGraph().image();
    const QImage legend = window.legend.image();
    EXPECT_EQ(pictures[0].target, QRectF(QPointF(70, 50), QSizeF(plot.size())));
    EXPECT_EQ(pictures[1].target.topLeft(), QPointF(1180, 50));
    EXPECT_EQ(pictures[1].target.size(), QSizeF(legend.size()));
    EXPECT_TRUE(samePixels(pictures[0].image, plot));

    // What the user sees: the plot's pixels from (70, 50) on, the legend's from (1180, 50) on,
    // the legend as drawn for paper on white although the window's legend has its colour back.
    const QImage seen = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(seen.width(), 1180 + legend.width());
    EXPECT_TRUE(samePixels(seen.copy(70, 50, plot.width(), plot.height()), plot));
    EXPECT_EQ(seen.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(seen.pixel(1180 + legend.width() - 1, 50), qRgb(255, 255, 255));
    EXPECT_EQ(window.legendBack, screenLegend);
    EXPECT_EQ(legend.pixel(legend.width() - 1, 0),
              qRgb(redOf(screenLegend), greenOf(screenLegend), blueOf(screenLegend)));
    EXPECT_FALSE(window.render.Printing);
}

TEST_F(PreviewFixture, TheHiddenSurfaceIsTheDummyGraphsSizeAndEscCloses) {
    const double dpi = preview.screenDpi();
    const QImage& plot = preview.dummyGraph().image();
    EXPECT_EQ(plot.width(), qRound(8430 * dpi / 1440));
    EXPECT_EQ(plot.height(), qRound(6075 * dpi / 1440));
    auto* dummy = preview.findChild<QWidget*>(QStringLiteral("DummyGraph"));
    ASSERT_NE(dummy, nullptr);
    EXPECT_FALSE(dummy->isVisibleTo(&preview));
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        auto* image = preview.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(image, nullptr) << name;
        EXPECT_FALSE(image->pixmap().isNull()) << name;
    }

    PreviewCommand(ctx, preview.dummyGraph());
    ASSERT_TRUE(preview.isVisible());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&preview, &esc);
    EXPECT_FALSE(preview.isVisible());
}

bool hasColour(const QImage& image, Colour c) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb wanted = qRgb(redOf(c), greenOf(c), blueOf(c));
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixel(x, y) == wanted)
                return true;
    return false;
}

TEST_F(PreviewFixture, TheCellGroupIsNoticedAndLeftOutOfThePaperLegend) {
    // Only the cell group on, so that its entries head the legend.
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < kSeriesItems; ++k)
            window.render.SeriesOn.set(g, k, 0);
    window.rebuildScreen();
    constexpr Colour kCellBlue = Rgb(1, 6, 201);
    ASSERT_TRUE(hasColour(window.legend.image(), kCellBlue));

    PreviewCommand(ctx, preview.dummyGraph());
    ASSERT_EQ(dialogs.prompts.size(), 1u);
    EXPECT_EQ(dialogs.prompts[0].text, "Photocell values will not be printed!");
    EXPECT_EQ(dialogs.prompts[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.prompts[0].title, "OSK-Graphs");

    const auto pictures = picturesOf(preview.preview().drawing());
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_FALSE(hasColour(pictures[1].image, kCellBlue));
    // The screen's legend lists the cell group again.
    EXPECT_TRUE(hasColour(window.legend.image(), kCellBlue));
}

} // namespace
} // namespace osk
