#include "logdata/FileReader.h"

#include "common/Text.h"
#include "lang/TextNumbers.h"
#include "logdata/BoundedRead.h"
#include "logdata/TailRead.h"

namespace osk {

namespace {

// Fewer records than this do not make a usable log.
inline constexpr int32_t kMinUsableRecords = 3;

inline constexpr const char* kApplicationTitle = ""; // the dialogs show the application title
} // namespace

void FileReader::readFile(const std::string& name) {
    // Each unreadable file sends the user to the chooser; a loop keeps the stack flat however
    // many times that happens.
    std::string current = name;
    while (readOnce(current) == Step::TryAnother)
        current = host_.SelectLogFile();
}

FileReader::Step FileReader::readOnce(const std::string& name) {
    table_.LogSource = clsOSK{};
    host_.setRecordsCaption("Records: 0");
    if (name.empty()) {
        table_.FileLoaded = false;
        return Step::Done;
    }

    const auto failed = [this] {
        table_.FileLoaded = false;
        // The next refresh tries again; a message every 30 seconds would help nobody.
        if (table_.RealtimeOn)
            return Step::Done;
        dialogs_.message(texts_[kTextSelectValidFile], MessageIcon::None, kApplicationTitle);
        return Step::TryAnother;
    };

    const LogBytes content =
        options_.newestEnd ? readLogFileTail(name, options_.parse) : readLogFile(name);
    if (content.status != LogBytesStatus::Ok)
        return failed();
    const ParseResult result = parseLog(content.bytes, table_, options_.parse);
    if (result.outcome == ParseOutcome::EmptyFile) {
        dialogs_.message(texts_[kTextFileEmpty], MessageIcon::Critical, kApplicationTitle);
        table_.FileLoaded = false;
        return Step::Done;
    }
    if (result.outcome == ParseOutcome::BadHeader) {
        dialogs_.message(texts_[kTextInvalidFile], MessageIcon::Critical, kApplicationTitle);
        table_.FileLoaded = false;
        return Step::Done;
    }

    table_.LogSource.save(result.hasName ? result.name : texts_[kTextUnknownName],
                          std::string(trimBlanks(name)));
    // While real-time mode is on the caption keeps saying so.
    host_.setWindowCaption(
        WindowCaption(texts_, table_.RealtimeOn ? CaptionState::RealTime : CaptionState::Plain));
    if (result.outcome == ParseOutcome::ReadFailure)
        return failed();
    // A file followed at its newest end leaves only its oldest records out, on purpose: no
    // message, which would come back at every refresh.
    if (result.tooBig && !options_.newestEnd)
        dialogs_.message(texts_[kTextTooBig], MessageIcon::Information, kApplicationTitle);

    if (table_.RecordCount < kMinUsableRecords) {
        table_.FileLoaded = false;
        return Step::Done;
    }
    table_.ViewEndRecord = table_.RecordCount - 1;
    table_.FileLoaded = true;
    host_.setRecordsCaption("Records: " + std::to_string(table_.RecordCount));
    return Step::Done;
}

} // namespace osk
