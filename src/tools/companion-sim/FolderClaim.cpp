#include "FolderClaim.h"

#include "FileWrites.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <system_error>

namespace osk::companionsim {

namespace {

namespace fs = std::filesystem;

// The names the marker lists; lines starting with '#' are comments.
std::set<std::string> claimedNames(const fs::path& folder) {
    std::set<std::string> names;
    std::ifstream in(folder / kMarkerName, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() != '#')
            names.insert(line);
    }
    return names;
}

bool isCsvName(const fs::path& name) {
    std::string ext = name.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return ext == ".csv";
}

// A file is the simulator's own when the marker lists it and it is still the plain file that
// was written: a link put in its place may lead to anyone's data.
bool isOwn(const std::set<std::string>& claimed, const std::string& name, fs::file_status st) {
    return claimed.contains(name) && fs::is_regular_file(st);
}

} // namespace

std::vector<std::string> foreignCompanionFiles(const fs::path& folder) {
    std::vector<std::string> foreign;
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(folder, ec)))
        return foreign;
    const std::set<std::string> claimed = claimedNames(folder);

    const fs::file_status realtime = fs::symlink_status(folder / kRealtimeName, ec);
    if (fs::exists(realtime) && !isOwn(claimed, kRealtimeName, realtime))
        foreign.push_back(kRealtimeName);

    const fs::path logs = folder / kLogFolderName;
    const fs::file_status logsStatus = fs::symlink_status(logs, ec);
    if (!fs::exists(logsStatus))
        return foreign;
    if (!fs::is_directory(logsStatus)) {
        // Not a folder of logs the simulator made, and nothing it could write its logs into.
        foreign.push_back(kLogFolderName);
        return foreign;
    }
    fs::directory_iterator it(logs, ec);
    if (ec) {
        foreign.push_back(kLogFolderName);
        return foreign;
    }
    std::vector<std::string> logsFound;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::file_status st = it->symlink_status(ec);
        if (ec)
            break;
        if (fs::is_directory(st) || !isCsvName(it->path().filename()))
            continue;
        const std::string name =
            std::string(kLogFolderName) + "/" + it->path().filename().generic_string();
        if (!isOwn(claimed, name, st))
            logsFound.push_back(name);
    }
    if (ec)
        logsFound.push_back(kLogFolderName);
    std::sort(logsFound.begin(), logsFound.end());
    foreign.insert(foreign.end(), logsFound.begin(), logsFound.end());
    return foreign;
}

void claimFiles(const fs::path& folder, const std::vector<std::string>& names) {
    std::set<std::string> claimed;
    // Names of files that are gone are dropped, so that the list does not grow day by day.
    std::error_code ec;
    for (const std::string& name : claimedNames(folder))
        if (fs::exists(fs::symlink_status(folder / name, ec)))
            claimed.insert(name);
    claimed.insert(names.begin(), names.end());
    std::string text = "# Files written by osk-companion-sim, which may write them again. A "
                       "companion file\n# in this folder that is not listed here makes the "
                       "simulator leave the folder alone.\n";
    for (const std::string& name : claimed)
        text += name + "\n";
    replaceFile(folder / kMarkerName, text);
}

} // namespace osk::companionsim
