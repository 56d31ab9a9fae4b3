#include "PrintWindowFixture.h"

#include "print/PreviewPicture.h"
#include "print/QtPageOutput.h"
#include "print/RenderPage.h"

#include <QImage>
#include <QPointF>

#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace osk::test {
namespace {

std::vector<QPointF> pictureCorners(const PageDrawing& drawing) {
    std::vector<QPointF> corners;
    for (const PageDrawing::Step& step : drawing.steps())
        if (const auto* picture = std::get_if<PageDrawing::Picture>(&step))
            corners.push_back(picture->target.topLeft());
    return corners;
}

// A preview window of the test's own, whose legend picture can be taken away, filled by the
// preview command through the main window's own print side.
class PreviewPictureFails : public PrintWindowFixture {
protected:
    void SetUp() override {
        PrintWindowFixture::SetUp();
        form = std::make_unique<frmPreview>(
            [this] { return legendGone ? QImage() : c->Legenda->surface().image(); });
        output = std::make_unique<QtPageOutput>(printing().printer(), *form);
    }
    void previewCommand() {
        PrintContext ctx{state.render, state.records, state.texts, dialogs, printing(), *output};
        PreviewCommand(ctx, form->dummyGraph());
    }

    bool legendGone = true;
    std::unique_ptr<frmPreview> form;
    std::unique_ptr<QtPageOutput> output;
};

TEST_F(PreviewPictureFails, TheErrorIsShownInsteadOfThePreviewAndNotKeptForTheNext) {
    const ScreenState before = screen();
    const std::vector<QPointF> bothPictures{{kPreviewPlotX, kPreviewPlotY},
                                            {kPreviewLegendX, kPreviewLegendY}};
    legendGone = false;
    previewCommand();
    ASSERT_TRUE(form->isVisible());
    ASSERT_EQ(pictureCorners(form->preview().drawing()), bothPictures);

    // The preview still on screen from before goes: it would show the plot without its legend.
    legendGone = true;
    previewCommand();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Printer error!  (3  The legend "
                                                           "picture could not be copied)"});
    EXPECT_EQ(dialogs.prompts.back().title, "OSK-Graphs");
    EXPECT_FALSE(form->isVisible());
    expectScreenRebuilt(before);

    legendGone = false;
    previewCommand();
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(pictureCorners(form->preview().drawing()), bothPictures);
    expectScreenRebuilt(before);
}

} // namespace
} // namespace osk::test
