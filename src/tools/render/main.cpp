// osk-graphs-render: draws a log the way the main window shows it and writes the picture as a
// PNG, without a display and without a user. Every option drives one control of the window.
#include "RenderOptions.h"
#include "RenderRun.h"
#include "ScratchSettings.h"
#include "Utf8Arguments.h"
#include "app/OffscreenPlatform.h"
#include "common/Utf8Path.h"

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kTool = "osk-graphs-render: ";

int usageError(const std::string& message) {
    std::cerr << kTool << message << " (see --help)\n";
    return osk::render::kExitUsage;
}

// The tool speaks for itself on its error output; Qt's own remarks about the platform it runs
// on (no display, no runtime folder) would only bury that line.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << kTool << message.toStdString() << '\n';
}

bool isFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(osk::pathFromUtf8(path), ec);
}

// Why a name given as a file cannot be read as one.
const char* notAFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(osk::pathFromUtf8(path), ec) ? "not a regular file"
                                                                : "no such file";
}

} // namespace

int main(int argc, char** argv) {
    using namespace osk::render;
    const std::vector<std::string> args = osk::tools::utf8Arguments(argc, argv);
    const auto parsed = parseRenderOptions(args);
    if (const auto* error = std::get_if<OptionError>(&parsed))
        return usageError(error->message);
    const RenderOptions& options = std::get<RenderOptions>(parsed);
    if (options.help) {
        std::cout << kRenderUsage;
        return kExitOk;
    }
    if (!isFile(options.logFile)) {
        std::cerr << kTool << options.logFile << ": " << notAFile(options.logFile) << "\n";
        return kExitFailed;
    }
    if (options.languageFile && !isFile(*options.languageFile))
        return usageError("--lang " + *options.languageFile + ": " +
                          notAFile(*options.languageFile));

    std::optional<ScratchSettings> scratch = ScratchSettings::create();
    if (!scratch) {
        std::cerr << kTool << "cannot make a temporary settings folder\n";
        return kExitFailed;
    }
    scratch->useForThisProcess();
    // No display is needed, unless the caller asks for a platform of their own.
    osk::useOffscreenPlatform();

    qInstallMessageHandler(keepQtQuiet);
    // Qt sees none of the tool's own arguments.
    int qtArgc = 1;
    char name[] = "osk-graphs-render";
    char* qtArgv[] = {name, nullptr};
    QApplication app(qtArgc, qtArgv);
    scratch->useForQtSettings();
    // The platform is loaded by now, and the tool reads no pictures in other formats than the
    // built-in ones: no further plugin folder needs to be searched and loaded.
    QCoreApplication::setLibraryPaths({});

    std::filesystem::path languageFolder =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String());
    if (options.languageFile) {
        languageFolder =
            std::filesystem::absolute(osk::pathFromUtf8(*options.languageFile)).parent_path();
    }
    return runRender(options, languageFolder, std::cerr);
}
