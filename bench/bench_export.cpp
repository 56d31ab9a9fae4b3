// The window's Save picture (PNG) and Copy picture commands on a full log with every series
// drawn at 1600 x 900, from the menu entry to the file written or the clipboard filled, on the
// offscreen platform.
#include "LogGenerator.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/QtSettingsStore.h"
#include "app/Startup.h"
#include "graph/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>

namespace {

// The Open dialog answers with the log, the Save dialog with the picture's path as a PNG.
class Answers final : public osk::Dialogs {
public:
    Answers(std::string log, std::string picture)
        : log_(std::move(log)), picture_(std::move(picture)) {}
    void message(const std::string& text, osk::MessageIcon, const std::string&) override {
        std::cerr << "bench_export: " << text << '\n';
    }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> chooseOpenFile(const osk::OpenFileRequest&) override { return log_; }
    std::optional<osk::SaveFileChoice> chooseSaveFile(const osk::SaveFileRequest&) override {
        return osk::SaveFileChoice{picture_, 1};
    }
    std::optional<int> choosePrint() override { return std::nullopt; }

private:
    std::string log_;
    std::string picture_;
};

class NoClock final : public osk::Clock {
public:
    int currentSecond() const override { return 0; }
};

struct Window {
    explicit Window(const std::filesystem::path& folder)
        : dialogs((folder / "log.csv").string(), (folder / "picture.png").string()),
          services{settings, dialogs, clock, std::filesystem::path(OSK_LANG_DIR)} {
        osk::genlog::LogOptions log;
        log.records = osk::kMaxRecords;
        std::ofstream(folder / "log.csv", std::ios::binary) << osk::genlog::generateLog(log);
        settings.RegWrite(osk::settings::kLanguage, "english.lng");
        settings.RegWrite(osk::settings::kColor, "True");
        settings.RegWrite(osk::settings::kSystem, "Chloor");
        window = osk::StartProgram(state, services, true);
        const osk::MainWindowControls& c = window->controls();
        window->resize(window->size() + QSize(1602, 902) - c.pGraph->size());
        c.mnuOpenFile->trigger();
        // Every group and every sub-series, over the longest span.
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

    osk::QtSettingsStore settings;
    Answers dialogs;
    NoClock clock;
    osk::ProgramServices services;
    osk::ProgramState state;
    std::unique_ptr<osk::frmMain> window;
};

void SavePictureAsPng(benchmark::State& state, Window& w) {
    for (auto _ : state)
        w.window->controls().mnuSavePicture->trigger();
    state.counters["pixels"] =
        w.window->controls().client->width() * w.window->controls().Frame5->y();
}

void CopyPicture(benchmark::State& state, Window& w) {
    for (auto _ : state)
        w.window->controls().mnuCopyPicture->trigger();
}

} // namespace

int main(int argc, char** argv) {
    std::string pattern = (std::filesystem::temp_directory_path() / "osk-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::cerr << "bench_export: no temporary folder\n";
        return 1;
    }
    const std::filesystem::path folder(pattern);
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int result = 0;
    {
        QApplication app(argc, argv);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(folder.string()));
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
            result = 1;
        } else {
            Window window(folder);
            benchmark::RegisterBenchmark("SavePictureAsPng", SavePictureAsPng, std::ref(window))
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("CopyPicture", CopyPicture, std::ref(window))
                ->Unit(benchmark::kMillisecond);
            benchmark::RunSpecifiedBenchmarks();
        }
        benchmark::Shutdown();
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return result;
}
