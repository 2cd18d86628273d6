// Sortable tables of texts and numbers.
#include "gui/StatisticsTable.h"

#include <QHeaderView>
#include <QTableWidget>

namespace Journal::StatisticsTable {

namespace {

constexpr int ValueRole = Qt::UserRole;

class SortedItem final : public QTableWidgetItem {
public:
    explicit SortedItem(const Cell& cell)
        : QTableWidgetItem(cell.text) {
        setData(ValueRole, cell.value);
    }

    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(ValueRole);
        const QVariant theirs = other.data(ValueRole);
        if (mine.isValid() && theirs.isValid())
            return mine.toDouble() < theirs.toDouble();
        return QString::localeAwareCompare(text(), other.text()) < 0;
    }
};

} // namespace

Cell text(const QString& text) {
    return {text, QVariant()};
}

Cell number(const QString& text, double value) {
    return {text, value};
}

QTableWidget* create(const QString& name, const QStringList& headers, int wide) {
    auto* table = new QTableWidget(0, int(headers.size()));
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(wide, QHeaderView::Stretch);
    // Rows stay in the order given until a header is clicked.
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    QObject::connect(header, &QHeaderView::sortIndicatorChanged, table,
                     [table](int column, Qt::SortOrder order) {
                         if (column >= 0)
                             table->sortItems(column, order);
                     });
    return table;
}

void fill(QTableWidget* table, const QVector<QVector<Cell>>& rows) {
    table->clearContents();
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            const Cell& cell = rows[row][column];
            auto* item = new SortedItem(cell);
            item->setTextAlignment(Qt::AlignVCenter |
                                   (cell.value.isValid() ? Qt::AlignRight : Qt::AlignLeft));
            table->setItem(row, column, item);
        }
    }
    const QHeaderView* header = table->horizontalHeader();
    if (header->sortIndicatorSection() >= 0)
        table->sortItems(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

} // namespace Journal::StatisticsTable
