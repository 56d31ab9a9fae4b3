#include "RenderDialogs.h"

#include <algorithm>

namespace osk::render {

void RenderDialogs::message(const std::string& text, MessageIcon, const std::string&) {
    messages_.push_back(text);
}

bool RenderDialogs::askYesNo(const std::string&, const std::string&) {
    return false;
}

std::optional<std::string> RenderDialogs::chooseOpenFile(const OpenFileRequest&) {
    // A second showing comes only after the log could not be read: giving up ends the read.
    if (chosen_)
        return std::nullopt;
    chosen_ = true;
    return logFile_;
}

std::optional<int> RenderDialogs::choosePrint() {
    return std::nullopt;
}

bool RenderDialogs::shown(const std::string& text) const {
    return std::find(messages_.begin(), messages_.end(), text) != messages_.end();
}

} // namespace osk::render
