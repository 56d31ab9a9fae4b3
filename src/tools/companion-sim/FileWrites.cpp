#include "FileWrites.h"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace osk::companionsim {

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.flush();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void replaceFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::path temporary = path;
    temporary.replace_filename("." + path.filename().string() + ".new");
    writeFile(temporary, bytes);
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        const std::string why = ec.message();
        std::filesystem::remove(temporary, ec);
        throw std::runtime_error("cannot replace " + path.string() + ": " + why);
    }
}

} // namespace osk::companionsim
