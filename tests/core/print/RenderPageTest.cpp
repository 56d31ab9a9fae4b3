#include "print/RenderPage.h"

#include "graph/RecordingSurface.h"
#include "lang/BuiltinTexts.h"
#include "lang/TextNumbers.h"
#include "print/PageLayout.h"
#include "support/ScriptedDialogs.h"

#include "PageFakes.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <tuple>

namespace osk {
namespace {

using test::FailAt;

struct PrintFixture : ::testing::Test {
    PrintFixture() {
        storeBuiltinTexts(texts);
        records->RecordTime[2] = "2024-03-06 00:00:00";
        records->ViewEndRecord = 2;
        records->LogSource.save("Pool 1", "/srv/remote/Data/pool1.csv");
    }

    std::unique_ptr<RecordTable> records = std::make_unique<RecordTable>();
    RenderState render;
    Texts texts;
    test::ScriptedDialogs dialogs;
    test::FakeHost host{render};
    test::FakeOutput output;
    PrintContext ctx{render, *records, texts, dialogs, host, output};
    RecordingSurface graph{562, 405}; // the hidden plot surface
    const Colour screenLegend = host.legendBack;

    // Restored after every page: the legend's colour, Printing, the screen plot.
    void expectRestored(size_t pages) {
        ASSERT_EQ(host.rebuilds.size(), pages);
        for (const auto& r : host.rebuilds) {
            EXPECT_FALSE(r.printing);
            EXPECT_EQ(r.legendBack, screenLegend);
        }
        EXPECT_FALSE(render.Printing);
    }
};

TEST_F(PrintFixture, PreviewFillsThePreviewOnlyAndShowsIt) {
    PreviewCommand(ctx, graph);
    const test::FakePage& p = output.previewPage;
    EXPECT_EQ(std::tuple(output.jobs.size(), p.clears, output.picturesWhenShown),
              std::tuple(0u, 1, std::vector<size_t>{2}));
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(std::tie(p.items[0].what, p.items[0].x, p.items[0].y, p.items[1].what, p.items[1].x,
                       p.items[1].y),
              std::tuple("picture 0", 70, 50, "picture 1", 1180, 50));
    // Axes for the hidden surface: its width, its height less 5; drawn as for paper.
    ASSERT_EQ(host.redraws.size(), 1u);
    const auto& r = host.redraws[0];
    EXPECT_EQ(std::tie(r.graph, r.plotWidth, r.labelHeight, r.printing, r.legendBack),
              std::tuple(&graph, 562, 400, true, kWhite));
    expectRestored(1);
}

TEST_F(PrintFixture, APreviewWhosePictureFailsIsReportedAndNotShown) {
    output.previewFails = PrintError{kPrintErrorPicture, "The legend picture could not be copied"};
    PreviewCommand(ctx, graph);
    EXPECT_EQ(std::tuple(output.previewsAsked, dialogs.messages(), dialogs.prompts[0].title,
                         output.picturesWhenShown.size(), output.previewsHidden),
              std::tuple(1,
                         std::vector<std::string>{
                             "Printer error!  (3  The legend picture could not be copied)"},
                         "OSK-Graphs", 0u, 1));
    expectRestored(1);
    // The next preview that succeeds is shown again.
    output.previewFails.reset();
    PreviewCommand(ctx, graph);
    EXPECT_EQ(std::tuple(output.picturesWhenShown.size(), output.previewsHidden,
                         dialogs.messages().size()),
              std::tuple(1u, 1, 1u));
}

TEST_F(PrintFixture, ThreeCopiesAreThreeCompleteJobsEachDrawnForPaper) {
    // The legend's colour when its picture is copied and when the body begins.
    std::vector<Colour> legendWhen;
    output.onDraw = [&](const std::string& what) {
        if (what == "picture 1" || what == "/srv/remote/Data/pool1.csv")
            legendWhen.push_back(host.legendBack);
    };
    dialogs.printCopies(3);
    PrintCommand(ctx, graph);

    ASSERT_EQ(output.jobs.size(), 3u);
    for (const auto& job : output.jobs) {
        EXPECT_EQ(job->finished, 1);
        const test::FakePage& page = job->sheet;
        // Shifted for the job's paper (the left logo marks the shift), with the window's texts.
        EXPECT_EQ(page.find("picture 2") ? page.find("picture 2")->x : -1, 16838 - kPageBaseWidth);
        for (const std::string& t : {texts[kTextProduct], texts[kTextPageTime], texts[kTextLegend],
                                     std::string(": 06-03-2024"), records->LogSource.path()})
            EXPECT_NE(page.find(t), nullptr) << t;
    }
    // Every copy is drawn as for paper, the later ones too.
    ASSERT_EQ(host.redraws.size(), 3u);
    for (const auto& r : host.redraws)
        EXPECT_TRUE(r.printing && r.legendBack == kWhite);
    EXPECT_EQ(legendWhen, (std::vector<Colour>{kWhite, screenLegend, kWhite, screenLegend, kWhite,
                                               screenLegend}));
    expectRestored(3);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(PrintFixture, CancellingPrintsNothingAndSaysNothing) {
    dialogs.cancelPrint();
    PrintCommand(ctx, graph);
    EXPECT_EQ(std::tuple(output.jobs.size(), host.redraws.size(), dialogs.prompts.size()),
              std::tuple(0u, 0u, 1u)); // the print dialog only
    expectRestored(0);
}

class CellNotice : public PrintFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(CellNotice, OnlyWhenTheCellGroupIsTickedAndPrintingGoesOn) {
    host.cellGroup = GetParam();
    dialogs.printCopies(1);
    PrintCommand(ctx, graph);
    PreviewCommand(ctx, graph);
    EXPECT_EQ(std::tuple(output.jobs.at(0)->finished, output.picturesWhenShown.size()),
              std::tuple(1, 1u));
    ASSERT_EQ(dialogs.messages().size(), GetParam() ? 2u : 0u);
    for (const auto& p : dialogs.prompts)
        if (p.kind == test::Prompt::Kind::Message) {
            EXPECT_EQ(
                std::tie(p.text, p.icon, p.title),
                std::tuple(texts[kTextCellsNotPrinted], MessageIcon::Information, "OSK-Graphs"));
        }
}

INSTANTIATE_TEST_SUITE_P(Ticked, CellNotice, ::testing::Bool());

struct FailureCase {
    const char* name;
    FailAt failAt;
    bool printerInstalled;
    bool throwInRedraw;
    const char* message;
    int aborted;
};

class PrintFailure : public PrintFixture, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PrintFailure, IsReportedThePageDroppedAndTheNextCopyPrinted) {
    const FailureCase& c = GetParam();
    output.printerInstalled = c.printerInstalled;
    output.failures = {c.failAt};
    host.throwInRedraw = c.throwInRedraw;
    dialogs.printCopies(2);
    PrintCommand(ctx, graph);

    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(std::tie(dialogs.messages()[0], dialogs.prompts[1].title, dialogs.prompts[1].icon),
              std::tuple(c.message, "OSK-Graphs", MessageIcon::None));
    if (!output.jobs.empty()) {
        EXPECT_EQ(std::tie(output.jobs[0]->aborted, output.jobs[0]->finished),
                  std::tuple(c.aborted, 0));
    }
    if (output.jobs.size() == 2) {
        EXPECT_EQ(std::tuple(output.jobs[1]->finished, dialogs.messages().size()),
                  std::tuple(1, 1u));
    }
    expectRestored(2);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PrintFailure,
    ::testing::Values(
        FailureCase{"NoPrinter", FailAt::Nowhere, false, false,
                    "Printer error!  (1  No printer is available)", 0},
        FailureCase{"Start", FailAt::Start, true, false, "Printer error!  (2  printer offline)", 1},
        FailureCase{"Picture", FailAt::Picture, true, false, "Printer error!  (3  logo missing)",
                    1},
        FailureCase{"Finish", FailAt::Finish, true, false, "Printer error!  (4  paper jam)", 1},
        FailureCase{"Redraw", FailAt::Nowhere, true, true,
                    "Printer error!  (5  out of picture memory)", 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace osk
