// Log bytes in memory for both readers, counting what was read. The bytes may be replaced by
// the next version after each size query, as when the companion trims its file between the
// reader's look at its size and its reads.
#pragma once

#include "logdata/BoundedRead.h"
#include "logdata/TailRead.h"

#include <algorithm>
#include <string>
#include <vector>

namespace osk::test {

class MemorySource : public ByteSource, public RandomAccessSource {
public:
    explicit MemorySource(std::vector<std::string> versions) : versions_(std::move(versions)) {}
    std::optional<uint64_t> size() override {
        const uint64_t n = versions_[version_].size();
        version_ = std::min(version_ + 1, versions_.size() - 1);
        return n;
    }
    std::optional<size_t> readAt(uint64_t offset, char* buffer, size_t size) override {
        const std::string& bytes = versions_[version_];
        const size_t n = std::min<uint64_t>(size, bytes.size() - std::min(offset, bytes.size()));
        std::copy_n(bytes.data() + std::min(offset, bytes.size()), n, buffer);
        bytesRead += n;
        return n;
    }
    std::optional<size_t> read(char* buffer, size_t size) override {
        return readAt(bytesRead, buffer, size);
    }
    uint64_t bytesRead = 0;

private:
    std::vector<std::string> versions_;
    size_t version_ = 0;
};

} // namespace osk::test
