#include "PrintWindowFixture.h"

#include "print/PreviewPicture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace osk::test {
namespace {

TEST_F(PrintWindowFixture, ThePreviewShowsThePlotWithTheLegendJustRightOfItWithoutScrolling) {
    c->mnuAfdrukVoorbeeld->trigger();
    ASSERT_TRUE(preview().isVisible());
    auto* shown = preview().findChild<PreviewPicture*>(QStringLiteral("Preview"));
    auto* scroll = preview().findChild<QScrollArea*>();
    ASSERT_NE(shown, nullptr);
    ASSERT_NE(scroll, nullptr);
    const std::vector<QRectF> areas = shown->pictureAreas();
    ASSERT_EQ(areas.size(), 2u);
    const QRectF plot = areas[0];
    const QRectF legend = areas[1];

    // Each picture at its own pixel size.
    EXPECT_EQ(plot.size().toSize(), preview().dummyGraph().image().size());
    EXPECT_EQ(legend.size().toSize(), c->Legenda->surface().image().size());
    // Side by side, as on paper: the legend a little right of the plot, level with its top.
    EXPECT_GT(legend.left(), plot.right());
    EXPECT_LE(legend.left() - plot.right(), 48);
    EXPECT_EQ(legend.top(), plot.top());

    // Both inside what the window shows, with no scroll bar to reach either.
    const QRect visible(shown->mapFrom(scroll->viewport(), QPoint(0, 0)),
                        scroll->viewport()->size());
    EXPECT_TRUE(QRectF(visible).contains(plot)) << visible.width() << "x" << visible.height();
    EXPECT_TRUE(QRectF(visible).contains(legend));
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(preview().width(), room.width());
    EXPECT_LE(preview().height(), room.height());
}

} // namespace
} // namespace osk::test
