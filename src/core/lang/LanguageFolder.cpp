#include "lang/LanguageFolder.h"

#include "common/FileOpen.h"
#include "common/Text.h"

#include <system_error>

namespace osk {

namespace fs = std::filesystem;

namespace {

// The file name alone, or the whole path, in UTF-8.
std::string nameOf(const fs::path& p, bool fileNameOnly = true) {
    const std::u8string n = fileNameOnly ? p.filename().u8string() : p.u8string();
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
    std::optional<ReadOnlyFile> file = ReadOnlyFile::open(nameOf(*path, false));
    if (!file)
        return std::nullopt;
    // One byte more than allowed tells a file that is too large.
    std::string bytes(static_cast<size_t>(kMaxLanguageFileBytes) + 1, '\0');
    size_t used = 0;
    while (used < bytes.size()) {
        const std::optional<size_t> got = file->read(bytes.data() + used, bytes.size() - used);
        if (!got)
            return std::nullopt;
        if (*got == 0)
            break;
        used += *got;
    }
    if (used > kMaxLanguageFileBytes)
        return std::nullopt;
    bytes.resize(used);
    return bytes;
}

} // namespace osk
