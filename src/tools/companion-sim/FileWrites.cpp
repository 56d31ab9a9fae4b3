#include "FileWrites.h"

#include "common/Utf8Path.h"

#include <chrono>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace osk::companionsim {

namespace {
constexpr int kRenameRetries = 50;
constexpr std::chrono::milliseconds kRenameRetryWait{20};
} // namespace

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.flush();
    if (!out)
        throw std::runtime_error("cannot write " + utf8Name(path));
}

void replaceFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::path temporary = path;
    temporary.replace_filename(pathFromUtf8("." + utf8Name(path.filename()) + ".new"));
    writeFile(temporary, bytes);
    // On Windows a file that another program has open cannot be replaced until it is closed. A
    // reader holds the live file for a moment only: try again for up to a second.
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    for (int retry = 0; ec && retry < kRenameRetries; ++retry) {
        std::this_thread::sleep_for(kRenameRetryWait);
        std::filesystem::rename(temporary, path, ec);
    }
    if (ec) {
        const std::string why = ec.message();
        std::filesystem::remove(temporary, ec);
        throw std::runtime_error("cannot replace " + utf8Name(path) + ": " + why);
    }
}

} // namespace osk::companionsim
