// Cutting a text into lines: a line ends at CR LF, LF or a lone CR, whichever comes first; a
// line end at the very end of the text does not start another, empty line. The log reader and
// the language files follow this one rule.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace osk {

// Cuts a text into lines at CR LF, LF or CR. A line end at the very end does not start another
// line. The next CR and the next LF are remembered, so a file with only one kind of line end is
// not searched to its end for the other kind on every line.
class LineCutter {
public:
    explicit LineCutter(std::string_view text)
        : text_(text), nextLf_(findFrom(text, 0, '\n')), nextCr_(findFrom(text, 0, '\r')) {}

    // The next line; false when the text is used up. terminated tells whether a line end
    // followed it.
    bool next(std::string_view& line, bool& terminated) {
        if (pos_ >= text_.size())
            return false;
        if (nextLf_ < pos_)
            nextLf_ = findFrom(text_, pos_, '\n');
        if (nextCr_ < pos_)
            nextCr_ = findFrom(text_, pos_, '\r');
        const size_t end = std::min(nextLf_, nextCr_);
        line = text_.substr(pos_, end - pos_);
        terminated = end < text_.size();
        pos_ = terminated ? end + 1 : end;
        if (terminated && text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        ++lines_;
        return true;
    }

    // 1-based number of the line returned last.
    int64_t lineNumber() const { return lines_; }

private:
    // Position of the first c in text[from..), or text.size() when there is none.
    static size_t findFrom(std::string_view text, size_t from, char c) {
        if (from >= text.size())
            return text.size();
        const void* hit = std::memchr(text.data() + from, c, text.size() - from);
        return hit == nullptr ? text.size()
                              : static_cast<size_t>(static_cast<const char*>(hit) - text.data());
    }

    std::string_view text_;
    size_t pos_ = 0;
    size_t nextLf_;
    size_t nextCr_;
    int64_t lines_ = 0;
};

// The lines of a text, without their ends. The views point into text.
inline std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    LineCutter cutter(text);
    std::string_view line;
    bool terminated = false;
    while (cutter.next(line, terminated))
        lines.push_back(line);
    return lines;
}

} // namespace osk
