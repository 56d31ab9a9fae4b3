#include "graph/ExportFiles.h"

#include <gtest/gtest.h>

#include <tuple>

namespace osk {
namespace {

TEST(ExportFiles, ProposedNameIsTheInstallationAndTheNewestDateShown) {
    const struct {
        const char *name, *newestTime;
        int32_t newest;
        const char* proposed;
    } cases[] = {
        {"Pool 3", "2024-03-01 23:59:50", 2, "Pool 3 2024-03-01"},
        {"  Pool 3 ", " 2024-03-01 23:59:50", 2, "Pool 3 2024-03-01"},
        // Characters a file name cannot hold, in the name and in a date written with slashes.
        {"Bad: <a/b>?", "01/03/2024 10:00:00", 2, "Bad_ _a_b__ 01_03_2024"},
        {"Tab\there", "2024-03-01 00:00:00", 2, "Tab_here 2024-03-01"},
        {"", "2024-03-01 00:00:00", 2, "OSK-Graphs 2024-03-01"},
        // No record shown, or a row outside the table: the name alone.
        {"Pool 3", "2024-03-01 00:00:00", 0, "Pool 3"},
        {"Pool 3", "", 2, "Pool 3"},
        {"Pool 3", "2024-03-01 00:00:00", kRecordRows, "Pool 3"},
        {"..", "", 2, "OSK-Graphs"},
    };
    for (const auto& c : cases) {
        RecordTable records;
        records.LogSource.save(c.name, "/logs/log.csv");
        records.RecordTime[2] = c.newestTime;
        EXPECT_EQ(ProposedExportName(records, c.newest), c.proposed) << c.name << " " << c.newest;
    }
}

// The type follows an extension the user typed, else the chosen filter (1 png, 2 svg, 3 pdf).
TEST(ExportFiles, PictureFormatFollowsTheNameThenTheChosenType) {
    using enum PictureFormat;
    // clang-format off
    const struct {
        const char* path;
        int filter;
        const char* written;
        PictureFormat format;
    } cases[] = {
        {"/out/graph", 1, "/out/graph.png", Png}, {"/out/graph", 2, "/out/graph.svg", Svg},
        {"/out/graph", 3, "/out/graph.pdf", Pdf}, {"/out/graph", 0, "/out/graph.png", Png},
        {"/out/graph", 4, "/out/graph.png", Png}, {"/out/graph.SVG", 1, "/out/graph.SVG", Svg},
        {"/out/graph.pdf", 2, "/out/graph.pdf", Pdf}, {"/out/graph.png", 3, "/out/graph.png", Png},
        {"/out/graph.jpg", 2, "/out/graph.jpg.svg", Svg},
        {"/out/graph.2024-03-01", 1, "/out/graph.2024-03-01.png", Png}};
    // clang-format on
    for (const auto& c : cases) {
        const PictureFile file = ChosenPictureFile(c.path, c.filter);
        EXPECT_EQ(std::tuple(file.path, file.format), std::tuple(c.written, c.format))
            << c.path << " " << c.filter;
    }
    EXPECT_EQ(std::tuple(WithExtension("/out/data.CSV", ".csv"),
                         WithExtension("/out/data.csv.txt", ".csv")),
              std::tuple("/out/data.CSV", "/out/data.csv.txt.csv"));
}

} // namespace
} // namespace osk
