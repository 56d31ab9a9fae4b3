// The started program for the window benchmarks: a settings folder of its own, no display, the
// real settings store, prompts answered at once, and the plot 1600 x 900 with every series on.
#pragma once

#include "LogGenerator.h"
#include "app/MainWindowControls.h"
#include "app/OffscreenPlatform.h"
#include "app/ProgramState.h"
#include "app/QtSettingsStore.h"
#include "app/Startup.h"
#include "graph/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

namespace osk::bench {

inline constexpr int kPlotWidth = 1600;
inline constexpr int kPlotHeight = 900;

// The Open dialog answers with openAnswer, the Save dialog with saveAnswer (or a cancel).
// Messages are counted and pass; every question is answered No.
class BenchDialogs final : public Dialogs {
public:
    void message(const std::string& text, MessageIcon, const std::string&) override {
        ++messages;
        lastMessage = text;
    }
    bool askYesNo(const std::string&, const std::string&) override {
        ++questions;
        return false;
    }
    std::optional<std::string> chooseOpenFile(const OpenFileRequest&) override {
        return openAnswer;
    }
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest&) override {
        return saveAnswer;
    }
    std::optional<int> choosePrint() override { return std::nullopt; }

    std::string openAnswer;
    std::optional<SaveFileChoice> saveAnswer;
    int64_t messages = 0;
    int64_t questions = 0;
    std::string lastMessage;
};

// The second the clock shows; the real-time timer refreshes only at seconds 1 and 31.
class BenchClock final : public Clock {
public:
    int currentSecond() const override { return second; }
    int second = 0;
};

// The full log: kMaxRecords generated records.
inline void writeFullLog(const std::filesystem::path& file) {
    genlog::LogOptions options;
    options.records = kMaxRecords;
    std::ofstream(file, std::ios::binary) << genlog::generateLog(options);
}

// The main window of a returning user (English, colour printer, the product system), started
// and sized so that the plot is kPlotWidth x kPlotHeight; no log is open yet.
struct BenchProgram {
    BenchProgram() {
        settings.RegWrite(settings::kLanguage, "english.lng");
        settings.RegWrite(settings::kColor, "True");
        settings.RegWrite(settings::kSystem, "Chloor");
        window = StartProgram(state, services, true);
        const QSize plot(kPlotWidth + 2 * PictureBox::kBorder,
                         kPlotHeight + 2 * PictureBox::kBorder);
        window->resize(window->size() + plot - controls().pGraph->size());
    }

    const MainWindowControls& controls() const { return window->controls(); }

    // The Open File command answered with file.
    void open(const std::filesystem::path& file) {
        dialogs.openAnswer = file.string();
        controls().mnuOpenFile->trigger();
    }

    // Every group and every sub-series, over the longest span; then the window shows the
    // picture.
    void showEverySeries() {
        const MainWindowControls& c = controls();
        for (size_t g = 0; g < c.chkItem.size(); ++g) {
            c.chkItem[g]->setChecked(true);
            c.cmdItem[g]->click();
            for (QCheckBox* box : c.chkItems2)
                if (box != nullptr && !box->isHidden())
                    box->setChecked(true);
        }
        c.Command4->click();
        c.Xas->setCurrentIndex(0);
        QCoreApplication::processEvents();
    }

    // The time grid's first and finest step instead of the window's usual one.
    void useFinestTimeGrid() { controls().cmbGridX->setCurrentIndex(0); }

    QtSettingsStore settings;
    BenchDialogs dialogs;
    BenchClock clock;
    ProgramServices services{settings, dialogs, clock, std::filesystem::path(OSK_LANG_DIR)};
    ProgramState state;
    std::unique_ptr<frmMain> window; // last: goes before the state it works on
};

// The frame of every window benchmark's main: a temporary folder that holds the settings (and
// whatever run puts there) and is removed at the end, the offscreen platform, and Google
// Benchmark's own options. run registers the benchmarks and runs them; it gets the folder.
inline int runWindowBenchmarks(int argc, char** argv, const char* name,
                               const std::function<void(const std::filesystem::path&)>& run) {
    QTemporaryDir made(QDir::tempPath() + QStringLiteral("/osk-bench-XXXXXX"));
    if (!made.isValid()) {
        std::cerr << name << ": no temporary folder\n";
        return 1;
    }
    made.setAutoRemove(false); // removed below, after the program that uses it has gone
    const std::filesystem::path folder(made.path().toStdU16String());
    qputenv("XDG_CONFIG_HOME", made.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    useOffscreenPlatform();
    int result = 0;
    {
        QApplication app(argc, argv);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, made.path());
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            result = 1;
        else
            try {
                run(folder);
            } catch (const std::exception& e) {
                std::cerr << name << ": " << e.what() << '\n';
                result = 1;
            }
        benchmark::Shutdown();
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return result;
}

} // namespace osk::bench
