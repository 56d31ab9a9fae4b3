// Name/path pairs of where a log came from: the installation name from the header line and
// the file path.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace osk {

class clsOSK {
public:
    void save(const std::string& Name, const std::string& path) {
        names_.push_back(Name);
        paths_.push_back(path);
    }
    // The first saved name and path; "" when nothing is saved.
    std::string Name() const { return names_.empty() ? std::string() : names_.front(); }
    std::string path() const { return paths_.empty() ? std::string() : paths_.front(); }
    int32_t count() const { return static_cast<int32_t>(names_.size()); }

private:
    std::vector<std::string> names_;
    std::vector<std::string> paths_;
};

} // namespace osk
