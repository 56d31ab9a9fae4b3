#include "lang/BuiltinTexts.h"

#include <array>

namespace osk {

namespace {

// The wording, misspellings included, is what users of the English version have always seen;
// the shipped english.lng repeats it line for line.
constexpr std::array<BuiltinText, 84> kBuiltinTexts = {{
    {1, "Scale Y-as"},
    {2, "Scale X-as"},
    {3, "Scroll"},
    {4, "Grid x/y Steps"},
    {5, "X Grid line:"},
    {6, "Y Grid line:"},
    {7, "Draw Style"},
    {8, "&Color Printer"},
    {9, "&File"},
    {10, "&Open File"},
    {11, "&Print"},
    {12, "Print pre&view"},
    {13, "&Exit"},
    {14, "&Help"},
    {15, "Hour"},
    {16, "Minutes"},
    {17, "Peroxide"},
    {18, "Low alarm"},
    {19, "High alarm"},
    {20, "Setpoint"},
    {21, "Pump"},
    {22, "PH"},
    {23, "Flow"},
    {24, "Dosing stop"},
    {25, ""},
    {26, "Cell"},
    {27, "Active"},
    {28, "Null"},
    {29, "Rinse"},
    {30, "Empty"},
    {31, "Circulation"},
    {32, "Realtime file not found."},
    {33, "Select values"},
    {34, "No file selected, Select file?"},
    {35, "No file loaded"},
    {36, "Please select valid file"},
    {37, "(Time)"},
    {38, "(Measering value)"},
    {39, "Printer error!"},
    {40, "OSK-Graphs"},
    {41, "Dots"},
    {42, "Bars"},
    {43, "Line"},
    {44, "&Real Time"},
    {45, "Error With Communication (invalid file)"},
    {46, "Communication error with OSK-Remote"},
    {47, "&Language"},
    {48, "&Dutch"},
    {49, "&English"},
    {50, "O&ptions"},
    {51, "File is to big, last records are skipped"},
    {52, "Real time"},
    {53, "Name"},
    {54, "Time"},
    {55, "Value"},
    {56, "File is empty"},
    {57, "Version:"},
    {58, "OSK-Graphs and its documentation are the property of their authors and are protected "
         "by copyright. Copying, distributing or changing this program, in whole or in part, "
         "without written permission is not allowed. Any unauthorised use will be pursued by "
         "legal means."},
    {59, "System info"},
    {60, "Min"},
    {61, "Max"},
    {62, "&About"},
    {63, "Please select the OSKRemote exe file"},
    {64, "No file selected, Select file? (warning! if no file is selected realtime will not "
         "work)"},
    {65, "OSKRemote.exe not found!"},
    {66, "Select another location?"},
    {67, "Real time file count not be opened. Do you want to select another file?"},
    {68, "(warning! if no file is selected realtime will not work)"},
    {73, "Realtime file dit not change, do you want to select a different file?"},
    {74, "Free Chlorine"},
    {75, "Tarvox"},
    {76, "System choice"},
    {77, "B/W Printer"},
    {78, "Printer"},
    {79, "Date"},
    {80, "ON"},
    {81, "OFF"},
    {82, "m3/h"},
    {83, "Legend"},
    {84, "Product"},
    {85, "OSK"},
    {86, "Date"},
    {87, "Photocell values will not be printed!"},
    {88, "unknown"},
}};

} // namespace

std::span<const BuiltinText> BuiltinTexts() {
    return kBuiltinTexts;
}

void storeBuiltinTexts(Texts& texts) {
    for (const BuiltinText& t : kBuiltinTexts)
        texts.set(t.number, t.text);
}

} // namespace osk
