#include "lang/FallbackTexts.h"

#include "lang/TextNumbers.h"

#include <algorithm>
#include <array>

namespace osk {

namespace {

// The shipped english.lng gives the same texts.
constexpr std::array<BuiltinText, 51> kFallbackTexts = {{
    {kTextSavePicture, "&Save picture\u2026"},
    {kTextCopyPicture, "&Copy picture"},
    {kTextExportData, "E&xport visible data\u2026"},
    {kTextEditMenu, "&Edit"},
    {kTextNotWritten, "The file could not be written:"},
    {kTextSavePictureTitle, "Save picture"},
    {kTextExportDataTitle, "Export visible data"},
    {kTextEventsMenu, "&Events\u2026"},
    {kTextEvents, "Events"},
    {kTextDayFigures, "Day figures"},
    {kTextKind, "Kind"},
    {kTextStart, "Start"},
    {kTextEnd, "End"},
    {kTextDuration, "Duration"},
    {kTextWorstValue, "Worst value"},
    {kTextAllKinds, "All kinds"},
    {kTextAboveHighAlarm, "above high alarm"},
    {kTextBelowLowAlarm, "below low alarm"},
    {kTextFlowBelowLowAlarm, "Flow below low alarm"},
    {kTextDosingStopped, "Dosing stopped"},
    {kTextDay, "Day"},
    {kTextInView, "In view"},
    {kTextLowest, "Lowest"},
    {kTextHighest, "Highest"},
    {kTextMean, "Mean"},
    {kTextInsideBand, "Inside the alarm limits"},
    {kTextExcursions, "Excursions"},
    {kTextLongestExcursion, "Longest excursion"},
    {kTextTimeFlowLow, "Time with flow low"},
    {kTextTimeDosingStopped, "Time with dosing stopped"},
    {kTextPumpRunning, "Pump running"},
    {kTextDataCoverage, "Data coverage"},
    {kTextLongestGap, "Longest gap"},
    {kTextAlarmBands, "Alarm &bands"},
    {kTextDayReportMenu, "Day &report\u2026"},
    {kTextDayReport, "Day report"},
    {kTextFrom, "From"},
    {kTextTo, "To"},
    {kTextOperator, "Operator"},
    {kTextChecksByHand, "Checks done by hand"},
    {kTextMeasuresTaken, "Measures taken"},
    {kTextSignature, "Signature"},
    {kTextInstallation, "Installation"},
    {kTextExportEventsMenu, "Export even&ts\u2026"},
    {kTextExportDayFiguresMenu, "Export &day figures\u2026"},
    {kTextExportEvents, "Export events"},
    {kTextExportDayFigures, "Export day figures"},
    {kTextNoExcursions, "No excursions"},
    {kTextPrintReport, "Print"},
    {kTextSavePdf, "Save as PDF\u2026"},
    {kTextShowInGraph, "&Show in the graph"},
}};

} // namespace

std::span<const BuiltinText> FallbackTexts() {
    return kFallbackTexts;
}

std::string textOrFallback(const Texts& texts, int n) {
    if (!texts[n].empty())
        return texts[n];
    const auto it = std::find_if(kFallbackTexts.begin(), kFallbackTexts.end(),
                                 [n](const BuiltinText& t) { return t.number == n; });
    return it == kFallbackTexts.end() ? std::string() : std::string(it->text);
}

} // namespace osk
