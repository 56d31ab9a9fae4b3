// The day report: its dialog, and its pages saved as PDF and printed, read back from the PDF.
#include "gui/print/PrintWindowFixture.h"

#include "common/Utf8Path.h"
#include "print/DayReportController.h"
#include "print/frmDayReport.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

namespace osk::test {
namespace {

class DayReport : public PrintWindowFixture {
protected:
    // A log from noon to noon: two days.
    void openTwoDays() {
        open(writeLog("Pool1-two.csv", 8640, "2024-03-05 12:00:00"));
        ASSERT_TRUE(state.records.FileLoaded);
    }
    // The menu entry, with the dialog answered by choose.
    void report(int from, int to, QPushButton* frmDayReport::*button) {
        whenModal<frmDayReport>([=](frmDayReport& d) {
            // The newest day is offered first.
            EXPECT_EQ(std::tuple(d.cmbFrom->currentText(), d.cmbTo->currentText()),
                      std::tuple(QStringLiteral("2024-03-06"), QStringLiteral("2024-03-06")));
            d.cmbFrom->setCurrentIndex(from);
            d.cmbTo->setCurrentIndex(to);
            (d.*button)->click();
        });
        c->mnuDagrapport->trigger();
    }
    QString pdf(const char* name) const {
        return QString::fromStdString((pdfs.path() / name).string());
    }
    void expectPages(const QString& file, int pages, const QStringList& wanted) {
        const auto info = readPdfInfo(file);
        ASSERT_TRUE(info.has_value()) << file.toStdString();
        EXPECT_TRUE(info->pages == pages && info->width > info->height) << info->pages;
        const QString text = readPdfText(file);
        for (const QString& w : wanted)
            EXPECT_TRUE(text.contains(w)) << w.toStdString() << " not in " << text.toStdString();
    }
};

TEST_F(DayReport, SavedAsPdfOnePagePerDayEitherWayRound) {
    OSK_NEEDS_LINUX_PRINTING();
    EXPECT_TRUE(c->mnuDagrapport->isEnabled());
    openTwoDays();
    dialogs.saveFile(pdf("report").toStdString());
    report(1, 0, &frmDayReport::cmdSavePdf);
    EXPECT_TRUE(dialogs.allAnswersUsed());
    EXPECT_TRUE(dialogs.messages().empty());
    // The ".pdf" is added to the name given.
    expectPages(pdf("report.pdf"), 2,
                {"Day report", "Installation", ": 2024-03-05", ": 2024-03-06", "Data coverage",
                 "Excursions", "Operator:", "Measures taken:", "Signature:"});
    // The window's own window and points stay as they were.
    EXPECT_EQ(state.records.RecordTime[size_t(state.records.ViewEndRecord)],
              "2024-03-06 11:59:50");
    // The next Save dialog, of any command, starts in the report's folder.
    dialogs.cancelSave();
    c->mnuExportEvents->trigger();
    EXPECT_EQ(pathFromUtf8(dialogs.prompts.back().save.initialFolder), pdfs.path());
}

TEST_F(DayReport, PrintedOnTheChosenPrinterAndCancelledSilently) {
    OSK_NEEDS_LINUX_PRINTING();
    openTwoDays();
    printTo(pdf("printed.pdf"));
    dialogs.printCopies(1);
    report(1, 1, &frmDayReport::cmdPrint);
    expectPages(pdf("printed.pdf"), 1, {": 2024-03-06", "Checks done by hand:"});

    // A cancelled Print or Save dialog writes nothing and says nothing.
    dialogs.cancelPrint();
    report(0, 1, &frmDayReport::cmdPrint);
    dialogs.cancelSave();
    report(0, 1, &frmDayReport::cmdSavePdf);
    EXPECT_TRUE(dialogs.allAnswersUsed());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(readPdfInfo(pdf("printed.pdf"))->pages, 1);
}

} // namespace
} // namespace osk::test
