// osk-genlog: writes a sample log in the companion's format to a file or to standard output.
#include "LogGenerator.h"
#include "Utf8Arguments.h"
#include "WholeNumber.h"
#include "common/Utf8Path.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "usage: osk-genlog [options]\n"
    "  --records N          number of records (default 8640, one day)\n"
    "  --start \"YYYY-MM-DD hh:mm:ss\"  time of the first record (default 2024-03-01 00:00:00)\n"
    "  --seed S             seed of the simulated installation (default 1)\n"
    "  --name NAME          installation name in the header, after the $%^ marker\n"
    "  --gap-after R        after record R the clock jumps ahead ...\n"
    "  --gap-minutes M      ... by M minutes more than the usual 10 seconds\n"
    "  --wide-line R        record R gets 31 fields, which the reader refuses\n"
    "  --crlf | --lf        line ends (default --crlf)\n"
    "  -o FILE              write to FILE instead of standard output\n";

constexpr int64_t kMaxRecordsOption = 100'000'000;

int fail(const std::string& message) {
    std::cerr << "osk-genlog: " << message << "\n" << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    osk::genlog::LogOptions options;
    std::string output;
    osk::tools::ArgumentWalk args(osk::tools::utf8Arguments(argc, argv));
    for (std::string_view arg; args.next(arg);) {
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--crlf") {
            options.crlf = true;
        } else if (arg == "--lf") {
            options.crlf = false;
        } else if (arg == "--records" || arg == "--gap-after" || arg == "--gap-minutes" ||
                   arg == "--wide-line") {
            const auto v = args.number(0, kMaxRecordsOption);
            if (!v)
                return fail(std::string(arg) + " needs a whole number from 0 to 100000000");
            (arg == "--records"       ? options.records
             : arg == "--gap-after"   ? options.gapAfter
             : arg == "--gap-minutes" ? options.gapMinutes
                                      : options.wideLine) = *v;
        } else if (arg == "--seed") {
            const auto v = args.value();
            const auto seed = v ? osk::tools::parseWholeNumber<uint64_t>(
                                      *v, 0, std::numeric_limits<uint64_t>::max())
                                : std::optional<uint64_t>();
            if (!seed)
                return fail("--seed needs a whole number");
            options.seed = *seed;
        } else if (arg == "--start") {
            const auto v = args.value();
            if (!v || !osk::genlog::parseDateTime(*v))
                return fail("--start needs a date-time \"YYYY-MM-DD hh:mm:ss\"");
            options.start = std::string(*v);
        } else if (arg == "--name") {
            const auto v = args.value();
            if (!v || v->find_first_of("\r\n") != std::string_view::npos)
                return fail("--name needs a name on one line");
            options.name = std::string(*v);
            if (v->size() > 36)
                std::cerr << "osk-genlog: warning: a name longer than 36 characters is not "
                             "found by the reader\n";
        } else if (arg == "-o") {
            const auto v = args.value();
            if (!v || v->empty())
                return fail("-o needs a file name");
            output = std::string(*v);
        } else {
            return fail("unknown option " + std::string(arg));
        }
    }

    std::ofstream file;
    if (!output.empty()) {
        file.open(osk::pathFromUtf8(output), std::ios::binary);
        if (!file)
            return fail("cannot write " + output);
    }
    std::ostream& out = output.empty() ? std::cout : file;
    osk::genlog::LogGenerator gen(options);
    out << gen.header();
    std::string chunk;
    while (gen.appendRecord(chunk)) {
        if (chunk.size() > (1 << 16)) {
            out << chunk;
            chunk.clear();
        }
    }
    out << chunk;
    out.flush();
    if (!out)
        return fail("writing failed");
    return 0;
}
