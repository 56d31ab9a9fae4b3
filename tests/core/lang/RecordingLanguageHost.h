// A language host for tests: records each call, and the table as ApplyTexts saw it.
#pragma once

#include "lang/LanguageContext.h"

#include <string>
#include <vector>

namespace osk::test {

class RecordingLanguageHost : public LanguageHost {
public:
    explicit RecordingLanguageHost(const Texts& texts) : texts_(texts) {}

    void ApplyTexts() override {
        calls.push_back("ApplyTexts");
        applied.push_back(texts_);
    }
    void checkEnglishMenu() override { calls.push_back("checkEnglishMenu"); }

    std::vector<std::string> calls;
    std::vector<Texts> applied; // a copy of the table at each ApplyTexts

private:
    const Texts& texts_;
};

} // namespace osk::test
