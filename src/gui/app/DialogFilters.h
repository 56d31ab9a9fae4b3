// Turns the Open dialog's filter list ("desc|pattern|desc|pattern") into the file chooser's name
// filters, and its 1-based selected filter into a position in them.
#pragma once

#include <QString>
#include <QStringList>

namespace osk {

// One name filter per description and pattern pair: the description without a pattern list it
// may end with, then the pattern list in brackets ("All Files (*.*)" with "*.*" gives
// "All Files (*)"; "*.*" means every file, with or without an extension). Several patterns
// joined by ";" are kept. A description without a pattern gets "*".
QStringList toNameFilters(const QString& filterList);

// The 0-based position of the 1-based selected filter among count filters: an index beyond
// the list selects the last, one below 1 the first; -1 when there are no filters.
int selectedFilterPosition(int selectedFilter, int count);

// The extension a name filter's first pattern gives a file name ("PNG (*.png)" gives "png");
// empty when that pattern names no single extension ("All Files (*)").
QString filterSuffix(const QString& nameFilter);

} // namespace osk
