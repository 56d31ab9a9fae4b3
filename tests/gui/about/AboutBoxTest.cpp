#include "gui/app/ProgramFixture.h"

#include "about/frmAbout.h"
#include "app/ClickableLabel.h"
#include "graph/PictureBox.h"
#include "lang/BuiltinTexts.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace osk::test {
namespace {

class AboutBoxTest : public ProgramFixture {
protected:
    QString label(const char* name) {
        return window->aboutBox().findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(OSK_VERSION_MAJOR)
                                .arg(OSK_VERSION_MINOR)
                                .arg(OSK_VERSION_REVISION);
    void clickImage1() {
        auto* image = find<ClickableLabel>("Image1");
        QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(5, 5));
    }
};

TEST_F(AboutBoxTest, ShowsTitleVersionAndNoticeInTheChosenLanguage) {
    startReturning();
    frmAbout& about = window->aboutBox();
    EXPECT_FALSE(about.isVisible()); // loaded by the texts, not shown
    EXPECT_TRUE(label("lblVersion").endsWith(QStringLiteral(": ") + version));
    const QString english = label("lblDisclaimer");
    EXPECT_FALSE(english.isEmpty());

    action("mnuNed")->trigger();
    EXPECT_EQ(&window->aboutBox(), &about);
    EXPECT_TRUE(label("lblVersion").endsWith(QStringLiteral(": ") + version));
    EXPECT_NE(label("lblDisclaimer"), english);
    EXPECT_FALSE(label("lblDisclaimer").isEmpty());
}

TEST_F(AboutBoxTest, WithoutLanguageFilesShowsTheBuiltInNotice) {
    storeSettings("english.lng", "True", "Chloor");
    startAfterDialog();
    // The language object has no 58th entry; the applied texts replace what it answered.
    EXPECT_EQ(state.Lang->getText(58), "#####");
    const auto builtin = BuiltinTexts();
    const auto notice = std::find_if(builtin.begin(), builtin.end(),
                                     [](const BuiltinText& t) { return t.number == 58; });
    ASSERT_NE(notice, builtin.end());
    EXPECT_EQ(label("lblDisclaimer"), QString::fromUtf8(notice->text));
    EXPECT_EQ(label("lblVersion"), QStringLiteral("Version: ") + version);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>({"Using default language", "Using default language"}));
}

TEST_F(AboutBoxTest, OpensModallyFromMenuAndLogoAndStaysLoadedAfterOk) {
    startReturning();
    frmAbout& about = window->aboutBox();
    for (bool fromLogo : {false, true}) {
        if (fromLogo)
            clickImage1();
        else
            action("mnuAbout")->trigger();
        ASSERT_TRUE(about.isVisible()) << fromLogo;
        EXPECT_EQ(about.windowModality(), Qt::ApplicationModal);
        about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        EXPECT_FALSE(about.isVisible());
        EXPECT_EQ(&window->aboutBox(), &about);
    }
}

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
