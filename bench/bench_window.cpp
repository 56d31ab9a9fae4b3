// A full log opened and drawn through the real main window on the offscreen platform: the
// Open File command from the chooser's answer to the shown picture, and the window's redraw of
// every series alone. bench_redraw's surface that draws nothing gives the engine's own share.
#include "LogGenerator.h"
#include "app/MainWindowControls.h"
#include "app/ProgramState.h"
#include "app/QtSettingsStore.h"
#include "app/Startup.h"
#include "graph/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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

constexpr int kWidth = 1600;
constexpr int kHeight = 900;

// Every chooser answers with the benchmark's log; messages (the log fills the table) pass.
class AnswerWithLog final : public osk::Dialogs {
public:
    explicit AnswerWithLog(std::string log) : log_(std::move(log)) {}
    void message(const std::string&, osk::MessageIcon, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> chooseOpenFile(const osk::OpenFileRequest&) override { return log_; }
    std::optional<osk::SaveFileChoice> chooseSaveFile(const osk::SaveFileRequest&) override {
        return std::nullopt;
    }
    std::optional<int> choosePrint() override { return std::nullopt; }

private:
    std::string log_;
};

class NoClock final : public osk::Clock {
public:
    int currentSecond() const override { return 0; }
};

// The program with a full log on screen: every series on, 192 hours, the plot 1600 x 900.
struct Program {
    explicit Program(const std::filesystem::path& folder)
        : dialogs((folder / "log.csv").string()), services{settings, dialogs, clock,
                                                           std::filesystem::path(OSK_LANG_DIR)} {
        osk::genlog::LogOptions options;
        options.records = osk::kMaxRecords;
        std::ofstream(folder / "log.csv", std::ios::binary) << osk::genlog::generateLog(options);
        settings.RegWrite(osk::settings::kLanguage, "english.lng");
        settings.RegWrite(osk::settings::kColor, "True");
        settings.RegWrite(osk::settings::kSystem, "Chloor");
        window = osk::StartProgram(state, services, true);
        const osk::MainWindowControls& c = window->controls();
        const QSize plot(kWidth + 2 * osk::PictureBox::kBorder,
                         kHeight + 2 * osk::PictureBox::kBorder);
        window->resize(window->size() + plot - c.pGraph->size());
        c.mnuOpenFile->trigger();
        for (size_t g = 0; g < c.chkItem.size(); ++g) {
            c.chkItem[g]->setChecked(true);
            c.cmdItem[g]->click();
            for (size_t k = 1; k < c.chkItems2.size(); ++k)
                if (!c.chkItems2[k]->isHidden())
                    c.chkItems2[k]->setChecked(true);
        }
        c.Command4->click();
        c.Xas->setCurrentIndex(0);
        c.cmbGridX->setCurrentIndex(0);
    }

    osk::QtSettingsStore settings;
    AnswerWithLog dialogs;
    NoClock clock;
    osk::ProgramServices services;
    osk::ProgramState state;
    std::unique_ptr<osk::frmMain> window;
};

void OpenLogInWindow(benchmark::State& state, Program& program) {
    const osk::MainWindowControls& c = program.window->controls();
    for (auto _ : state) {
        c.mnuOpenFile->trigger();
        // The window shows the new picture.
        QCoreApplication::processEvents();
    }
    state.counters["records"] = program.state.records.RecordCount;
}

void RedrawInWindow(benchmark::State& state, Program& program) {
    for (auto _ : state) {
        program.window->requestRedraw();
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char** argv) {
    // A settings folder of the benchmark's own, and no display.
    std::string pattern = (std::filesystem::temp_directory_path() / "osk-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::cerr << "bench_window: no temporary folder\n";
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
            Program program(folder);
            benchmark::RegisterBenchmark("OpenLogInWindow", OpenLogInWindow, std::ref(program))
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("RedrawInWindow", RedrawInWindow, std::ref(program))
                ->Unit(benchmark::kMillisecond);
            benchmark::RunSpecifiedBenchmarks();
        }
        benchmark::Shutdown();
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return result;
}
