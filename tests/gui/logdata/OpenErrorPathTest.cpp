// A log that fails half-way through its records, chosen in the Open dialog: the user is told,
// offered the chooser again, and the file chosen then is read and shown.
#include "gui/logdata/LogWindowFixture.h"

#include <QCheckBox>

#include <string>
#include <vector>

namespace osk::test {
namespace {

TEST_F(LogWindowFixture, AWideLineAsksForAnotherFileAndTheNextOneIsShown) {
    genlog::LogOptions wide;
    wide.records = 50;
    wide.wideLine = 20;
    const std::string bad = logs.write("wide.csv", genlog::generateLog(wide)).string();
    const std::string good = writeLog("good.csv", 400, "2024-03-02 08:00:00");
    std::vector<std::string> captions;
    QObject::connect(window.get(), &QWidget::windowTitleChanged,
                     [&](const QString& t) { captions.push_back(t.toStdString()); });
    c->chkItem[0]->setChecked(false);

    dialogs.chooseFile(bad);
    dialogs.chooseFile(good);
    c->mnuOpenFile->trigger();

    ASSERT_EQ(dialogs.prompts.size(), 3u);
    EXPECT_EQ(dialogs.prompts[0].kind, Prompt::Kind::OpenFile);
    EXPECT_EQ(dialogs.prompts[1].text, "Please select valid file");
    EXPECT_EQ(dialogs.prompts[1].icon, MessageIcon::None);
    EXPECT_EQ(dialogs.prompts[2].kind, Prompt::Kind::OpenFile);
    EXPECT_TRUE(dialogs.allAnswersUsed());
    // Each choice titles the window "being opened", each accepted header with the title alone.
    EXPECT_EQ(captions, (std::vector<std::string>{"OSK-Graphs  -  ", "OSK-Graphs",
                                                  "OSK-Graphs  -  ", "OSK-Graphs"}));

    ASSERT_TRUE(state.records.FileLoaded);
    EXPECT_EQ(state.records.RecordCount, 400);
    EXPECT_EQ(state.records.RecordTime[1], "2024-03-02 08:00:00");
    EXPECT_EQ(state.records.LogSource.path(), good);
    EXPECT_EQ(c->lblRecords->text(), QStringLiteral("Records: 400"));
    EXPECT_TRUE(c->chkItem[0]->isChecked());
    EXPECT_TRUE(c->Xas->isEnabled());
    EXPECT_EQ(c->hscGraphScroller->value(), 400);
}

} // namespace
} // namespace osk::test
