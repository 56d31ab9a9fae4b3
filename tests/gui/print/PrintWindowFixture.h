// The started program with a day's log open, for the print and preview commands: the prompts
// are scripted, the printer writes a PDF file of the test's own unless a test picks the print
// queue, and the legend has a colour of its own that a page must give back.
#pragma once

#include "gui/app/ProgramFixture.h"

#include "app/QtAdapter.h"
#include "print/PrintController.h"
#include "print/frmPreview.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QRegularExpression>
#include <QThread>

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
        EXPECT_EQ(std::tuple(after.captions, after.timeLabels, after.pixelsPerRecord),
                  std::tuple(before.captions, before.timeLabels, before.pixelsPerRecord));
        ASSERT_EQ(after.valueLabelTops.size(), before.valueLabelTops.size());
        for (size_t i = 0; i < after.valueLabelTops.size(); ++i)
            EXPECT_NEAR(after.valueLabelTops[i], before.valueLabelTops[i], 8)
                << "value label " << i;
        const QImage& legend = c->Legenda->surface().image();
        EXPECT_EQ(std::tuple(window->printing().legendBackColor(),
                             legend.pixel(legend.width() - 1, 0), state.render.Printing),
                  std::tuple(kLegendBeige, qRgb(236, 233, 216), false));
    }

    TempDir pdfs;
};

inline bool hasColour(const QImage& image, Colour c) {
    return test::hasColour(image, QColor(redOf(c), greenOf(c), blueOf(c)));
}

// The test print queue: makes sure the local print system runs with the PDF queue (through
// scripts/cups-test-queue), and finds and reads the PDFs that the queue writes.

inline constexpr const char* kTestQueue = "OSK_Test_PDF";

// The tests that print to the queue or read PDFs back need the Linux print system and poppler's
// PDF tools, which a Windows build has neither of.
#ifdef _WIN32
#define OSK_NEEDS_LINUX_PRINTING() GTEST_SKIP() << "needs the Linux print system and PDF tools"
#else
#define OSK_NEEDS_LINUX_PRINTING() static_cast<void>(0)
#endif

// Standard output of a tool that ran and succeeded; nullopt otherwise, with why in error.
inline std::optional<QString> runTool(const QString& program, const QStringList& args,
                                      QString* error = nullptr) {
    const ProcessResult r = runProcess(program, args);
    if (error)
        *error = QString::fromStdString(r.err).trimmed();
    return r.finished && r.exitCode == 0 ? std::optional(QString::fromStdString(r.out))
                                         : std::nullopt;
}

// Pages and the shown size (after the page's rotation) of a complete PDF.
struct PdfInfo {
    int pages = 0;
    double width = 0, height = 0;
};

inline std::optional<PdfInfo> readPdfInfo(const QString& file) {
    const auto out = runTool(QStringLiteral("pdfinfo"), {file});
    const QRegularExpression re(
        QStringLiteral(
            "Pages:\\s+(\\d+).*Page size:\\s+([\\d.]+) x ([\\d.]+).*Page rot:\\s+(\\d+)"),
        QRegularExpression::DotMatchesEverythingOption);
    const auto m = out ? re.match(*out) : QRegularExpressionMatch();
    if (!m.hasMatch())
        return std::nullopt;
    PdfInfo info{m.captured(1).toInt(), m.captured(2).toDouble(), m.captured(3).toDouble()};
    if (m.captured(4).toInt() % 180 == 90)
        std::swap(info.width, info.height);
    return info;
}

// The PDF's text with every run of white space made one blank.
inline QString readPdfText(const QString& file) {
    return runTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")})
        .value_or(QString())
        .simplified();
}

class PrintQueue {
public:
    // Sets the queue up; problem() says why it is not there when it is not.
    PrintQueue() {
        const auto out = runTool(QStringLiteral(OSK_CUPS_TEST_QUEUE_SCRIPT), {}, &problem_);
        if (out)
            outputDir_ = out->trimmed().split(QLatin1Char('\n')).last();
        if (outputDir_.isEmpty())
            problem_ =
                QStringLiteral("the print system for the tests cannot be set up: ") + problem_;
        else
            problem_.clear();
    }
    bool ready() const { return problem_.isEmpty(); }
    const QString& problem() const { return problem_; }
    const QString& outputDir() const { return outputDir_; }

    // The PDFs whose names start with title, once count of them are complete (the queue
    // writes a PDF in place: one pdfinfo cannot read yet is still being written), or what
    // there is after timeoutMs.
    QStringList waitForPdfs(const QString& title, int count, int timeoutMs) const {
        const QDir dir(outputDir_);
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            QStringList found;
            bool complete = true;
            for (const QString& f : dir.entryList({title + QStringLiteral("*.pdf")}, QDir::Files)) {
                found << dir.filePath(f);
                complete = complete && readPdfInfo(found.back()).has_value();
            }
            if ((found.size() >= count && complete) || clock.elapsed() >= timeoutMs)
                return found;
            QThread::msleep(250);
        }
    }

private:
    QString problem_;
    QString outputDir_;
};

} // namespace osk::test
