#include "events/EventsWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace osk {

namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 440;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidgetItem* readOnlyItem(const std::string& text) {
    auto* item = new QTableWidgetItem(qs(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

EventsWindow::EventsWindow(QWidget& owner)
    : QWidget(&owner, Qt::Window), tabs_(new QTabWidget(this)), kind_(new QComboBox),
      list_(new QTreeWidget), none_(new QLabel), show_(new QPushButton),
      figures_(new QTableWidget) {
    setObjectName(QStringLiteral("frmEvents"));
    tabs_->setObjectName(QStringLiteral("tabEvents"));
    kind_->setObjectName(QStringLiteral("cboKind"));
    list_->setObjectName(QStringLiteral("lstEvents"));
    none_->setObjectName(QStringLiteral("lblNoExcursions"));
    show_->setObjectName(QStringLiteral("cmdShowEvent"));
    figures_->setObjectName(QStringLiteral("tblDayFigures"));

    list_->setColumnCount(kExcursionColumns);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAllColumnsShowFocus(true);
    // Kinds carry product names from the language file: never read as markup.
    none_->setTextFormat(Qt::PlainText);
    none_->setAlignment(Qt::AlignCenter);

    auto* events = new QWidget;
    auto* top = new QHBoxLayout;
    top->addWidget(kind_, 1);
    top->addWidget(show_);
    auto* column = new QVBoxLayout(events);
    column->addLayout(top);
    column->addWidget(none_);
    column->addWidget(list_, 1);
    tabs_->addTab(events, QString());

    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    figures_->setSelectionBehavior(QAbstractItemView::SelectRows);
    figures_->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tabs_->addTab(figures_, QString());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(kWidth, kHeight);
}

void EventsWindow::setCaptions(const std::string& title, const std::string& dayFigures,
                               const std::array<std::string, kExcursionColumns>& headings,
                               const std::string& showButton, const std::string& noExcursions) {
    setWindowTitle(qs(title));
    tabs_->setTabText(0, qs(title));
    tabs_->setTabText(1, qs(dayFigures));
    QStringList labels;
    for (const std::string& h : headings)
        labels << qs(h);
    list_->setHeaderLabels(labels);
    show_->setText(qs(showButton));
    none_->setText(qs(noExcursions));
}

void EventsWindow::setKindItems(const std::vector<std::string>& items) {
    const int chosen = kindChoice();
    const QSignalBlocker quiet(kind_);
    kind_->clear();
    for (const std::string& item : items)
        kind_->addItem(qs(item));
    kind_->setCurrentIndex(chosen >= 0 && chosen < kind_->count() ? chosen : 0);
}

int EventsWindow::kindChoice() const {
    return std::max(0, kind_->currentIndex());
}

void EventsWindow::setExcursions(const std::vector<ExcursionRow>& rows) {
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const ExcursionRow& row : rows) {
        auto* item = new QTreeWidgetItem;
        for (int col = 0; col < kExcursionColumns; ++col)
            item->setText(col, qs(row.cells[static_cast<size_t>(col)]));
        item->setData(0, Qt::UserRole, QVariant::fromValue<qulonglong>(row.excursion));
        items << item;
    }
    list_->addTopLevelItems(items);
    for (int col = 0; col < kExcursionColumns; ++col)
        list_->resizeColumnToContents(col);
    none_->setVisible(rows.empty());
    show_->setEnabled(!rows.empty());
}

std::optional<size_t> EventsWindow::currentExcursion() const {
    const QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr)
        return std::nullopt;
    return static_cast<size_t>(item->data(0, Qt::UserRole).toULongLong());
}

void EventsWindow::setFigures(const std::vector<std::string>& columnHeadings,
                              const std::vector<FigureRow>& rows) {
    figures_->clear();
    figures_->setColumnCount(static_cast<int>(columnHeadings.size()));
    figures_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        figures_->setVerticalHeaderItem(r, new QTableWidgetItem(qs(rows[static_cast<size_t>(r)].heading)));
    for (int col = 0; col < static_cast<int>(columnHeadings.size()); ++col)
        setFigureColumn(col, columnHeadings[static_cast<size_t>(col)], rows,
                        static_cast<size_t>(col));
}

void EventsWindow::setFigureColumn(int column, const std::string& heading,
                                   const std::vector<FigureRow>& rows, size_t cell) {
    figures_->setHorizontalHeaderItem(column, new QTableWidgetItem(qs(heading)));
    for (int r = 0; r < static_cast<int>(rows.size()) && r < figures_->rowCount(); ++r) {
        const std::vector<std::string>& cells = rows[static_cast<size_t>(r)].cells;
        figures_->setItem(r, column, readOnlyItem(cell < cells.size() ? cells[cell] : ""));
    }
    figures_->resizeColumnToContents(column);
}

} // namespace osk
