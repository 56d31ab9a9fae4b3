// The program's dialogs on Qt's own: message boxes, questions, the file choosers with the
// program's filter lists, and the print prompt on the printer the jobs print on.
#include "app/QtDialogs.h"
#include "app/DialogFilters.h"
#include "print/PrinterChoice.h"

#include "support/TempDir.h"

#include "gui/support/Support.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace osk::test {
namespace {

TEST(QtDialogs, MessageBoxesShowTheirTextPlainWithIconAndTitleAndQuestionsAnswerYesOrNo) {
    const std::tuple<MessageIcon, const char*, QMessageBox::Icon, const char*> cases[] = {
        {MessageIcon::Information, "Set defaults", QMessageBox::Information, "Set defaults"},
        {MessageIcon::Critical, "Time fault", QMessageBox::Critical, "Time fault"},
        // No title of its own: the program's title.
        {MessageIcon::None, "", QMessageBox::NoIcon, "OSK Graphs"},
    };
    QtDialogs dialogs;
    for (const auto& [icon, title, shownIcon, shownTitle] : cases) {
        bool seen = false;
        whenModal<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(box.icon(), shownIcon);
            EXPECT_EQ(box.windowTitle(), QString::fromUtf8(shownTitle));
            EXPECT_EQ(box.text(), QStringLiteral("<b>not bold</b>"));
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            seen = true;
            box.accept();
        });
        dialogs.message("<b>not bold</b>", icon, title);
        EXPECT_TRUE(seen) << shownTitle;
    }
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
    whenModal<QFileDialog>([&](QFileDialog& chooser) {
        EXPECT_EQ(QDir::toNativeSeparators(chooser.directory().absolutePath()),
                  QString::fromStdString(folder.path().string()));
        EXPECT_EQ(chooser.nameFilters(), QStringList({QStringLiteral("All Files (*)"),
                                                      QStringLiteral("CSV Files (*.csv)")}));
        EXPECT_EQ(chooser.selectedNameFilter(), QStringLiteral("CSV Files (*.csv)"));
        chooser.reject();
    });
    EXPECT_EQ(dialogs.chooseOpenFile(request), std::nullopt);

    request.rememberedPath = log.string();
    // The OK button's own check: the offered file must exist.
    whenModal<QFileDialog>([&](QFileDialog& chooser) { static_cast<QDialog&>(chooser).accept(); });
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
    whenModal<QFileDialog>([&](QFileDialog& chooser) {
        EXPECT_EQ(chooser.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(QDir::toNativeSeparators(chooser.directory().absolutePath()),
                  QString::fromStdString(folder.path().string()));
        EXPECT_EQ(chooser.selectedNameFilter(), QStringLiteral("PNG (*.png)"));
        chooser.reject();
    });
    EXPECT_EQ(dialogs.chooseSaveFile(request), std::nullopt);

    // The user picks SVG: the name offered gets that extension, and the type is told back.
    whenModal<QFileDialog>([&](QFileDialog& chooser) {
        chooser.selectNameFilter(QStringLiteral("SVG (*.svg)"));
        emit chooser.filterSelected(QStringLiteral("SVG (*.svg)"));
        static_cast<QDialog&>(chooser).accept();
    });
    const auto chosen = dialogs.chooseSaveFile(request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->path, (folder.path() / "Pool 3 2024-03-01.svg").string());
    EXPECT_EQ(chosen->filter, 2);
}

// The program's print prompt sets up the very printer the jobs print on.
TEST(QtDialogs, ThePrintPromptGivesTheCopiesOnTheChosenPrinterOrNothingOnCancel) {
#ifdef _WIN32
    GTEST_SKIP() << "the print dialog on Windows is the system's own, not a widget to answer";
#endif
    for (const bool accept : {false, true}) {
        PrinterChoice choice;
        QtDialogs dialogs;
        dialogs.setPrinterChoice(&choice);
        choice.printer().setCopyCount(3); // what the dialog's copies box starts from
        bool shown = false;
        whenModal<QPrintDialog>([&](QPrintDialog& dialog) {
            shown = true;
            EXPECT_EQ(dialog.printer(), &choice.printer());
            EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
            EXPECT_EQ(choice.printer().pageLayout().orientation(), QPageLayout::Landscape);
            accept ? dialog.accept() : dialog.reject();
        });
        EXPECT_EQ(dialogs.choosePrint(), accept ? std::optional(3) : std::nullopt);
        EXPECT_TRUE(shown);
        // Each copy is a job of its own.
        EXPECT_EQ(choice.printer().copyCount(), accept ? 1 : 3);
    }
    // An unknown queue changes nothing.
    PrinterChoice choice;
    const QString before = choice.printer().printerName();
    EXPECT_FALSE(choice.selectPrinter(QStringLiteral("OSK_No_Such_Queue_7f3a")));
    EXPECT_EQ(choice.printer().printerName(), before);
}

TEST(DialogFilters, PairsBecomeNameFiltersWithTheirOwnPatterns) {
    const std::pair<const char*, QStringList> cases[] = {
        {"All Files (*.*)|*.*|CSV Files (*.csv)|*.csv", {"All Files (*)", "CSV Files (*.csv)"}},
        {"EXE Files (*.exe)|*.exe", {"EXE Files (*.exe)"}},
        // The description's brackets do not decide what is shown: the pattern does.
        {"Logs (*.txt)|*.csv;*.log", {"Logs (*.csv *.log)"}},
        {"Plain|*.lng", {"Plain (*.lng)"}},
        {"Lonely description", {"Lonely description (*)"}},
        {"|*.csv", {"*.csv (*.csv)"}},
        {"", {}},
    };
    for (const auto& [list, expected] : cases)
        EXPECT_EQ(toNameFilters(QString::fromLatin1(list)), expected) << list;
}

TEST(DialogFilters, SelectedFilterStaysInsideTheListAndTheSuffixIsTheFirstPatternsExtension) {
    // {selected, count, position}; one pair and filter 2: the last one.
    const int positions[][3] = {{2, 2, 1}, {1, 2, 0},  {2, 1, 0}, {9, 3, 2},
                                {0, 3, 0}, {-4, 3, 0}, {1, 0, -1}};
    for (const auto& p : positions)
        EXPECT_EQ(selectedFilterPosition(p[0], p[1]), p[2]) << p[0] << " of " << p[1];
    const std::pair<const char*, const char*> suffixes[] = {
        {"PNG (*.png)", "png"}, {"Logs (*.csv *.log)", "csv"}, {"All Files (*)", ""},
        {"Any (*.*)", ""},      {"No patterns", ""},           {"Backup (*.tar.gz)", "tar.gz"},
    };
    for (const auto& [filter, suffix] : suffixes)
        EXPECT_EQ(filterSuffix(QString::fromLatin1(filter)), QString::fromLatin1(suffix)) << filter;
}

} // namespace
} // namespace osk::test
