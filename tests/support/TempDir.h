// A fresh temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace osk::test {

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        do
            path_ = std::filesystem::temp_directory_path() /
                    ("osk-test-" + std::to_string(rd()) + std::to_string(rd()));
        while (!std::filesystem::create_directory(path_));
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes bytes to a file in the folder and returns its full path.
    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const auto p = path_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }

private:
    std::filesystem::path path_;
};

} // namespace osk::test
