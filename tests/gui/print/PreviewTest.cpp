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

namespace osk {
namespace {

// The real page outputs, counting the print jobs asked for.
struct CountingOutput : PageOutput {
    explicit CountingOutput(PageOutput& r) : real(r) {}
    std::unique_ptr<PrintJob> newJob() override {
        ++jobs;
        return real.newJob();
    }
    PageSurface& preview() override { return real.preview(); }
    void showPreview() override { real.showPreview(); }
    PageOutput& real;
    int jobs = 0;
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

QRgb rgbOf(Colour c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

bool hasColour(const QImage& image, Colour c) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixel(x, y) == rgbOf(c))
                return true;
    return false;
}

TEST_F(PreviewFixture, ShowsPlotAndLegendAtTheirPlacesAndPrintsNothing) {
    // Only the cell group and the product on: the cell entries are near the legend's top.
    for (int g = 1; g < 3; ++g)
        window.render.SeriesOn.set(g, 0, 0);
    window.rebuildScreen();
    const Colour screenLegend = window.legendBack;
    constexpr Colour kCellBlue = Rgb(1, 6, 201);
    ASSERT_TRUE(hasColour(window.legend.image(), kCellBlue));
    PreviewCommand(ctx, preview.dummyGraph());

    EXPECT_EQ(output.jobs, 0);
    ASSERT_EQ(dialogs.messages(),
              std::vector<std::string>{"Photocell values will not be printed!"});
    EXPECT_TRUE(preview.isVisible());
    EXPECT_FALSE(preview.isModal());
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Afdruk voorbeeld"));

    // What the user sees: the plot's pixels from (70, 50) on, the legend's from (1180, 50) on,
    // the legend as drawn for paper (white, no cell entries) while the window's legend has its
    // colour and its cell entries back.
    auto* shown = preview.findChild<PreviewPicture*>(QStringLiteral("Preview"));
    ASSERT_NE(shown, nullptr);
    const QImage seen = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage plot = preview.dummyGraph().image().convertToFormat(QImage::Format_RGB32);
    const QImage legend = window.legend.image();
    ASSERT_GE(seen.width(), 1180 + legend.width());
    EXPECT_EQ(seen.copy(70, 50, plot.width(), plot.height()), plot);
    const QImage paperLegend = seen.copy(1180, 50, legend.width(), legend.height());
    EXPECT_EQ(paperLegend.pixel(legend.width() - 1, 0), qRgb(255, 255, 255));
    EXPECT_TRUE(hasColour(paperLegend, Rgb(128, 0, 128))); // the product's entry
    EXPECT_FALSE(hasColour(paperLegend, kCellBlue));
    EXPECT_EQ(seen.pixel(1179, 50), qRgb(255, 255, 255));

    EXPECT_EQ(window.legendBack, screenLegend);
    EXPECT_EQ(legend.pixel(legend.width() - 1, 0), rgbOf(screenLegend));
    EXPECT_TRUE(hasColour(legend, kCellBlue));
    EXPECT_FALSE(window.render.Printing);
}

TEST_F(PreviewFixture, HoldsTheHiddenSurfaceAndThePicturesAndClosesWithEsc) {
    const double dpi = preview.screenDpi();
    EXPECT_EQ(preview.dummyGraph().image().size(),
              QSize(qRound(8430 * dpi / 1440), qRound(6075 * dpi / 1440)));
    auto* dummy = preview.findChild<QWidget*>(QStringLiteral("DummyGraph"));
    ASSERT_NE(dummy, nullptr);
    EXPECT_FALSE(dummy->isVisibleTo(&preview));
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        auto* image = preview.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(image, nullptr) << name;
        EXPECT_FALSE(image->pixmap().isNull()) << name;
    }
    window.render.SeriesOn.set(3, 0, 0);
    PreviewCommand(ctx, preview.dummyGraph());
    ASSERT_TRUE(preview.isVisible());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&preview, &esc);
    EXPECT_FALSE(preview.isVisible());
}

} // namespace
} // namespace osk
