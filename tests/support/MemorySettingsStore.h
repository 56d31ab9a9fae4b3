// A settings store in memory, for core tests that only need values to come back as written.
#pragma once

#include "common/SettingsStore.h"

#include <map>
#include <string>

namespace osk::test {

class MemorySettingsStore : public SettingsStore {
public:
    std::string RegRead(const std::string& path) override {
        const auto it = values.find(path);
        return it == values.end() ? std::string() : it->second;
    }
    void RegWrite(const std::string& path, const std::string& value) override { values[path] = value; }

    std::map<std::string, std::string> values;
};

} // namespace osk::test
