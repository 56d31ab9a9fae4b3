// The about box: its texts in the language in use, opening it, and closing it with the program.
#include "gui/app/ProgramFixture.h"

#include "about/frmAbout.h"
#include "app/ClickableLabel.h"
#include "lang/BuiltinTexts.h"

#include <QTest>

namespace osk::test {
namespace {

class AboutBoxTest : public ProgramFixture, public ::testing::WithParamInterface<bool> {
protected:
    QString label(const char* name) {
        return window->aboutBox().findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(OSK_VERSION_MAJOR)
                                .arg(OSK_VERSION_MINOR)
                                .arg(OSK_VERSION_REVISION);
};

// Loaded with the texts, not shown; renewed in the other language.
TEST_F(AboutBoxTest, ShowsTitleVersionAndNoticeInTheChosenLanguage) {
    startReturning();
    frmAbout& about = window->aboutBox();
    EXPECT_FALSE(about.isVisible());
    const QString english = label("lblDisclaimer");
    for (const char* entry : {"mnuEng", "mnuNed"}) {
        action(entry)->trigger();
        EXPECT_TRUE(&window->aboutBox() == &about && !label("lblDisclaimer").isEmpty() &&
                    label("lblVersion").endsWith(QStringLiteral(": ") + version));
    }
    EXPECT_NE(label("lblDisclaimer"), english);
}

TEST_F(AboutBoxTest, WithoutLanguageFilesShowsTheBuiltInNotice) {
    storeSettings("english.lng", "True", "Chloor");
    startAfterDialog();
    // The language object has no 58th entry; the applied texts replace what it answered.
    EXPECT_EQ(state.Lang->getText(58), "#####");
    Texts builtin;
    storeBuiltinTexts(builtin);
    EXPECT_EQ(std::tuple(label("lblDisclaimer"), label("lblVersion"), dialogs.messages()),
              std::tuple(QString::fromStdString(builtin[58]), "Version: " + version,
                         std::vector<std::string>(2, "Using default language")));
}

// Opened modally from the menu or the logo, it stays loaded after OK; the Exit command (true)
// or closing the window by its frame closes it and releases the plot.
TEST_P(AboutBoxTest, OpensModallyAndClosesWithTheProgram) {
    startReturning();
    frmAbout& about = window->aboutBox();
    for (bool fromLogo : {false, true}) {
        if (fromLogo)
            QTest::mouseClick(find<ClickableLabel>("Image1"), Qt::LeftButton, {}, QPoint(5, 5));
        else
            action("mnuAbout")->trigger();
        ASSERT_TRUE(about.isVisible()) << fromLogo;
        EXPECT_EQ(about.windowModality(), Qt::ApplicationModal);
        about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        EXPECT_TRUE(!about.isVisible() && &window->aboutBox() == &about);
    }

    auto* graph = find<PictureBox>("pGraph");
    state.render.PlotTarget = &graph->surface();
    // Something on the plot that the release must erase.
    graph->surface().setForeColor(Rgb(200, 0, 0));
    graph->surface().moveTo(0, 5);
    graph->surface().lineTo(50, 5);
    action("mnuAbout")->trigger();
    ASSERT_TRUE(about.isVisible());
    GetParam() ? action("mnuExit")->trigger() : void(window->close());
    EXPECT_EQ(std::tuple(about.isVisible(), window->isVisible(), state.render.PlotTarget,
                         graph->surface().image().pixelColor(10, 5)),
              std::tuple(false, false, nullptr, QColor(Qt::white)));
}

INSTANTIATE_TEST_SUITE_P(ExitOrFrame, AboutBoxTest, ::testing::Bool());

} // namespace
} // namespace osk::test
