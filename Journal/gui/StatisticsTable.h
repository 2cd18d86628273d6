// The read-only tables of the statistics window: texts on the left, numbers
// on the right; a click on a column's header sorts the rows by it, again
// the other way round, numbers, dates and times by their values.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QTableWidget;

namespace Journal::StatisticsTable {

struct Cell {
    QString text;
    // The value the column sorts by; none for a text, sorted as text.
    QVariant value;
};

Cell text(const QString& text);
Cell number(const QString& text, double value);

// The `wide` column takes the room left.
QTableWidget* create(const QString& name, const QStringList& headers, int wide);
// Replaces the rows, sorted as the table is sorted.
void fill(QTableWidget* table, const QVector<QVector<Cell>>& rows);

} // namespace Journal::StatisticsTable
