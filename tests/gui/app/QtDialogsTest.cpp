#include "app/QtDialogs.h"

#include "support/TempDir.h"

#include "gui/support/Modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <gtest/gtest.h>


namespace osk::test {
namespace {

TEST(QtDialogs, MessageBoxesShowTheirTextPlainWithIconAndTitle) {
    struct Case {
        MessageIcon icon;
        const char* title;
        QMessageBox::Icon shownIcon;
        const char* shownTitle;
    };
    const Case cases[] = {
        {MessageIcon::Information, "Set defaults", QMessageBox::Information, "Set defaults"},
        {MessageIcon::Critical, "Time fault", QMessageBox::Critical, "Time fault"},
        // No title of its own: the program's title.
        {MessageIcon::None, "", QMessageBox::NoIcon, "OSK Graphs"},
    };
    QtDialogs dialogs;
    for (const Case& c : cases) {
        bool seen = false;
        whenModal<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(box.icon(), c.shownIcon);
            EXPECT_EQ(box.windowTitle(), QString::fromUtf8(c.shownTitle));
            EXPECT_EQ(box.text(), QStringLiteral("<b>not bold</b>"));
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            seen = true;
            box.accept();
        });
        dialogs.message("<b>not bold</b>", c.icon, c.title);
        EXPECT_TRUE(seen) << c.shownTitle;
    }
}

TEST(QtDialogs, QuestionsAnswerYesOrNo) {
    QtDialogs dialogs;
    for (bool yes : {true, false}) {
        whenModal<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), QStringLiteral("OSK-Graphs"));
            box.button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        EXPECT_EQ(dialogs.askYesNo("Select file?", "OSK-Graphs"), yes);
    }
}

TEST(QtDialogs, TheOpenDialogOffersFolderFiltersAndTheLastFileAndTellsCancelApart) {
    TempDir folder;
    const auto log = folder.write("2026-12-01.csv", "Record\r\n");
    OpenFileRequest request;
    request.initialFolder = folder.path().string();
    request.filter = "All Files (*.*)|*.*|CSV Files (*.csv)|*.csv";
    request.selectedFilter = 2;
    QtDialogs dialogs;

    whenModal<QFileDialog>([&](QFileDialog& dialog) {
        QFileDialog* chooser = &dialog;
        EXPECT_EQ(QDir::toNativeSeparators(chooser->directory().absolutePath()),
                  QString::fromStdString(folder.path().string()));
        EXPECT_EQ(chooser->nameFilters(), QStringList({QStringLiteral("All Files (*)"),
                                                       QStringLiteral("CSV Files (*.csv)")}));
        EXPECT_EQ(chooser->selectedNameFilter(), QStringLiteral("CSV Files (*.csv)"));
        chooser->reject();
    });
    EXPECT_EQ(dialogs.chooseOpenFile(request), std::nullopt);

    request.rememberedPath = log.string();
    whenModal<QFileDialog>([&](QFileDialog& dialog) {
        QFileDialog* chooser = &dialog;
        // The OK button's own check: the offered file must exist.
        static_cast<QDialog*>(chooser)->accept();
    });
    EXPECT_EQ(dialogs.chooseOpenFile(request), log.string());
}

TEST(QtDialogs, TheSaveDialogTellsTheChosenTypeAndAddsItsExtension) {
    TempDir folder;
    SaveFileRequest request;
    request.initialFolder = folder.path().string();
    request.proposedName = "Pool 3 2024-03-01";
    request.filter = "PNG (*.png)|*.png|SVG (*.svg)|*.svg|PDF (*.pdf)|*.pdf";
    request.selectedFilter = 1;
    QtDialogs dialogs;

    whenModal<QFileDialog>([&](QFileDialog& dialog) {
        QFileDialog* chooser = &dialog;
        EXPECT_EQ(chooser->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(QDir::toNativeSeparators(chooser->directory().absolutePath()),
                  QString::fromStdString(folder.path().string()));
        EXPECT_EQ(chooser->selectedNameFilter(), QStringLiteral("PNG (*.png)"));
        chooser->reject();
    });
    EXPECT_EQ(dialogs.chooseSaveFile(request), std::nullopt);

    // The user picks SVG: the name offered gets that extension, and the type is told back.
    whenModal<QFileDialog>([&](QFileDialog& dialog) {
        QFileDialog* chooser = &dialog;
        chooser->selectNameFilter(QStringLiteral("SVG (*.svg)"));
        emit chooser->filterSelected(QStringLiteral("SVG (*.svg)"));
        static_cast<QDialog*>(chooser)->accept();
    });
    const auto chosen = dialogs.chooseSaveFile(request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, (folder.path() / "Pool 3 2024-03-01.svg").string());
    EXPECT_EQ(chosen->filter, 2);
}

} // namespace
} // namespace osk::test
