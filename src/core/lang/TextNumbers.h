// The numbers of the texts the program looks up by name in its text table (see Texts.h), one
// place for all of them so that a caption or message is never wired to two different numbers.
#pragma once

namespace osk {

// Lists and captions.
inline constexpr int kTextHour = 15;
inline constexpr int kTextMinutes = 16;
inline constexpr int kTextRealTime = 52;
inline constexpr int kTextVersion = 57;
inline constexpr int kTextNotice = 58;

// Product systems.
inline constexpr int kTextPeroxide = 17;
inline constexpr int kTextFreeChlorine = 74;
inline constexpr int kTextTarvox = 75;

// Series names and their states.
inline constexpr int kTextLowAlarm = 18;
inline constexpr int kTextHighAlarm = 19;
inline constexpr int kTextSetpoint = 20;
inline constexpr int kTextPump = 21;
inline constexpr int kTextPh = 22;
inline constexpr int kTextFlow = 23;
inline constexpr int kTextDosingStop = 24;
inline constexpr int kTextCell = 26;
inline constexpr int kTextActive = 27;
inline constexpr int kTextNull = 28;
inline constexpr int kTextRinse = 29;
inline constexpr int kTextEmpty = 30;
inline constexpr int kTextCirculation = 31;
inline constexpr int kTextFlowUnit = 82;

// The read-out's line captions.
inline constexpr int kTextReadoutName = 53;
inline constexpr int kTextReadoutTime = 54;
inline constexpr int kTextReadoutValue = 55;
inline constexpr int kTextReadoutDate = 79;

// The printed page.
inline constexpr int kTextPageTime = 37;
inline constexpr int kTextPageMeasuringValue = 38;
inline constexpr int kTextLegend = 83;
inline constexpr int kTextProduct = 84;
inline constexpr int kTextPageDate = 86;
inline constexpr int kTextCellsNotPrinted = 87;

// Message titles and messages.
inline constexpr int kTextProgramTitle = 40;
inline constexpr int kTextWarning = 68;
inline constexpr int kTextRealtimeNotFound = 32;
inline constexpr int kTextNoFileSelected = 34;
inline constexpr int kTextNoFileLoaded = 35;
inline constexpr int kTextSelectValidFile = 36;
inline constexpr int kTextPrinterError = 39;
inline constexpr int kTextInvalidFile = 45;
inline constexpr int kTextCommunicationError = 46;
inline constexpr int kTextTooBig = 51;
inline constexpr int kTextFileEmpty = 56;
inline constexpr int kTextSelectCompanion = 63;
inline constexpr int kTextNoCompanionSelected = 64;
inline constexpr int kTextCompanionNotFound = 65;
inline constexpr int kTextSelectAnotherLocation = 66;
inline constexpr int kTextRealtimeNotOpened = 67;
inline constexpr int kTextRealtimeUnchanged = 73;
inline constexpr int kTextUnknownName = 88;

// Saving, copying and exporting what the window shows (English fall-backs in FallbackTexts).
inline constexpr int kTextSavePicture = 100;
inline constexpr int kTextCopyPicture = 101;
inline constexpr int kTextExportData = 102;
inline constexpr int kTextEditMenu = 103;
inline constexpr int kTextNotWritten = 104;
inline constexpr int kTextSavePictureTitle = 105;
inline constexpr int kTextExportDataTitle = 106;

// What happened in the log: the events window, the day figures, the alarm bands, the day
// report and their exports (English fall-backs in FallbackTexts).
inline constexpr int kTextEventsMenu = 107;
inline constexpr int kTextEvents = 108;
inline constexpr int kTextDayFigures = 109;
inline constexpr int kTextKind = 110;
inline constexpr int kTextStart = 111;
inline constexpr int kTextEnd = 112;
inline constexpr int kTextDuration = 113;
inline constexpr int kTextWorstValue = 114;
inline constexpr int kTextAllKinds = 115;
inline constexpr int kTextAboveHighAlarm = 116;
inline constexpr int kTextBelowLowAlarm = 117;
inline constexpr int kTextFlowBelowLowAlarm = 118;
inline constexpr int kTextDosingStopped = 119;
inline constexpr int kTextDay = 120;
inline constexpr int kTextInView = 121;
inline constexpr int kTextLowest = 122;
inline constexpr int kTextHighest = 123;
inline constexpr int kTextMean = 124;
inline constexpr int kTextInsideBand = 125;
inline constexpr int kTextExcursions = 126;
inline constexpr int kTextLongestExcursion = 127;
inline constexpr int kTextTimeFlowLow = 128;
inline constexpr int kTextTimeDosingStopped = 129;
inline constexpr int kTextPumpRunning = 130;
inline constexpr int kTextDataCoverage = 131;
inline constexpr int kTextLongestGap = 132;
inline constexpr int kTextAlarmBands = 133;
inline constexpr int kTextDayReportMenu = 134;
inline constexpr int kTextDayReport = 135;
inline constexpr int kTextFrom = 136;
inline constexpr int kTextTo = 137;
inline constexpr int kTextOperator = 138;
inline constexpr int kTextChecksByHand = 139;
inline constexpr int kTextMeasuresTaken = 140;
inline constexpr int kTextSignature = 141;
inline constexpr int kTextInstallation = 142;
inline constexpr int kTextExportEventsMenu = 143;
inline constexpr int kTextExportDayFiguresMenu = 144;
inline constexpr int kTextExportEvents = 145;
inline constexpr int kTextExportDayFigures = 146;
inline constexpr int kTextNoExcursions = 147;
inline constexpr int kTextPrintReport = 148;
inline constexpr int kTextSavePdf = 149;
inline constexpr int kTextShowInGraph = 150;

} // namespace osk
