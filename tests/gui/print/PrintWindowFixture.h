// The started program with a day's log open, for the print and preview commands: the prompts
// are scripted, the printer writes a PDF file of the test's own unless a test picks the print
// queue, and the legend has a colour of its own that a page must give back.
#pragma once

#include "gui/app/ProgramFixture.h"

#include "app/WidgetColours.h"
#include "print/PrintController.h"
#include "print/frmPreview.h"

#include <QPrinter>

namespace osk::test {

// What the user sees of the screen plot's axes: the value, time and date labels' captions, the
// time labels placed for the plot's width and the value labels for its height.
struct ScreenState {
    std::vector<QString> captions;
    std::vector<QRect> timeLabels;
    std::vector<int> valueLabelTops;
    double pixelsPerRecord = 0;
};

class PrintWindowFixture : public LogWindowFixture {
protected:
    static constexpr Colour kLegendBeige = Rgb(236, 233, 216);
    static constexpr Colour kCellBlue = Rgb(1, 6, 201);
    static constexpr const char* kLogName = "Pool1-2024-03-05.csv";
    static constexpr const char* kCellNotice = "Photocell values will not be printed!";

    void SetUp() override {
        LogWindowFixture::SetUp();
        open(writeLog(kLogName, 8640, "2024-03-05 00:00:00"));
        ASSERT_TRUE(state.records.FileLoaded);
        setBackColour(*c->Legenda, kLegendBeige);
        c->Legenda->surface().setBackColor(kLegendBeige);
        window->requestRedraw();
        printTo(QString::fromStdString((pdfs.path() / "page.pdf").string()));
    }

    PrintController& printing() { return window->printing(); }
    frmPreview& preview() { return printing().previewWindow(); }
    QPrinter& printer() { return printing().printer().printer(); }
    void printTo(const QString& pdfFile) {
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(pdfFile);
    }
    std::string logPath() const { return (logs.path() / kLogName).string(); }

    ScreenState screen() const {
        ScreenState s{{}, {}, {}, state.view.TimeAxis.PixelsPerRecord};
        for (int i = 0; i < 13; ++i) {
            s.captions.push_back(c->lblScaleXas[size_t(i)]->text() +
                                 c->lblDataXas[size_t(i)]->text());
            s.timeLabels.push_back(c->lblScaleXas[size_t(i)]->geometry());
        }
        for (QLabel* l : c->lblScale) {
            s.captions.push_back(l->text());
            s.valueLabelTops.push_back(l->y());
        }
        return s;
    }

    // The page is drawn for paper, the screen afterwards for itself again: the same captions,
    // labels placed for pGraph (the value labels may move by the few pixels between its inner
    // and outer height), the legend's own colour, Printing cleared.
    void expectScreenRebuilt(const ScreenState& before) const {
        const ScreenState after = screen();
        EXPECT_EQ(after.captions, before.captions);
        EXPECT_EQ(after.timeLabels, before.timeLabels);
        ASSERT_EQ(after.valueLabelTops.size(), before.valueLabelTops.size());
        for (size_t i = 0; i < after.valueLabelTops.size(); ++i)
            EXPECT_NEAR(after.valueLabelTops[i], before.valueLabelTops[i], 8)
                << "value label " << i;
        EXPECT_DOUBLE_EQ(after.pixelsPerRecord, before.pixelsPerRecord);
        EXPECT_EQ(window->printing().legendBackColor(), kLegendBeige);
        const QImage& legend = c->Legenda->surface().image();
        EXPECT_EQ(legend.pixel(legend.width() - 1, 0), qRgb(236, 233, 216));
        EXPECT_FALSE(state.render.Printing);
    }

    TempDir pdfs;
};

inline bool hasColour(const QImage& image, Colour c) {
    return test::hasColour(image, QColor(redOf(c), greenOf(c), blueOf(c)));
}

} // namespace osk::test
