// The window on a screen of two device pixels to a pixel. The ratio is fixed when the
// application starts, so the test runs itself again in a child process with QT_SCALE_FACTOR=2.
#include "gui/app/ProgramFixture.h"

#include "export/WindowPicture.h"

namespace osk::test {
namespace {

constexpr const char* kChildVariable = "OSK_TEST_SCALED_CHILD";

using RobustHighDensity = LogWindowFixture;

// The read-out and the pictures work in the window's own pixels: a press finds the point drawn
// under it, and a saved picture has the window's size in pixels whatever the screen's ratio, with
// the plot's pixels where the plot is.
TEST_F(RobustHighDensity, ReadoutAndSavedPictureUseWindowPixels) {
    if (!qEnvironmentVariableIsSet(kChildVariable)) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
        const ProcessResult r = runProcess(QCoreApplication::applicationFilePath(),
                                           {"--gtest_filter=RobustHighDensity.*"}, env, 120000);
        EXPECT_TRUE(r.finished && r.exitCode == 0 &&
                    r.out.find("[  PASSED  ] 1 test") != std::string::npos)
            << r.out << r.err;
        return;
    }
    ASSERT_EQ(c->pGraph->devicePixelRatioF(), 2.0);
    openLog(3000);
    const PlotPointTable& points = state.render.PlotPoints;
    const int32_t drawn = state.render.DrawnOldest + 40;
    const QPoint at(points.at(drawn, 0), points.at(drawn, 1));
    plotMouse(QEvent::MouseButtonPress, at);
    ASSERT_TRUE(c->ToolTipje->isVisibleTo(c->pGraph));
    ASSERT_TRUE(c->lblRecords->text().startsWith("record nr. "));
    const int32_t found = c->lblRecords->text().mid(11).toInt();
    EXPECT_LT((QPoint(points.at(found, 0), points.at(found, 1)) - at).manhattanLength(), 10);
    plotMouse(QEvent::MouseButtonRelease, at);

    const std::string png = (logs.path() / "picture.png").string();
    dialogs.saveFile(png, 1);
    c->mnuSavePicture->trigger();
    const QImage saved(QString::fromStdString(png));
    ASSERT_EQ(saved.size(), windowPictureSize(*c));
    const QImage& plot = c->pGraph->surface().image();
    const QPoint plotOrigin = c->pGraph->pos() + QPoint(PictureBox::kBorder, PictureBox::kBorder);
    const QPoint middle(plot.width() / 3, plot.height() / 2);
    EXPECT_EQ(
        std::tuple(saved.width(), saved.pixel(plotOrigin + at), saved.pixel(plotOrigin + middle)),
        std::tuple(c->client->width(), plot.pixel(at), plot.pixel(middle)));
}

} // namespace
} // namespace osk::test
