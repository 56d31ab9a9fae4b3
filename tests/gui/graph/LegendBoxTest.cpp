#include "gui/logdata/LogWindowFixture.h"

#include "graph/Legend.h"
#include "graph/LegendBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace osk::test {
namespace {

constexpr QRgb kCellBlue = qRgb(1, 6, 201);

// Whether anything is drawn in the rows from top to bottom (inclusive) right of left.
bool inkIn(const QImage& image, int left, int top, int bottom) {
    for (int y = std::max(top, 0); y <= bottom && y < image.height(); ++y)
        for (int x = std::max(left, 0); x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu)
                return true;
    return false;
}

class LegendBoxTest : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        openLog(2000);
        for (size_t g = 0; g < 4; ++g) {
            c->chkItem[g]->setChecked(true);
            c->cmdItem[g]->click();
            for (size_t k = 1; k <= 6; ++k)
                c->chkItems2[k]->setChecked(!c->chkItems2[k]->isHidden());
        }
        legend = qobject_cast<LegendBox*>(c->Legenda);
        ASSERT_NE(legend, nullptr);
    }

    // The tooltip the box shows for the mouse resting at the height of a legend line.
    QString toolTipAtLine(double line) {
        const QPoint at(60, PictureBox::kBorder +
                                static_cast<int>(LegendLineY(1) * line / kLegendUnitsPerPixel));
        QHelpEvent help(QEvent::ToolTip, at, legend->mapToGlobal(at));
        QApplication::sendEvent(legend, &help);
        // Where there is no entry the box turns the request down.
        return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    LegendBox* legend = nullptr;
};

TEST_F(LegendBoxTest, TheTwentiethEntryLiesInsideTheBox) {
    EXPECT_EQ(legend->size(), QSize(110, 240));
    const QImage image = legend->surface().image();
    ASSERT_EQ(image.height(), 240 - 2 * PictureBox::kBorder);
    const double u = kLegendUnitsPerPixel;
    // "GBC", the last entry: its sample line and its text, in the cell blue, within the picture.
    const int lineY = static_cast<int>(LegendLineY(kLegendMostLines) / u + 0.5);
    const int sampleLeft = static_cast<int>(kLegendItemX / u) + 1;
    EXPECT_EQ(image.pixel(sampleLeft, lineY) & 0xFFFFFFu, kCellBlue & 0xFFFFFFu);
    const int textLeft = static_cast<int>((kLegendItemX + kLegendTextGap) / u);
    EXPECT_TRUE(inkIn(image, textLeft, lineY, image.height() - 1));
    const QFontMetricsF metrics(legend->surface().font(), &image);
    const double textBottom =
        (LegendLineY(kLegendMostLines) - kLegendTextRaise) / u + metrics.height();
    EXPECT_LE(textBottom, image.height());
    // Neighbouring lines of text do not run into each other.
    EXPECT_LE(metrics.height(), kLegendLineHeight / u);
}

TEST_F(LegendBoxTest, TheToolTipCarriesTheFullTextOfTheEntryUnderTheMouse) {
    const struct {
        double line;
        const char* text;
    } cases[] = {
        {1, "Free Chlorine mg/L (/100)"}, {15, "Rinse"}, {18, "Empty"}, {19.4, "TBC"}, {20, "GBC"},
    };
    for (const auto& tc : cases)
        EXPECT_EQ(toolTipAtLine(tc.line), QString::fromUtf8(tc.text)) << tc.line;
    // Above the first entry nothing is shown; with fewer entries the lower rows are empty.
    EXPECT_EQ(toolTipAtLine(0.3), QString());
    c->chkItem[3]->setChecked(false);
    EXPECT_EQ(toolTipAtLine(15), QString());
    EXPECT_EQ(toolTipAtLine(13), QStringLiteral("Low alarm"));
}

// A long text printed from the left edge: the first picture column from which on nothing is
// drawn, for a surface that elides at the shown width, or does not elide.
int inkEnd(ImageSurface& surface) {
    surface.setForeColor(kBlack);
    surface.printText("MMMMMMMMMMMMMMMMMMMMMMMM");
    const QImage& image = surface.image();
    for (int x = image.width(); x > 0; --x)
        if (inkIn(image, x - 1, 0, image.height() - 1) && !inkIn(image, x, 0, image.height() - 1))
            return x;
    return 0;
}

TEST(ImageSurfaceText, ALongTextEndsInAnEllipsisWithinTheShownWidth) {
    ImageSurface cut(60, 20);
    EXPECT_EQ(inkEnd(cut), 60);
    ImageSurface whole(60, 20);
    whole.setElideAtRightEdge([] { return 1000; });
    EXPECT_LT(inkEnd(whole), 60);
    ImageSurface part(60, 20);
    part.setElideAtRightEdge([] { return 50; });
    EXPECT_LE(inkEnd(part), 50);
    EXPECT_GT(inkEnd(part), 40);
}

// The legend box reaches past the window's right edge at the window's first size: its texts end
// in "…" where the window ends, not where the box does.
TEST_F(LegendBoxTest, TextsEndInAnEllipsisAtTheWindowsEdge) {
    const int shown =
        legend->mapFrom(window.get(), QPoint(window->width(), 0)).x() - PictureBox::kBorder;
    const QImage& image = legend->surface().image();
    ASSERT_LT(shown, image.width()) << "the box ends inside the window";
    EXPECT_TRUE(inkIn(image, shown - 8, 0, image.height() - 1)) << "no text is elided";
    EXPECT_FALSE(inkIn(image, shown, 0, image.height() - 1));
}

} // namespace
} // namespace osk::test
