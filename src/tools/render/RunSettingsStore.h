// The settings of one run of the tool, held in memory: the window reads and writes them as it
// would the user's, but nothing reaches a file, so no run waits for a disk to confirm a write.
#pragma once

#include "common/SettingsStore.h"

#include <map>
#include <string>

namespace osk::render {

class RunSettingsStore final : public SettingsStore {
public:
    std::string RegRead(const std::string& path) override {
        const auto it = values_.find(path);
        return it == values_.end() ? std::string() : it->second;
    }
    void RegWrite(const std::string& path, const std::string& value) override {
        values_[path] = value;
    }

private:
    std::map<std::string, std::string> values_;
};

} // namespace osk::render
