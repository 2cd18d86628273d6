// The search over journal rows: the Like match with case ignored, the
// column searched, and the order of matches across windows.
#include "Journal/JournalLogs.h"
#include "core/JournalSearch.h"
#include "core/ResultModel.h"

#include <gtest/gtest.h>

using BasJournal::JournalRows;
using BasJournal::ResultModel;
using BasJournal::SearchGrid;

namespace {

struct ColumnCase {
    const char* value;
    int column;
    QStringList cells;    // the searched column's cell of each row
    QVector<int> matched; // the rows found, in order
};

class SearchColumn : public ::testing::TestWithParam<ColumnCase> {};

// Builds a journal whose searched column holds the given cells; the other
// fields hold texts that none of the values match.
ResultModel journalWith(int column, const QStringList& cells) {
    QVector<CallRecord> rows;
    for (int i = 0; i < cells.size(); ++i) {
        CallRecord record = JournalLogs::call(QStringLiteral("row %1").arg(i));
        record.field(column - 1) = cells[i];
        rows.append(record);
    }
    return ResultModel(JournalLogs::rowsOf(rows));
}

} // namespace

TEST_P(SearchColumn, FindsTheRowsWhoseCellHoldsTheValue) {
    const ColumnCase& c = GetParam();
    const ResultModel model = journalWith(c.column, c.cells);
    JournalRows matches;
    SearchGrid(QString::fromUtf8(c.value), c.column, model, &matches);
    QVector<CallRecord> expected;
    for (int row : c.matched)
        expected.append(model.record(row));
    EXPECT_EQ(JournalLogs::recordsOf(matches), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchColumn,
    ::testing::Values(
        // "ab" side by side, any case, at the start, middle or end.
        ColumnCase{"ab", 2, {"Abonné", "Kiosque AB", "x aB y", "a b", "Standard", "ba"}, {0, 1, 2}},
        ColumnCase{"AB", 2, {"tab", "TAB", "Tab."}, {0, 1, 2}},
        // "0?": a zero followed by at least one more character.
        ColumnCase{"0?", 5, {"00:01:05", "11:11:10", "11:11:11", "10:00:00"}, {0, 3}},
        ColumnCase{"#.#", 6, {"0.74", "#.##", "12"}, {0}},
        ColumnCase{"[!0-9]", 1, {"08/12/26", "00000000"}, {0}},
        ColumnCase{"éro", 2, {"* Remise à zéro du Coût Total ", "ZÉRO"}, {0, 1}},
        // Stored fields keep their padding blanks: a short description ends with them.
        ColumnCase{"   ", 2, {"Standard", "a   b", "Kiosque Micro: 3615 ORVALIS xy"}, {0, 1}},
        ColumnCase{"00:00", 3, {"10:00:00", "09:59:59"}, {0}}));

TEST(Search, StoredTrailingBlanksTakePartInTheMatch) {
    const ResultModel model(JournalLogs::rowsOf({JournalLogs::call("Standard")}));
    JournalRows matches;
    SearchGrid(QStringLiteral("d "), 2, model, &matches);
    SearchGrid(QStringLiteral("d?"), 2, model, &matches);
    EXPECT_EQ(matches.count(), 2);
}

TEST(Search, AllWindowsAreSearchedWindowByWindow) {
    const ResultModel first(
        JournalLogs::rowsOf({JournalLogs::call("Audiotel 1"), JournalLogs::call("Local"),
                             JournalLogs::call("audiotel 2")}));
    const ResultModel second(
        JournalLogs::rowsOf({JournalLogs::call("AUDIOTEL 3"), JournalLogs::call("Audiotel 4"),
                             JournalLogs::call("National"), JournalLogs::call("x audiotel 5")}));
    JournalRows matches;
    for (const ResultModel* model : {&first, &second})
        SearchGrid(QStringLiteral("audiotel"), 2, *model, &matches);

    const ResultModel result(matches);
    ASSERT_EQ(result.rowCount(), 5);
    EXPECT_EQ(
        JournalLogs::libellesOf(matches),
        (QStringList{"Audiotel 1", "audiotel 2", "AUDIOTEL 3", "Audiotel 4", "x audiotel 5"}));
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(result.index(row, 0).data().toString(), QString::number(row + 1));
}

TEST(Search, NoMatchAddsNothing) {
    const ResultModel model(JournalLogs::rowsOf({JournalLogs::call("Standard")}));
    JournalRows matches;
    SearchGrid(QStringLiteral("Primaliste"), 2, model, &matches);
    SearchGrid(QStringLiteral("Prim*"), 2, model, &matches);
    EXPECT_TRUE(matches.isEmpty());
}
