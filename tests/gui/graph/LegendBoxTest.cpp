#include "gui/app/ProgramFixture.h"

#include "graph/Legend.h"
#include "graph/LegendBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

namespace osk::test {
namespace {

constexpr QRgb kCellBlue = qRgb(1, 6, 201);

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

// "GBC", the last of twenty entries: its sample line in the cell blue and its text within the
// picture, and lines of text that do not run into each other.
TEST_F(LegendBoxTest, TheTwentiethEntryLiesInsideTheBox) {
    EXPECT_EQ(legend->size(), QSize(110, 240));
    const QImage image = legend->surface().image();
    const double u = kLegendUnitsPerPixel;
    const int lineY = static_cast<int>(LegendLineY(kLegendMostLines) / u + 0.5);
    EXPECT_EQ(image.pixel(static_cast<int>(kLegendItemX / u) + 1, lineY) & 0xFFFFFFu, kCellBlue & 0xFFFFFFu);
    const QFontMetricsF metrics(legend->surface().font(), &image);
    EXPECT_LE((LegendLineY(kLegendMostLines) - kLegendTextRaise) / u + metrics.height(), image.height());
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

} // namespace
} // namespace osk::test
