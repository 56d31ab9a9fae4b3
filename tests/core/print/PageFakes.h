// Fakes around the page rendering: a page that keeps what lands on it, an output whose jobs can
// be told to fail, and a window host that records what it was asked to do.
#pragma once

#include "graph/RenderState.h"
#include "print/PrintHost.h"

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace osk::test {

struct Placed {
    double x, y;
    std::string what; // the text, or "picture <n>", or "line <width>"
    double x2 = 0, y2 = 0;
    std::string font; // of a text: "name points"
};

class FakePage : public PageSurface {
public:
    void clear() override { ++clears; }
    float scaleWidth() const override { return 16000; }
    float scaleHeight() const override { return 11000; }
    double width() const override { return 16000; }
    double height() const override { return 11000; }
    void setForeColor(Colour) override {}
    void setBackColor(Colour) override {}
    void setDrawWidth(int w) override { width_ = w; }
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void line(double x1, double y1, double x2, double y2) override {
        items.push_back({x1, y1, "line " + std::to_string(width_), x2, y2, ""});
    }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void printText(const std::string& t) override { place({x_, y_, t, 0, 0, font_}); }
    void setVisible(bool) override {}
    void setFontName(const std::string& name) override { font_ = name + " "; }
    void setFontSize(double points) override { font_ += std::to_string(points).substr(0, 4); }
    void drawPicture(PagePicture p, double x, double y, double w, double h) override {
        place({x, y, "picture " + std::to_string(static_cast<int>(p)), w, h, ""});
    }

    const Placed* find(const std::string& what, int nth = 0) const {
        for (const auto& p : items)
            if (p.what == what && nth-- == 0)
                return &p;
        return nullptr;
    }

    int clears = 0;
    std::vector<Placed> items;
    std::function<void(const std::string&)> onDraw; // called for every text and picture

private:
    void place(Placed p) {
        items.push_back(p);
        if (onDraw)
            onDraw(p.what);
    }
    int width_ = 1;
    double x_ = 0, y_ = 0;
    std::string font_;
};

enum class FailAt { Nowhere, Start, Picture, Finish };

struct JobRecord {
    FakePage sheet;
    int finished = 0, aborted = 0;
};

class FakeJob : public PrintJob {
public:
    FakeJob(std::shared_ptr<JobRecord> r, FailAt at) : r_(std::move(r)), at_(at) {}
    std::optional<PrintError> start() override { return fail(FailAt::Start); }
    PageSurface& page() override { return r_->sheet; }
    double pageWidth() const override { return 16838; }
    std::optional<PrintError> failure() const override { return fail(FailAt::Picture); }
    std::optional<PrintError> finish() override {
        r_->finished += at_ == FailAt::Finish ? 0 : 1;
        return fail(FailAt::Finish);
    }
    void abort() override { ++r_->aborted; }

private:
    std::optional<PrintError> fail(FailAt at) const {
        if (at != at_)
            return std::nullopt;
        return at == FailAt::Start     ? PrintError{kPrintErrorStart, "printer offline"}
               : at == FailAt::Picture ? PrintError{kPrintErrorPicture, "logo missing"}
                                       : PrintError{kPrintErrorPage, "paper jam"};
    }
    std::shared_ptr<JobRecord> r_;
    FailAt at_;
};

// Keeps a record of every job it hands out.
class FakeOutput : public PageOutput {
public:
    std::unique_ptr<PrintJob> newJob() override {
        if (!printerInstalled)
            return nullptr;
        auto& job = jobs.emplace_back(std::make_shared<JobRecord>());
        job->sheet.onDraw = onDraw;
        return std::make_unique<FakeJob>(
            job, jobs.size() <= failures.size() ? failures[jobs.size() - 1] : FailAt::Nowhere);
    }
    PageSurface& preview() override {
        ++previewsAsked;
        return previewPage;
    }
    std::optional<PrintError> previewFailure() const override { return previewFails; }
    void showPreview() override { picturesWhenShown.push_back(previewPage.items.size()); }
    void hidePreview() override { ++previewsHidden; }

    bool printerInstalled = true;
    std::vector<FailAt> failures;                   // by job
    std::function<void(const std::string&)> onDraw; // for every job's sheet
    std::vector<std::shared_ptr<JobRecord>> jobs;
    FakePage previewPage;
    int previewsAsked = 0;
    std::optional<PrintError> previewFails; // once the preview has been filled
    std::vector<size_t> picturesWhenShown;
    int previewsHidden = 0;
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
    void bringToFront() override {}
    PageLabels labels() const override { return {}; }
    void rebuildScreen() override {
        rebuilds.push_back({nullptr, 0, 0, render_.Printing, legendBack});
    }

    struct Call {
        Surface* graph;
        int32_t plotWidth, labelHeight;
        bool printing;
        Colour legendBack;
    };
    bool cellGroup = false, throwInRedraw = false;
    Colour legendBack = Rgb(200, 220, 240);
    std::vector<Call> redraws, rebuilds;

private:
    const RenderState& render_;
};

} // namespace osk::test
