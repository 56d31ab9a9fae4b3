#include "gui/app/ProgramFixture.h"

#include "graph/AlarmBands.h"
#include "print/PrintController.h"
#include "print/frmPreview.h"

namespace osk::test {
namespace {

const QColor kProductTint(redOf(BandTint(0)), greenOf(BandTint(0)), blueOf(BandTint(0)));

int tinted(const QImage& image, QRect area = {}) {
    return test::pixelsOf(image, kProductTint, area);
}

TEST_F(LogWindowFixture, AlarmBandsShadeOnScreenInPicturesAndOnPaperOnlyWhileOn) {
    openLog(3000);
    // The sample log's product drops below its low alarm once.
    const auto run =
        std::find_if(state.Analysis.excursions.begin(), state.Analysis.excursions.end(),
                     [](const Excursion& e) { return e.kind == EventKind::ProductLow; });
    ASSERT_NE(run, state.Analysis.excursions.end());
    QAction* bands = action("mnuAlarmBands");
    const QImage off = c->pGraph->surface().image();
    ASSERT_EQ(std::tuple(bands->isChecked(), tinted(off)), std::tuple(false, 0));

    const int64_t before = redraws();
    bands->trigger();
    const QImage on = c->pGraph->surface().image();
    const int left = state.render.PlotPoints.at(run->first, 0);
    const int right = state.render.PlotPoints.at(run->last, 0);
    EXPECT_EQ(redraws(), before + 1);
    for (int x = left; x <= right; ++x)
        ASSERT_GT(tinted(on, QRect(x, 0, 1, on.height())), 0) << x;

    const std::string saved = (logs.path() / "graph.png").string();
    dialogs.saveFile(saved, 1);
    c->mnuSavePicture->trigger();
    // The plot's part of the picture (elsewhere a font may have a pixel of the tint).
    const QRect plot(c->pGraph->pos() + QPoint(PictureBox::kBorder, PictureBox::kBorder),
                     on.size());
    EXPECT_EQ(tinted(QImage(QString::fromStdString(saved)), plot), tinted(on));
    bands->trigger();
    EXPECT_EQ(c->pGraph->surface().image(), off);

    // The page's plot, drawn for paper.
    bands->trigger();
    c->mnuAfdrukVoorbeeld->trigger();
    EXPECT_GT(tinted(window->printing().previewWindow().dummyGraph().image()), 0);
}

class AlarmBandsStored : public ProgramFixture,
                         public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(AlarmBandsStored, ComeBackAtTheNextStartABrokenValueAsOff) {
    const auto [stored, on] = GetParam();
    store(settings::kAlarmBands, stored);
    startReturning();
    EXPECT_EQ(std::tuple(action("mnuAlarmBands")->isChecked(), state.render.AlarmBands),
              std::tuple(on, on));
    action("mnuAlarmBands")->trigger();
    window.reset();
    state.render.AlarmBands = on;
    startAfterDialog();
    EXPECT_EQ(std::tuple(action("mnuAlarmBands")->isChecked(), state.render.AlarmBands),
              std::tuple(!on, !on));
}

INSTANTIATE_TEST_SUITE_P(Values, AlarmBandsStored,
                         ::testing::Values(std::pair("True", true), std::pair("False", false),
                                           std::pair("", false), std::pair("yes please", false)));

} // namespace
} // namespace osk::test
