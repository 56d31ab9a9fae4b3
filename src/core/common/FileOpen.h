// Opening files by their UTF-8 names: the one place that knows how each platform opens a file.
// Only regular files are opened, and opening never blocks (a named pipe without a writer, a
// device, a folder are refused, not waited on).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace osk {

class ReadOnlyFile {
public:
    // The file named by utf8Name, opened for reading; nullopt when it is missing, unreadable or
    // not a regular file.
    static std::optional<ReadOnlyFile> open(const std::string& utf8Name);

    ReadOnlyFile(ReadOnlyFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    ReadOnlyFile& operator=(ReadOnlyFile&&) = delete;
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ~ReadOnlyFile();

    // Reads up to size bytes at the current position; 0 at the end, nullopt on a read error.
    std::optional<size_t> read(char* buffer, size_t size);
    // Reads up to size bytes from offset on, leaving the current position where it was not
    // promised; 0 at or past the end, nullopt on a read error.
    std::optional<size_t> readAt(uint64_t offset, char* buffer, size_t size);
    // The file's size now; nullopt when it cannot be told.
    std::optional<uint64_t> size() const;

private:
    explicit ReadOnlyFile(int fd) : fd_(fd) {}
    int fd_;
};

// True when utf8Name names a regular file that can be opened for reading.
bool isReadableFile(const std::string& utf8Name);

} // namespace osk
