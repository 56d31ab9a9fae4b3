#include "print/PrinterChoice.h"
#include "app/QtDialogs.h"

#include "gui/support/Modal.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <gtest/gtest.h>

namespace osk {
namespace {

// The program's print prompt sets up the very printer the jobs print on.
TEST(PrinterChoice, ThePrintPromptGivesTheCopiesOnTheChosenPrinterOrNothingOnCancel) {
#ifdef _WIN32
    GTEST_SKIP() << "the print dialog on Windows is the system's own, not a widget to answer";
#endif
    for (const bool accept : {false, true}) {
        PrinterChoice choice;
        QtDialogs dialogs;
        dialogs.setPrinterChoice(&choice);
        choice.printer().setCopyCount(3); // what the dialog's copies box starts from
        bool shown = false;
        test::whenModal<QPrintDialog>([&](QPrintDialog& dialog) {
            shown = true;
            EXPECT_EQ(dialog.printer(), &choice.printer());
            EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
            EXPECT_EQ(choice.printer().pageLayout().orientation(), QPageLayout::Landscape);
            accept ? dialog.accept() : dialog.reject();
        });
        const std::optional<int> copies = dialogs.choosePrint();
        ASSERT_TRUE(shown);
        EXPECT_EQ(copies, accept ? std::optional(3) : std::nullopt);
        if (accept) {
            EXPECT_EQ(choice.printer().copyCount(), 1); // each copy is a job of its own
        }
    }
}

TEST(PrinterChoice, AnUnknownQueueChangesNothing) {
    PrinterChoice choice;
    const QString before = choice.printer().printerName();
    EXPECT_FALSE(choice.selectPrinter(QStringLiteral("OSK_No_Such_Queue_7f3a")));
    EXPECT_EQ(choice.printer().printerName(), before);
}

} // namespace
} // namespace osk
