// A folder whose name is not ASCII: logs open from it dropped or chosen, pictures are saved
// into it, and the companion's data folder may be such a one.
#include "gui/app/ProgramFixture.h"

#include <QImage>
#include <QMimeData>
#include <QUrl>

#include <fstream>

namespace osk::test {
namespace {

class RobustNonAsciiFolder : public LogWindowFixture {
protected:
    void SetUp() override {
        LogWindowFixture::SetUp();
        std::filesystem::create_directory(folder);
    }
    std::string writeIn(const std::string& name, int64_t records) const {
        genlog::LogOptions options;
        options.records = records;
        const auto path = folder / std::filesystem::u8path(name);
        std::ofstream(path, std::ios::binary) << genlog::generateLog(options);
        return path.string();
    }
    void expectLoaded(int32_t records) const {
        EXPECT_TRUE(state.records.FileLoaded);
        EXPECT_EQ(state.records.RecordCount, records);
        EXPECT_TRUE(dialogs.messages().empty());
    }

    const std::filesystem::path folder = logs.path() / std::filesystem::u8path("Meßwerte Ø");
};

TEST_F(RobustNonAsciiFolder, OpensDroppedAndChosenLogsAndSavesThere) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(writeIn("Bad 1 ä.csv", 700)))});
    QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    QCoreApplication::processEvents();
    expectLoaded(700);

    open(writeIn("Bad 2 ö.csv", 800));
    expectLoaded(800);

    const std::string png = (folder / std::filesystem::u8path("Grafik é.png")).string();
    dialogs.saveFile(png, 1);
    c->mnuSavePicture->trigger();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_FALSE(QImage(QString::fromStdString(png)).isNull());
}

TEST_F(RobustNonAsciiFolder, RealTimeModeFollowsADataDirThere) {
    writeIn("Realtime.csv", 900);
    store(settings::kDataDir, folder.string());
    c->mnuON->trigger();
    clock.second = 1;
    window->realtime().Timer1_Timer();
    expectLoaded(900);
    EXPECT_TRUE(c->mnuON->isChecked());
}

} // namespace
} // namespace osk::test
