#include "print/PrinterChoice.h"

#include <QAbstractPrintDialog>
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace osk {
namespace {

struct SeenInDialog {
    bool shown = false;
    bool selectionOffered = true;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// Answers the Print dialog as soon as it is up: accept or cancel.
SeenInDialog answerPrintDialog(PrinterChoice& choice, bool accept, std::optional<int>& result) {
    SeenInDialog seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen.shown = true;
        seen.selectionOffered = dialog->testOption(QAbstractPrintDialog::PrintSelection);
        seen.orientation = choice.printer().pageLayout().orientation();
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    // A dialog that never comes up must not hang the test.
    QTimer::singleShot(10000, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    result = choice.choose(nullptr);
    return seen;
}

TEST(PrinterChoice, CancellingGivesNoCopies) {
    PrinterChoice choice;
    std::optional<int> copies;
    const SeenInDialog seen = answerPrintDialog(choice, false, copies);
    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(copies.has_value());
    EXPECT_FALSE(seen.selectionOffered);
    EXPECT_EQ(seen.orientation, QPageLayout::Landscape);
}

TEST(PrinterChoice, AcceptingGivesTheCopiesAndLeavesOneCopyAJob) {
    PrinterChoice choice;
    choice.printer().setCopyCount(3); // what the dialog's copies box starts from
    std::optional<int> copies;
    const SeenInDialog seen = answerPrintDialog(choice, true, copies);
    ASSERT_TRUE(seen.shown);
    ASSERT_TRUE(copies.has_value());
    EXPECT_EQ(*copies, 3);
    EXPECT_EQ(choice.printer().copyCount(), 1);
}

TEST(PrinterChoice, AnUnknownQueueChangesNothing) {
    PrinterChoice choice;
    const QString before = choice.printer().printerName();
    EXPECT_FALSE(choice.selectPrinter(QStringLiteral("OSK_No_Such_Queue_7f3a")));
    EXPECT_EQ(choice.printer().printerName(), before);
}

} // namespace
} // namespace osk
