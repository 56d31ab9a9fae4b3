#include "common/FileOpen.h"

#include "common/Utf8Path.h"

#include <climits>
#include <cstdint>
#include <limits>

#ifdef _WIN32
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace osk {

#ifdef _WIN32

namespace {
std::wstring widePath(const std::string& utf8Name) {
    return pathFromUtf8(utf8Name).wstring();
}
} // namespace

std::optional<ReadOnlyFile> ReadOnlyFile::open(const std::string& utf8Name) {
    if (utf8Name.empty())
        return std::nullopt;
    std::wstring wide;
    try {
        wide = widePath(utf8Name);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    // Shared for writing, renaming and deleting, as files are on Linux: the companion must be
    // able to append to its live file, or replace it, while a refresh is reading it. Opening a
    // pipe or a console for reading does not wait; its type is checked on the handle.
    const HANDLE handle = ::CreateFileW(wide.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        return std::nullopt;
    }
    ReadOnlyFile file(fd);
    struct _stat64 info {};
    if (::GetFileType(handle) != FILE_TYPE_DISK || ::_fstat64(fd, &info) != 0 ||
        (info.st_mode & _S_IFMT) != _S_IFREG)
        return std::nullopt;
    return file;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0)
        ::_close(fd_);
}

std::optional<size_t> ReadOnlyFile::read(char* buffer, size_t size) {
    const unsigned int n = size > INT_MAX ? INT_MAX : static_cast<unsigned int>(size);
    const int got = ::_read(fd_, buffer, n);
    if (got < 0)
        return std::nullopt;
    return static_cast<size_t>(got);
}

std::optional<size_t> ReadOnlyFile::readAt(uint64_t offset, char* buffer, size_t size) {
    if (offset > static_cast<uint64_t>(INT64_MAX) ||
        ::_lseeki64(fd_, static_cast<__int64>(offset), SEEK_SET) < 0)
        return std::nullopt;
    return read(buffer, size);
}

std::optional<uint64_t> ReadOnlyFile::size() const {
    struct _stat64 info {};
    if (::_fstat64(fd_, &info) != 0 || info.st_size < 0)
        return std::nullopt;
    return static_cast<uint64_t>(info.st_size);
}

#else

std::optional<ReadOnlyFile> ReadOnlyFile::open(const std::string& utf8Name) {
    if (utf8Name.empty())
        return std::nullopt;
    // O_NONBLOCK: a named pipe without a writer opens at once and is then refused by its type.
    int fd = -1;
    do {
        fd = ::open(utf8Name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return std::nullopt;
    ReadOnlyFile file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return file;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::optional<size_t> ReadOnlyFile::read(char* buffer, size_t size) {
    const size_t n = size > SSIZE_MAX ? SSIZE_MAX : size;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, n);
        if (got >= 0)
            return static_cast<size_t>(got);
        if (errno != EINTR)
            return std::nullopt;
    }
}

std::optional<size_t> ReadOnlyFile::readAt(uint64_t offset, char* buffer, size_t size) {
    if (offset > static_cast<uint64_t>(std::numeric_limits<off_t>::max()))
        return std::nullopt;
    const size_t n = size > SSIZE_MAX ? SSIZE_MAX : size;
    for (;;) {
        const ssize_t got = ::pread(fd_, buffer, n, static_cast<off_t>(offset));
        if (got >= 0)
            return static_cast<size_t>(got);
        if (errno != EINTR)
            return std::nullopt;
    }
}

std::optional<uint64_t> ReadOnlyFile::size() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || info.st_size < 0)
        return std::nullopt;
    return static_cast<uint64_t>(info.st_size);
}

#endif

bool isReadableFile(const std::string& utf8Name) {
    return ReadOnlyFile::open(utf8Name).has_value();
}

} // namespace osk
