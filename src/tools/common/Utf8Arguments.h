// The command line's arguments in UTF-8, the program's encoding for file names. On Windows the
// char arguments of main are in the 8-bit code page, which cannot hold every name: they are
// taken from the wide command line instead.
#pragma once

#include "WholeNumber.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

namespace osk::tools {

// The arguments after the program's name.
inline std::vector<std::string> utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) {
        const int bytes =
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(bytes > 0 ? static_cast<size_t>(bytes) : 1, '\0');
        if (bytes > 0)
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), bytes, nullptr, nullptr);
        arg.pop_back(); // the terminating zero
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    return args;
#else
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
#endif
}

// A command line walked one argument at a time; an option takes its value from the argument
// after it.
class ArgumentWalk {
public:
    explicit ArgumentWalk(std::vector<std::string> args) : args_(std::move(args)) {}

    // The next argument; false when there are no more.
    bool next(std::string_view& arg) {
        if (at_ >= args_.size())
            return false;
        arg = args_[at_++];
        return true;
    }
    // The option's value, taken from the line; nullopt when the line ends.
    std::optional<std::string_view> value() {
        if (at_ >= args_.size())
            return std::nullopt;
        return std::string_view(args_[at_++]);
    }
    // The option's value as a whole number from lo to hi; nullopt when it is not one.
    std::optional<int64_t> number(int64_t lo, int64_t hi) {
        const auto v = value();
        return v ? parseWholeNumber<int64_t>(*v, lo, hi) : std::nullopt;
    }

private:
    std::vector<std::string> args_;
    size_t at_ = 0;
};

} // namespace osk::tools
