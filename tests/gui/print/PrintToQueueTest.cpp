#include "print/ContactLines.h"
#include "print/PageLayout.h"
#include "print/PrinterChoice.h"
#include "print/QtPageOutput.h"
#include "print/RenderPage.h"
#include "print/frmPreview.h"
#include "support/ScriptedDialogs.h"

#include "LoggedWindow.h"
#include "PrintQueue.h"

#include <QCoreApplication>
#include <QDateTime>
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
    // A title of this run only, so that other PDFs in the folder are never taken for ours.
    const QString title = QStringLiteral("osk-print-test-%1-%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(QDateTime::currentMSecsSinceEpoch());
    printer.printer().setDocName(title);
    QtPageOutput output(printer, preview);

    test::ScriptedDialogs dialogs;
    dialogs.printCopies(3);
    window.render.SeriesOn.set(3, 0, 0); // no cell notice in the way
    PrintContext ctx{window.render, *window.records, window.texts, dialogs, window, output};
    PrintCommand(ctx, preview.dummyGraph());
    EXPECT_TRUE(dialogs.messages().empty())
        << (dialogs.messages().empty() ? "" : dialogs.messages().front());

    const QStringList pdfs = queue.waitForPdfs(title, 3, 60000);
    ASSERT_EQ(pdfs.size(), 3) << "PDFs of " << title.toStdString() << " in "
                              << queue.outputDir().toStdString();

    const std::string newest =
        window.records->RecordTime[static_cast<size_t>(window.records->ViewEndRecord)];
    ASSERT_EQ(newest, "2024-03-05 23:59:50");
    std::vector<std::string> wanted = {"Product",
                                       ": OSK-GRAPHS",
                                       "Date",
                                       ": 05-03-2024",
                                       "/srv/osk/Data/Pool1-2024-03-05.csv",
                                       "(Time)",
                                       "(Measering value)",
                                       "Legend"};
    for (std::string_view line : kContactLines)
        wanted.emplace_back(line);
    for (const QString& pdf : pdfs) {
        const auto info = test::readPdfInfo(pdf);
        ASSERT_TRUE(info.has_value()) << pdf.toStdString();
        EXPECT_EQ(info->pages, 1) << pdf.toStdString();
        EXPECT_GT(info->width, info->height) << pdf.toStdString();
        const QString text = test::readPdfText(pdf);
        for (const std::string& w : wanted)
            EXPECT_TRUE(text.contains(QString::fromStdString(w)))
                << w << " not in " << pdf.toStdString() << ": " << text.toStdString();
    }
}

} // namespace
} // namespace osk
