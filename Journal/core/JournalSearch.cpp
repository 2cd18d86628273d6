// The search over journal rows.
#include "core/JournalSearch.h"

#include "common/LikePattern.h"
#include "core/JournalColumns.h"
#include "core/JournalModel.h"

namespace BasJournal {

namespace {

bool hasWildcards(const QString& value) {
    for (const QChar ch : value) {
        if (ch == QLatin1Char('*') || ch == QLatin1Char('?') || ch == QLatin1Char('#') ||
            ch == QLatin1Char('['))
            return true;
    }
    return false;
}

template <typename Match>
void scan(const JournalRows& rows, int fieldIndex, const Match& matches, JournalRows* found) {
    QString cell;
    for (int row = 0; row < rows.count(); ++row) {
        rows.readField(row, fieldIndex, &cell);
        if (matches(cell))
            found->append(rows, row);
    }
}

} // namespace

void SearchGrid(const QString& value, int column, const JournalModel& model, JournalRows* matches) {
    const int fieldIndex = JournalColumns::fieldOf(column);
    if (hasWildcards(value)) {
        const LikePattern pattern(QLatin1Char('*') + value + QLatin1Char('*'), Qt::CaseInsensitive);
        scan(
            model.rows(), fieldIndex, [&](const QString& cell) { return pattern.matches(cell); },
            matches);
    } else {
        // Without wildcards "*" value "*" is a plain search for the value.
        scan(
            model.rows(), fieldIndex,
            [&](const QString& cell) { return cell.contains(value, Qt::CaseInsensitive); },
            matches);
    }
}

} // namespace BasJournal
