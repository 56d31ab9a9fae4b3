// A folder whose name is not ASCII: logs open from it dropped or chosen, pictures are saved
// into it, and the companion's data folder may be such a one.
#include "gui/app/ProgramFixture.h"

#include "common/Utf8Path.h"

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
        const auto path = folder / std::filesystem::u8path(name);
        std::ofstream(path, std::ios::binary) << generatedLog(records);
        return utf8Name(path);
    }
    void expectLoaded(int32_t records) const {
        EXPECT_EQ(std::tuple(state.records.FileLoaded, state.records.RecordCount,
                             dialogs.messages().size()),
                  std::tuple(true, records, 0u));
    }

    const std::filesystem::path folder = logs.path() / std::filesystem::u8path("Meßwerte Ø");
};

TEST_F(RobustNonAsciiFolder, OpensAChosenLogAndSavesThere) {
    // The name goes to the dialog as the program's UTF-8, not through a path's 8-bit string.
    dialogs.chooseFile(writeIn("Bad 2 ö.csv", 800));
    c->mnuOpenFile->trigger();
    expectLoaded(800);

    const std::string png = utf8Name(folder / std::filesystem::u8path("Grafik é.png"));
    dialogs.saveFile(png, 1);
    c->mnuSavePicture->trigger();
    EXPECT_TRUE(dialogs.messages().empty() && !QImage(QString::fromStdString(png)).isNull());
}

TEST_F(RobustNonAsciiFolder, RealTimeModeFollowsADataDirThere) {
    writeIn("Realtime.csv", 900);
    store(settings::kDataDir, utf8Name(folder));
    c->mnuON->trigger();
    clock.second = 1;
    window->realtime().Timer1_Timer();
    expectLoaded(900);
    EXPECT_TRUE(c->mnuON->isChecked());
}

} // namespace
} // namespace osk::test
