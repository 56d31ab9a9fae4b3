// The log reader: reads one log file into the record table and tells the user about empty,
// foreign, oversized and unreadable files.
#pragma once

#include "common/Dialogs.h"
#include "common/SettingsStore.h"
#include "lang/Texts.h"
#include "logdata/LogParse.h"
#include "logdata/ReaderHost.h"
#include "logdata/RecordTable.h"

#include <string>

namespace osk {

struct ReaderOptions {
    ParseOptions parse;
    // A file with more record lines than the table holds gives its newest records instead of
    // its first ones, and no message says that records were skipped.
    bool newestEnd = false;
};

class FileReader {
public:
    FileReader(RecordTable& table, const Texts& texts, Dialogs& dialogs, SettingsStore& settings,
               ReaderHost& host, ReaderOptions options = {})
        : table_(table), texts_(texts), dialogs_(dialogs), settings_(settings), host_(host),
          options_(options) {}

    // Reads the file into the table. The outcome is left in FileLoaded, RecordCount and the
    // rest of the table. A file that cannot be read (real-time mode off) leads the user to
    // choose another one, which is then read the same way, until a read ends.
    void readFile(const std::string& name);

private:
    enum class Step { Done, TryAnother };
    Step readOnce(const std::string& name);

    RecordTable& table_;
    const Texts& texts_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    ReaderHost& host_;
    ReaderOptions options_;
};

} // namespace osk
