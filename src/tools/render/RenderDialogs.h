// The prompts of a run without a user: the chooser answers with the log to draw once and is
// cancelled after that, questions are answered No, messages are kept for the report.
#pragma once

#include "common/Dialogs.h"

#include <string>
#include <vector>

namespace osk::render {

class RenderDialogs final : public Dialogs {
public:
    explicit RenderDialogs(std::string logFile) : logFile_(std::move(logFile)) {}

    void message(const std::string& text, MessageIcon icon, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) override;
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest&) override {
        return std::nullopt;
    }
    std::optional<int> choosePrint() override;

    // Texts of the messages shown, in order.
    const std::vector<std::string>& messages() const { return messages_; }
    bool shown(const std::string& text) const;

private:
    std::string logFile_;
    bool chosen_ = false;
    std::vector<std::string> messages_;
};

} // namespace osk::render
