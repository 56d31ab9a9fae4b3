#include "app/DialogFilters.h"

#include <gtest/gtest.h>

namespace osk {
namespace {

TEST(DialogFilters, PairsBecomeNameFiltersWithTheirOwnPatterns) {
    struct Case {
        const char* list;
        QStringList expected;
    };
    const Case cases[] = {
        {"All Files (*.*)|*.*|CSV Files (*.csv)|*.csv",
         {QStringLiteral("All Files (*)"), QStringLiteral("CSV Files (*.csv)")}},
        {"EXE Files (*.exe)|*.exe", {QStringLiteral("EXE Files (*.exe)")}},
        // The description's brackets do not decide what is shown: the pattern does.
        {"Logs (*.txt)|*.csv;*.log", {QStringLiteral("Logs (*.csv *.log)")}},
        {"Plain|*.lng", {QStringLiteral("Plain (*.lng)")}},
        {"Lonely description", {QStringLiteral("Lonely description (*)")}},
        {"|*.csv", {QStringLiteral("*.csv (*.csv)")}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toNameFilters(QString::fromLatin1(c.list)), c.expected) << c.list;
}

TEST(DialogFilters, SelectedFilterStaysInsideTheList) {
    struct Case {
        int selected;
        int count;
        int position;
    };
    const Case cases[] = {
        {2, 2, 1}, {1, 2, 0}, {2, 1, 0}, // one pair and filter 2: the last one
        {9, 3, 2}, {0, 3, 0}, {-4, 3, 0}, {1, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(selectedFilterPosition(c.selected, c.count), c.position)
            << c.selected << " of " << c.count;
}

TEST(DialogFilters, SuffixIsTheFirstPatternsExtension) {
    struct Case {
        const char* filter;
        const char* suffix;
    };
    const Case cases[] = {
        {"PNG (*.png)", "png"}, {"Logs (*.csv *.log)", "csv"}, {"All Files (*)", ""},
        {"Any (*.*)", ""},      {"No patterns", ""},           {"Backup (*.tar.gz)", "tar.gz"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filterSuffix(QString::fromLatin1(c.filter)), QString::fromLatin1(c.suffix))
            << c.filter;
}

} // namespace
} // namespace osk
