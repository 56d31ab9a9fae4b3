#include "PrintQueue.h"
#include "PrintWindowFixture.h"

#include "print/ContactLines.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

namespace osk::test {
namespace {

using PrintToQueue = PrintWindowFixture;

TEST_F(PrintToQueue, ThreeCopiesAreThreeOnePageLandscapePdfsWithThePageTexts) {
    OSK_NEEDS_LINUX_PRINTING();
    const PrintQueue queue;
    ASSERT_TRUE(queue.ready()) << queue.problem().toStdString();
    ASSERT_TRUE(printing().printer().selectPrinter(QString::fromLatin1(kTestQueue)));
    ASSERT_EQ(printer().outputFormat(), QPrinter::NativeFormat);
    // A title of this run only: other PDFs in the folder are never taken for ours.
    const QString title = QStringLiteral("osk-print-test-%1-%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(QDateTime::currentMSecsSinceEpoch());
    printer().setDocName(title);
    c->chkItem[3]->setChecked(true);
    const ScreenState before = screen();
    const int64_t redrawsBefore = redraws();
    dialogs.printCopies(3);

    c->mnuAfdrukken->trigger();

    // A notice for each page, and no printer error.
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>(3, kCellNotice));
    expectScreenRebuilt(before);
    EXPECT_EQ(redraws(), redrawsBefore + 1);

    const QStringList pdfs = queue.waitForPdfs(title, 3, 60000);
    ASSERT_EQ(pdfs.size(), 3) << title.toStdString() << " in " << queue.outputDir().toStdString();
    ASSERT_EQ(state.records.RecordTime[static_cast<size_t>(state.records.ViewEndRecord)],
              "2024-03-05 23:59:50");
    QStringList wanted = {
        "Product",          ": OSK-GRAPHS",        "Date",   ": 05-03-2024",
        "(Time)",           "(Measering value)",   "Legend", QString::fromStdString(logPath()),
        before.captions[0], before.captions.back()};
    for (std::string_view line : kContactLines)
        wanted << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    for (const QString& pdf : pdfs) {
        const auto info = readPdfInfo(pdf);
        ASSERT_TRUE(info.has_value()) << pdf.toStdString();
        EXPECT_EQ(info->pages, 1) << pdf.toStdString();
        EXPECT_GT(info->width, info->height) << pdf.toStdString();
        const QString text = readPdfText(pdf);
        for (const QString& w : wanted)
            EXPECT_TRUE(text.contains(w)) << w.toStdString() << " not in " << pdf.toStdString();
    }
    // A failed run leaves its PDFs for a look.
    if (!::testing::Test::HasFailure())
        for (const QString& pdf : pdfs)
            QFile::remove(pdf);
}

} // namespace
} // namespace osk::test
