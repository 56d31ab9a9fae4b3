#include "print/ContactLines.h"
#include "print/PrinterChoice.h"
#include "print/QtPageOutput.h"
#include "print/RenderPage.h"
#include "print/frmPreview.h"
#include "support/ScriptedDialogs.h"

#include "LoggedWindow.h"
#include "PrintQueue.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QPrinter>
#include <gtest/gtest.h>

namespace osk {
namespace {

TEST(PrintToQueue, ThreeCopiesAreThreeOnePageLandscapePdfsWithThePageTexts) {
    const test::PrintQueue queue;
    ASSERT_TRUE(queue.ready()) << queue.problem().toStdString();

    test::LoggedWindow window("2024-03-05 00:00:00", "/srv/osk/Data/Pool1-2024-03-05.csv");
    frmPreview preview([&window] { return window.legend.image(); });
    PrinterChoice printer;
    ASSERT_TRUE(printer.selectPrinter(QString::fromLatin1(test::kTestQueue)));
    ASSERT_EQ(printer.printer().outputFormat(), QPrinter::NativeFormat);
    // A title of this run only: other PDFs in the folder are never taken for ours.
    const QString title = QStringLiteral("osk-print-test-%1-%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(QDateTime::currentMSecsSinceEpoch());
    printer.printer().setDocName(title);
    QtPageOutput output(printer, preview);
    test::ScriptedDialogs dialogs;
    dialogs.printCopies(3);
    PrintContext ctx{window.render, *window.records, window.texts, dialogs, window, output};
    PrintCommand(ctx, preview.dummyGraph());
    // The cell group is on: a notice for each page, and no printer error.
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>(3, "Photocell values will not be printed!"));

    const QStringList pdfs = queue.waitForPdfs(title, 3, 60000);
    ASSERT_EQ(pdfs.size(), 3) << title.toStdString() << " in " << queue.outputDir().toStdString();
    ASSERT_EQ(window.records->RecordTime[static_cast<size_t>(window.records->ViewEndRecord)],
              "2024-03-05 23:59:50");
    QStringList wanted = {"Product",
                          ": OSK-GRAPHS",
                          "Date",
                          ": 05-03-2024",
                          "/srv/osk/Data/Pool1-2024-03-05.csv",
                          "(Time)",
                          "(Measering value)",
                          "Legend"};
    for (std::string_view line : kContactLines)
        wanted << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    for (const QString& pdf : pdfs) {
        const auto info = test::readPdfInfo(pdf);
        ASSERT_TRUE(info.has_value()) << pdf.toStdString();
        EXPECT_EQ(info->pages, 1) << pdf.toStdString();
        EXPECT_GT(info->width, info->height) << pdf.toStdString();
        const QString text = test::readPdfText(pdf);
        for (const QString& w : wanted)
            EXPECT_TRUE(text.contains(w)) << w.toStdString() << " not in " << pdf.toStdString();
    }
    // A failed run leaves its PDFs for a look.
    if (!::testing::Test::HasFailure())
        for (const QString& pdf : pdfs)
            QFile::remove(pdf);
}

} // namespace
} // namespace osk
