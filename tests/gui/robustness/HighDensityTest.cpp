// The window on a screen of two device pixels to a pixel. The ratio is fixed when the
// application starts, so the test runs itself again in a child process with QT_SCALE_FACTOR=2.
#include "gui/app/ProgramFixture.h"

#include "export/WindowPicture.h"

#include <QImage>
#include <QProcess>

namespace osk::test {
namespace {

constexpr const char* kChildVariable = "OSK_TEST_SCALED_CHILD";

using RobustHighDensity = LogWindowFixture;

// The read-out and the pictures work in the window's own pixels: a press finds the point drawn
// under it, and a saved picture has the window's size in pixels whatever the screen's ratio, with
// the plot's pixels where the plot is.
TEST_F(RobustHighDensity, ReadoutAndSavedPictureUseWindowPixels) {
    if (!qEnvironmentVariableIsSet(kChildVariable)) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=RobustHighDensity.*")});
        ASSERT_TRUE(child.waitForFinished(120000));
        const std::string output = child.readAll().toStdString();
        EXPECT_EQ(child.exitCode(), 0) << output;
        EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
        return;
    }
    ASSERT_EQ(c->pGraph->devicePixelRatioF(), 2.0);
    openLog(3000);
    const PlotPointTable& points = state.render.PlotPoints;
    const int32_t drawn = state.render.DrawnOldest + 40;
    const QPoint at(points.at(drawn, 0), points.at(drawn, 1));
    plotMouse(QEvent::MouseButtonPress, at);
    ASSERT_TRUE(c->ToolTipje->isVisibleTo(c->pGraph));
    const QString caption = c->lblRecords->text();
    ASSERT_TRUE(caption.startsWith(QStringLiteral("record nr. "))) << caption.toStdString();
    const int32_t found = caption.mid(11).toInt();
    EXPECT_LT((QPoint(points.at(found, 0), points.at(found, 1)) - at).manhattanLength(), 10);
    plotMouse(QEvent::MouseButtonRelease, at);

    const std::string png = (logs.path() / "picture.png").string();
    dialogs.saveFile(png, 1);
    c->mnuSavePicture->trigger();
    const QImage saved(QString::fromStdString(png));
    ASSERT_EQ(saved.size(), windowPictureSize(*c));
    EXPECT_EQ(saved.width(), c->client->width());
    const QImage& plot = c->pGraph->surface().image();
    const QPoint plotOrigin = c->pGraph->pos() + QPoint(PictureBox::kBorder, PictureBox::kBorder);
    EXPECT_EQ(saved.pixel(plotOrigin + at), plot.pixel(at));
    EXPECT_EQ(saved.pixel(plotOrigin + QPoint(plot.width() / 3, plot.height() / 2)),
              plot.pixel(plot.width() / 3, plot.height() / 2));
}

} // namespace
} // namespace osk::test
