// The started program with logs to open: generated or hand-written log files in a folder of
// the test's own, opened through the Open File command the way a user opens them.
#pragma once

#include "gui/app/ProgramFixture.h"

#include "LogGenerator.h"
#include "app/MainWindowControls.h"
#include "graph/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

#include <array>
#include <string>

namespace osk::test {

class LogWindowFixture : public ProgramFixture {
protected:
    static constexpr const char* kStart = "2024-03-01 00:00:00";

    void SetUp() override {
        installBothLanguages();
        storeSettings("english.lng", "True", "Chloor");
        startAfterDialog();
        c = &window->controls();
    }

    // A generated log of records records from start (one every 10 seconds).
    std::string writeLog(const std::string& name, int64_t records,
                         const std::string& start = kStart) {
        genlog::LogOptions options;
        options.records = records;
        options.start = start;
        return logs.write(name, genlog::generateLog(options)).string();
    }
    std::string writeText(const std::string& name, const std::string& text) {
        return logs.write(name, text).string();
    }

    // The Open File command with path chosen in the chooser.
    void open(const std::string& path) {
        dialogs.chooseFile(path);
        c->mnuOpenFile->trigger();
    }
    void openLog(int64_t records, const std::string& start = kStart) {
        open(writeLog("log.csv", records, start));
    }

    int64_t redraws() const { return window->redraws().count(); }
    std::string caption() const { return window->windowTitle().toStdString(); }

    template <size_t N>
    static std::array<std::string, N> captions(const std::array<QLabel*, N>& l) {
        std::array<std::string, N> out;
        for (size_t i = 0; i < N; ++i)
            out[i] = l[i]->text().toStdString();
        return out;
    }
    std::string timeLabel(size_t i) const { return c->lblScaleXas[i]->text().toStdString(); }
    // A date label as the user sees it: "" while hidden.
    std::string dateLabel(size_t i) const {
        return c->lblDataXas[i]->isHidden() ? "" : c->lblDataXas[i]->text().toStdString();
    }

    static int pixelsOf(PictureBox* box, QColor colour) {
        const QImage& image = box->surface().image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    }
    static int pixelCount(PictureBox* box) {
        return box->surface().image().width() * box->surface().image().height();
    }

    TempDir logs;
    const MainWindowControls* c = nullptr;
};

} // namespace osk::test
