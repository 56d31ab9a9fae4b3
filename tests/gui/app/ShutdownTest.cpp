#include "gui/app/ProgramFixture.h"

#include "about/frmAbout.h"
#include "graph/PictureBox.h"

namespace osk::test {
namespace {

class ShutdownTest : public ProgramFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override { installBothLanguages(); }
    // The two ways out: the Exit command, or closing the window by its frame.
    void leave() {
        if (GetParam())
            action("mnuExit")->trigger();
        else
            window->close();
    }
};

TEST_P(ShutdownTest, ClosesTheAboutBoxAndReleasesThePlot) {
    start();
    auto* graph = find<PictureBox>("pGraph");
    state.render.PlotTarget = &graph->surface();
    // Something on the plot that the release must erase.
    graph->surface().setForeColor(Rgb(200, 0, 0));
    graph->surface().moveTo(0, 5);
    graph->surface().lineTo(50, 5);
    action("mnuAbout")->trigger();
    frmAbout& about = window->aboutBox();
    ASSERT_TRUE(about.isVisible());

    leave();

    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(state.render.PlotTarget, nullptr);
    EXPECT_EQ(graph->surface().image().pixelColor(10, 5), QColor(Qt::white));
}

INSTANTIATE_TEST_SUITE_P(ExitOrFrame, ShutdownTest, ::testing::Bool());

} // namespace
} // namespace osk::test
