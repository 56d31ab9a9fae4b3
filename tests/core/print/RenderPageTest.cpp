#include "print/RenderPage.h"

#include "graph/RecordingSurface.h"
#include "lang/BuiltinTexts.h"
#include "support/ScriptedDialogs.h"

#include "PageFakes.h"

#include <gtest/gtest.h>

#include <ostream>

#include <memory>
#include <string>

namespace osk {
namespace {

using test::FailAt;
using test::Prompt;

struct PrintFixture : ::testing::Test {
    PrintFixture() {
        storeBuiltinTexts(texts);
        records->RecordTime[1] = "2024-03-05 23:59:50";
        records->RecordTime[2] = "2024-03-06 00:00:00";
        records->RecordCount = 2;
        records->ViewEndRecord = 2;
        records->LogSource.save("Pool 1", "/srv/remote/Data/pool1.csv");
        host.pageLabels.valueLabels[0] = "100.0";
        host.pageLabels.timeLabels[12] = "00:00";
    }

    std::unique_ptr<RecordTable> records = std::make_unique<RecordTable>();
    RenderState render;
    Texts texts;
    test::ScriptedDialogs dialogs;
    test::FakeHost host{render};
    test::FakeOutput output;
    PrintContext ctx{render, *records, texts, dialogs, host, output};
    // The hidden plot surface: 562 x 405 pixels.
    RecordingSurface graph{562, 405};
};

TEST_F(PrintFixture, PreviewFillsThePreviewAndSendsNothingToThePrinter) {
    const Colour screenLegend = host.legendBack;
    PreviewCommand(ctx, graph);

    EXPECT_EQ(output.jobsAsked, 0);
    EXPECT_EQ(host.broughtToFront, 0);
    ASSERT_EQ(output.previewPage.pictures.size(), 2u);
    EXPECT_EQ(output.previewPage.clears, 1);
    const auto& plot = output.previewPage.pictures[0];
    const auto& legend = output.previewPage.pictures[1];
    EXPECT_EQ(plot.which, PagePicture::Plot);
    EXPECT_EQ(plot.x, 70);
    EXPECT_EQ(plot.y, 50);
    EXPECT_EQ(legend.which, PagePicture::Legend);
    EXPECT_EQ(legend.x, 1180);
    EXPECT_EQ(legend.y, 50);
    EXPECT_EQ(plot.width, 0);
    EXPECT_EQ(legend.height, 0);
    // Shown once, after it was filled.
    EXPECT_EQ(output.previewShown, 1);
    EXPECT_EQ(output.previewPicturesWhenShown, 2u);

    ASSERT_EQ(host.redraws.size(), 1u);
    EXPECT_EQ(host.redraws[0].graph, &graph);
    EXPECT_TRUE(host.redraws[0].printing);
    EXPECT_EQ(host.redraws[0].legendBack, kWhite);
    EXPECT_EQ(host.redraws[0].plotWidth, 562);
    EXPECT_EQ(host.redraws[0].labelHeight, 400);

    ASSERT_EQ(host.rebuilds.size(), 1u);
    EXPECT_FALSE(host.rebuilds[0].printing);
    EXPECT_EQ(host.rebuilds[0].legendBack, screenLegend);
    EXPECT_FALSE(render.Printing);
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(PrintFixture, PrintingDrawsTheHeaderWithAWhiteLegendAndTheBodyAfterRestoringIt) {
    const Colour screenLegend = host.legendBack;
    dialogs.printCopies(1);
    PrintCommand(ctx, graph);

    ASSERT_EQ(output.jobs.pages.size(), 1u);
    EXPECT_EQ(output.jobs.started, 1);
    EXPECT_EQ(output.jobs.finished, 1);
    EXPECT_EQ(output.jobs.aborted, 0);
    EXPECT_EQ(host.broughtToFront, 1);
    const test::FakePage& page = *output.jobs.pages[0];

    // A4 landscape: everything 1578 twips to the right.
    ASSERT_NE(page.findText(": 06-03-2024"), nullptr);
    EXPECT_EQ(page.findText(": 06-03-2024")->x, 1578 + 7200);
    ASSERT_NE(page.findText("/srv/remote/Data/pool1.csv"), nullptr);
    EXPECT_EQ(page.findText("/srv/remote/Data/pool1.csv")->x, 1578);
    for (const char* t :
         {"Product", ": OSK-GRAPHS", "Date", "(Time)", "(Measering value)", "Legend", "100.0",
          "00:00", "Placeholder Dosing Supplies", "Fax +00 000 000 001"})
        EXPECT_NE(page.findText(t), nullptr) << t;
    EXPECT_EQ(page.pictures.size(), 4u);

    ASSERT_EQ(host.redraws.size(), 1u);
    EXPECT_TRUE(host.redraws[0].printing);
    ASSERT_EQ(host.rebuilds.size(), 1u);
    EXPECT_EQ(host.rebuilds[0].legendBack, screenLegend);
    EXPECT_FALSE(render.Printing);
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(PrintFixture, TheLegendIsWhiteWhileCopiedAndBackBeforeTheBody) {
    const Colour screenLegend = host.legendBack;
    std::vector<Colour> whenCopied;
    std::vector<Colour> whenBodyDrawn;
    output.onPage = [&](test::FakePage& page) {
        page.onPicture = [&](PagePicture p) {
            if (p == PagePicture::Legend)
                whenCopied.push_back(host.legendBack);
        };
        page.onText = [&](const std::string& t) {
            if (t == "/srv/remote/Data/pool1.csv")
                whenBodyDrawn.push_back(host.legendBack);
        };
    };
    dialogs.printCopies(1);
    PrintCommand(ctx, graph);
    ASSERT_EQ(whenCopied.size(), 1u);
    EXPECT_EQ(whenCopied[0], kWhite);
    ASSERT_EQ(whenBodyDrawn.size(), 1u);
    EXPECT_EQ(whenBodyDrawn[0], screenLegend);
}

TEST_F(PrintFixture, ThreeCopiesAreThreeJobsEachDrawnForPaper) {
    dialogs.printCopies(3);
    PrintCommand(ctx, graph);

    EXPECT_EQ(output.jobsAsked, 3);
    EXPECT_EQ(output.jobs.started, 3);
    EXPECT_EQ(output.jobs.finished, 3);
    ASSERT_EQ(host.redraws.size(), 3u);
    for (const auto& r : host.redraws) {
        // A later copy is not drawn with screen pens or with the cell group.
        EXPECT_TRUE(r.printing);
        EXPECT_EQ(r.legendBack, kWhite);
    }
    for (const auto& page : output.jobs.pages)
        EXPECT_NE(page->findText("Placeholder Dosing Supplies"), nullptr);
    EXPECT_EQ(host.rebuilds.size(), 3u);
    EXPECT_FALSE(render.Printing);
}

TEST_F(PrintFixture, CancellingThePrintDialogPrintsNothingAndSaysNothing) {
    dialogs.cancelPrint();
    PrintCommand(ctx, graph);
    EXPECT_EQ(output.jobsAsked, 0);
    EXPECT_TRUE(host.redraws.empty());
    EXPECT_TRUE(host.rebuilds.empty());
    EXPECT_FALSE(render.Printing);
    EXPECT_TRUE(dialogs.messages().empty());
}

struct NoticeCase {
    bool cellGroup;
    bool preview;
};

void PrintTo(const NoticeCase& c, std::ostream* os) {
    *os << (c.cellGroup ? "cells " : "no cells ") << (c.preview ? "preview" : "print");
}

class CellNotice : public PrintFixture, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(CellNotice, OnlyWhenTheCellGroupIsTicked) {
    host.cellGroup = GetParam().cellGroup;
    if (GetParam().preview) {
        PreviewCommand(ctx, graph);
    } else {
        dialogs.printCopies(1);
        PrintCommand(ctx, graph);
        EXPECT_EQ(output.jobs.finished, 1); // a notice only: the page still prints
    }
    const auto messages = dialogs.messages();
    if (!GetParam().cellGroup) {
        EXPECT_TRUE(messages.empty());
        return;
    }
    ASSERT_EQ(messages.size(), 1u);
    const Prompt& p = dialogs.prompts.back();
    EXPECT_EQ(p.text, "Photocell values will not be printed!");
    EXPECT_EQ(p.icon, MessageIcon::Information);
    EXPECT_EQ(p.title, "OSK-Graphs");
}

INSTANTIATE_TEST_SUITE_P(Modes, CellNotice,
                         ::testing::Values(NoticeCase{false, false}, NoticeCase{true, false},
                                           NoticeCase{false, true}, NoticeCase{true, true}));

struct FailureCase {
    const char* name;
    FailAt failAt;
    bool printerInstalled;
    bool throwInRedraw;
    const char* message;
    bool jobAborted;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintFailure : public PrintFixture, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PrintFailure, ReportsDropsThePageAndRestoresEverything) {
    const FailureCase& c = GetParam();
    const Colour screenLegend = host.legendBack;
    output.printerInstalled = c.printerInstalled;
    output.failures = {c.failAt};
    host.throwInRedraw = c.throwInRedraw;
    dialogs.printCopies(2);
    PrintCommand(ctx, graph);

    const auto messages = dialogs.messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0], c.message);
    EXPECT_EQ(dialogs.prompts[1].title, "OSK-Graphs");
    EXPECT_EQ(dialogs.prompts[1].icon, MessageIcon::None);
    EXPECT_EQ(output.jobs.aborted, c.jobAborted ? 1 : 0);

    // Restored after each copy, and the print command goes on with the next one.
    ASSERT_EQ(host.rebuilds.size(), 2u);
    for (const auto& r : host.rebuilds) {
        EXPECT_FALSE(r.printing);
        EXPECT_EQ(r.legendBack, screenLegend);
    }
    EXPECT_EQ(host.legendBack, screenLegend);
    EXPECT_FALSE(render.Printing);
    if (c.printerInstalled && !c.throwInRedraw) {
        EXPECT_EQ(output.jobs.finished, 1);
        EXPECT_EQ(messages.size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PrintFailure,
    ::testing::Values(FailureCase{"NoPrinter", FailAt::Nowhere, false, false,
                                  "Printer error!  (1  No printer is available)", false},
                      FailureCase{"Start", FailAt::Start, true, false,
                                  "Printer error!  (2  printer offline)", true},
                      FailureCase{"Picture", FailAt::Picture, true, false,
                                  "Printer error!  (3  logo missing)", true},
                      FailureCase{"Finish", FailAt::Finish, true, false,
                                  "Printer error!  (4  paper jam)", true},
                      FailureCase{"Redraw", FailAt::Nowhere, true, true,
                                  "Printer error!  (5  out of picture memory)", false}));

TEST_F(PrintFixture, APictureFailureStopsBeforeTheBody) {
    output.failures = {FailAt::Picture};
    dialogs.printCopies(1);
    PrintCommand(ctx, graph);
    ASSERT_EQ(output.jobs.pages.size(), 1u);
    const test::FakePage& page = *output.jobs.pages[0];
    EXPECT_NE(page.findText(": OSK-GRAPHS"), nullptr);
    EXPECT_EQ(page.findText("Placeholder Dosing Supplies"), nullptr);
    EXPECT_EQ(output.jobs.finished, 0);
}

TEST_F(PrintFixture, AWindowPastTheTableEndPrintsAnEmptyDate) {
    records->ViewEndRecord = kRecordRows + 5;
    dialogs.printCopies(1);
    PrintCommand(ctx, graph);
    ASSERT_EQ(output.jobs.pages.size(), 1u);
    EXPECT_NE(output.jobs.pages[0]->findText(": --"), nullptr);
}

} // namespace
} // namespace osk
