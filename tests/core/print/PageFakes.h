// Fakes around the page rendering: a page surface that keeps what lands on it, print jobs that
// can be told to fail, and a window host that records what it was asked to do.
#pragma once

#include "graph/RenderState.h"
#include "print/PageSurface.h"
#include "print/PrintHost.h"
#include "print/PrintJob.h"

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace osk::test {

struct PlacedText {
    double x, y;
    std::string text;
    std::string font;
    double points;
};
struct PlacedLine {
    double x1, y1, x2, y2;
    int width;
    Colour colour;
};
struct PlacedPicture {
    PagePicture which;
    double x, y, width, height;
};

class FakePage : public PageSurface {
public:
    void clear() override { ++clears; }
    float scaleWidth() const override { return 16000; }
    float scaleHeight() const override { return 11000; }
    double width() const override { return 16000; }
    double height() const override { return 11000; }
    void setForeColor(Colour c) override { fore_ = c; }
    void setBackColor(Colour) override {}
    void setDrawWidth(int w) override { width_ = w; }
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void line(double x1, double y1, double x2, double y2) override {
        lines.push_back({x1, y1, x2, y2, width_, fore_});
    }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void printText(const std::string& t) override {
        texts.push_back({x_, y_, t, font_, points_});
        if (onText)
            onText(t);
    }
    void setVisible(bool) override {}
    void setFontName(const std::string& name) override { font_ = name; }
    void setFontSize(double points) override { points_ = points; }
    void drawPicture(PagePicture which, double x, double y, double w, double h) override {
        pictures.push_back({which, x, y, w, h});
        if (onPicture)
            onPicture(which);
    }

    const PlacedText* findText(const std::string& t) const {
        for (const auto& p : texts)
            if (p.text == t)
                return &p;
        return nullptr;
    }

    int clears = 0;
    std::vector<PlacedText> texts;
    std::vector<PlacedLine> lines;
    std::vector<PlacedPicture> pictures;
    std::function<void(PagePicture)> onPicture;
    std::function<void(const std::string&)> onText;

private:
    Colour fore_ = kBlack;
    int width_ = 1;
    double x_ = 0, y_ = 0;
    std::string font_;
    double points_ = 0;
};

// Where a fake job fails, if anywhere.
enum class FailAt { Nowhere, Start, Picture, Finish };

struct JobLog {
    int started = 0;
    int finished = 0;
    int aborted = 0;
    std::vector<std::shared_ptr<FakePage>> pages; // one per job, in order
};

class FakeJob : public PrintJob {
public:
    FakeJob(JobLog& log, double pageWidth, FailAt failAt)
        : log_(log), page_(std::make_shared<FakePage>()), pageWidth_(pageWidth), failAt_(failAt) {
        log_.pages.push_back(page_);
        if (failAt_ == FailAt::Picture)
            page_->onPicture = [this](PagePicture p) {
                if (p == PagePicture::LogoRight)
                    failure_ = PrintError{kPrintErrorPicture, "logo missing"};
            };
    }
    std::optional<PrintError> start() override {
        ++log_.started;
        if (failAt_ == FailAt::Start)
            return PrintError{kPrintErrorStart, "printer offline"};
        return std::nullopt;
    }
    PageSurface& page() override { return *page_; }
    double pageWidth() const override { return pageWidth_; }
    std::optional<PrintError> failure() const override { return failure_; }
    std::optional<PrintError> finish() override {
        if (failAt_ == FailAt::Finish)
            return PrintError{kPrintErrorPage, "paper jam"};
        ++log_.finished;
        return std::nullopt;
    }
    void abort() override { ++log_.aborted; }

private:
    JobLog& log_;
    std::shared_ptr<FakePage> page_;
    double pageWidth_;
    FailAt failAt_;
    std::optional<PrintError> failure_;
};

class FakeOutput : public PageOutput {
public:
    std::unique_ptr<PrintJob> newJob() override {
        ++jobsAsked;
        if (!printerInstalled)
            return nullptr;
        const size_t n = jobs.pages.size();
        const FailAt failAt = n < failures.size() ? failures[n] : FailAt::Nowhere;
        auto job = std::make_unique<FakeJob>(jobs, pageWidth, failAt);
        if (onPage)
            onPage(*jobs.pages.back());
        return job;
    }
    PageSurface& preview() override { return previewPage; }
    void showPreview() override {
        ++previewShown;
        previewPicturesWhenShown = previewPage.pictures.size();
    }

    bool printerInstalled = true;
    double pageWidth = 16838;
    std::vector<FailAt> failures; // by job, in order
    std::function<void(FakePage&)> onPage;
    int jobsAsked = 0;
    JobLog jobs;
    FakePage previewPage;
    int previewShown = 0;
    size_t previewPicturesWhenShown = 0;
};

class FakeHost : public PrintHost {
public:
    explicit FakeHost(const RenderState& render) : render_(render) {}

    bool cellGroupTicked() const override { return cellGroup; }
    Colour legendBackColor() const override { return legendBack; }
    void setLegendBackColor(Colour c) override { legendBack = c; }
    void redrawOnto(Surface& graph, int32_t plotWidth, int32_t labelHeight) override {
        redraws.push_back({&graph, plotWidth, labelHeight, render_.Printing, legendBack});
        if (throwInRedraw)
            throw std::runtime_error("out of picture memory");
    }
    void bringToFront() override { ++broughtToFront; }
    PageLabels labels() const override { return pageLabels; }
    void rebuildScreen() override { rebuilds.push_back({render_.Printing, legendBack}); }

    struct Redraw {
        Surface* graph;
        int32_t plotWidth, labelHeight;
        bool printing;
        Colour legendBack;
    };
    struct Rebuild {
        bool printing;
        Colour legendBack;
    };

    bool cellGroup = false;
    bool throwInRedraw = false;
    Colour legendBack = Rgb(200, 220, 240);
    PageLabels pageLabels;
    std::vector<Redraw> redraws;
    std::vector<Rebuild> rebuilds;
    int broughtToFront = 0;

private:
    const RenderState& render_;
};

} // namespace osk::test
