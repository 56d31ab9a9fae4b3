#include "lang/LanguageFolder.h"

#include "common/Text.h"

#include <fstream>
#include <system_error>

namespace osk {

namespace fs = std::filesystem;

namespace {

std::string nameOf(const fs::path& p) {
    const std::u8string n = p.filename().u8string();
    return std::string(n.begin(), n.end());
}

} // namespace

std::optional<fs::path> findLanguageFile(const fs::path& folder, const std::string& name) {
    if (name.empty())
        return std::nullopt;
    std::optional<fs::path> folded;
    std::string foldedName;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        const std::string candidate = nameOf(it->path());
        if (candidate == name)
            return it->path();
        if (equalsIgnoreCase(candidate, name) && (!folded || candidate < foldedName)) {
            folded = it->path();
            foldedName = candidate;
        }
    }
    if (ec)
        return std::nullopt;
    return folded;
}

std::optional<std::string> readLanguageFile(const fs::path& folder, const std::string& name) {
    const std::optional<fs::path> path = findLanguageFile(folder, name);
    if (!path)
        return std::nullopt;
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(*path, ec);
    if (ec || size > kMaxLanguageFileBytes)
        return std::nullopt;
    std::ifstream in(*path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

} // namespace osk
