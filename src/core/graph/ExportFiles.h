// The files the window's picture and visible data are saved to: the name the Save dialog
// proposes, and which picture format a chosen name and file type mean.
#pragma once

#include "logdata/RecordTable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace osk {

enum class PictureFormat { Png, Svg, Pdf };

// The Save dialog's file types for a picture, in PictureFormat order.
inline constexpr std::string_view kPictureFilter =
    "PNG (*.png)|*.png|SVG (*.svg)|*.svg|PDF (*.pdf)|*.pdf";
inline constexpr std::string_view kCsvFilter = "CSV (*.csv)|*.csv";

// The file name offered for what the window shows: the installation name and the date of the
// newest record shown ("Pool 3 2024-03-01"), with characters no file name may hold replaced
// by "_". Without a name "OSK-Graphs" stands in; without a record time the date is left out.
// The extension is not part of it.
std::string ProposedExportName(const RecordTable& records, int32_t newestShown);

struct PictureFile {
    std::string path;
    PictureFormat format;
};

// The picture file for the Save dialog's answer: a name ending in .png, .svg or .pdf (in any
// letter case) keeps it and is written in that format; any other name is written in the format
// of the chosen file type (1-based; outside the list PNG), with its extension added.
PictureFile ChosenPictureFile(const std::string& path, int filter);

// path with extension (".csv", ".pdf") added unless it ends in it (in any letter case).
std::string WithExtension(const std::string& path, std::string_view extension);

} // namespace osk
