// Strict whole-number options for the command-line tools: the whole text must be the number,
// and it must lie in the option's range.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace osk::tools {

template <typename T> std::optional<T> parseWholeNumber(std::string_view text, T lo, T hi) {
    T v{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

} // namespace osk::tools
