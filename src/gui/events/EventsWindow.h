// The Events window: the excursions of the loaded log in a list, filtered by kind, and the
// figures of each day and of the records in view in a table. It only shows what it is given;
// EventsController fills it and acts on its choices.
#pragma once

#include "analysis/EventTables.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTreeWidget;

namespace osk {

class EventsWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own, owned by owner and closed with it.
    explicit EventsWindow(QWidget& owner);

    // The captions: window title, page titles, column headings, the button and the empty
    // list's note.
    void setCaptions(const std::string& title, const std::string& dayFigures,
                     const std::array<std::string, kExcursionColumns>& headings,
                     const std::string& showButton, const std::string& noExcursions);
    // The filter's items: the first for every kind, then one per kind; the choice is kept.
    void setKindItems(const std::vector<std::string>& items);
    // Index of the chosen filter item; 0 is every kind.
    int kindChoice() const;

    void setExcursions(const std::vector<ExcursionRow>& rows);
    // The excursion of the current row, when there is one.
    std::optional<size_t> currentExcursion() const;

    // One column per heading; rows as given.
    void setFigures(const std::vector<std::string>& columnHeadings,
                    const std::vector<FigureRow>& rows);
    // Puts cell number cell of each row into column (which must exist), the others untouched.
    void setFigureColumn(int column, const std::string& heading, const std::vector<FigureRow>& rows,
                         size_t cell);

    QComboBox& kindFilter() const { return *kind_; }
    QTreeWidget& excursionList() const { return *list_; }
    QPushButton& showButton() const { return *show_; }

private:
    QTabWidget* tabs_;
    QComboBox* kind_;
    QTreeWidget* list_;
    QLabel* none_;
    QPushButton* show_;
    QTableWidget* figures_;
};

} // namespace osk
