// The analysis as CSV files, written like the visible data (UTF-8, comma separator, decimal
// point, CRLF line ends): the excursions, and the figures of each day.
#pragma once

#include "analysis/LogAnalysis.h"
#include "lang/Texts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace osk {

// Header "Kind,Start,End,Duration,Worst value" in the language of texts, then one line per
// excursion, newest first: the kind's name, the record times of its first and last record,
// its duration as h:mm:ss and its worst value.
std::string EventsCsv(const LogAnalysis& analysis, const Texts& texts, int16_t productTextIndex);

// One line per day, oldest first: the date; lowest, highest, mean, share inside the alarm
// limits, excursions and longest excursion of product, pH and flow; the time with flow low and
// with dosing stopped; the running time of each pump; the time in each cell state; the covered
// time and the longest gap. Headings name the group ("<product> Lowest"); times are h:mm:ss,
// shares percentages; a figure a day does not have is an empty field.
std::string DayFiguresCsv(const std::vector<Figures>& days, const Texts& texts,
                          int16_t productTextIndex);

} // namespace osk
