#include "logdata/WholeFile.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>

namespace osk {

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
} // namespace

std::optional<std::string> readWholeFile(const std::string& path) try {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    // The size is only a hint: a log that grows while it is read is read to its current end.
    std::error_code ec;
    const std::uintmax_t hint = std::filesystem::file_size(path, ec);
    std::string data;
    size_t chunk = 1 << 20;
    if (!ec && hint > 0 && hint < data.max_size())
        chunk = static_cast<size_t>(hint) + 1;
    for (;;) {
        const size_t old = data.size();
        data.resize(old + chunk);
        const size_t got = std::fread(data.data() + old, 1, chunk, file.get());
        data.resize(old + got);
        if (got < chunk)
            break;
        chunk = 1 << 20;
    }
    if (std::ferror(file.get()))
        return std::nullopt;
    return data;
} catch (const std::bad_alloc&) {
    // A file larger than the memory left is as unreadable as a missing one.
    return std::nullopt;
} catch (const std::length_error&) {
    return std::nullopt;
}

} // namespace osk
