// Search results: their captions, the proposed file name and the log file a
// saved result becomes.
#include "Journal/JournalLogs.h"
#include "core/LogModel.h"
#include "core/ResultCaptions.h"
#include "core/ResultModel.h"

#include <QAbstractItemModelTester>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using BasJournal::LogModel;
using BasJournal::ResultCaptions;
using BasJournal::ResultModel;

TEST(ResultCaptions, NumbersResultsForTheWholeRun) {
    ResultCaptions captions;
    EXPECT_EQ(captions.nextCaption(), QStringLiteral("Résultat de la recherche - RECHERCHE1"));
    captions.nextCaption();
    EXPECT_EQ(captions.nextCaption(), QStringLiteral("Résultat de la recherche - RECHERCHE3"));
}

TEST(ResultCaptions, ProposesTheResultWordAndNumber) {
    EXPECT_EQ(
        ResultCaptions::proposedFileName(QStringLiteral("Résultat de la recherche - RECHERCHE12")),
        QStringLiteral("RECHERCHE12.CCM"));
    EXPECT_EQ(
        ResultCaptions::proposedFileName(QStringLiteral("Résultat de la recherche - RECHERCHE3")),
        QStringLiteral("RECHERCHE3.CCM"));
}

TEST(SavedResult, FiveRowsMakeA460ByteLogReadingBackTheSameRows) {
    QVector<CallRecord> rows;
    for (int i = 1; i <= 5; ++i)
        rows.append(JournalLogs::call(QStringLiteral("Kiosque Micro: 3615 %1").arg(i)));
    rows[2].Libelle = QStringLiteral("Primaliste: un numéro bien trop long pour le champ");
    const ResultModel result(JournalLogs::rowsOf(rows));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("RECHERCHE1.CCM"));
    ASSERT_TRUE(JournalLogs::appendAll(path, rows + rows)); // replaced entirely below
    ASSERT_TRUE(LogFile::writeAll(path, result.records()));
    EXPECT_EQ(QFileInfo(path).size(), 460);

    LogModel reopened;
    ASSERT_TRUE(reopened.load(path));
    ASSERT_EQ(reopened.rowCount(), 5);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(reopened.record(row), JournalLogs::stored(rows[row])) << row;
    EXPECT_EQ(reopened.record(2).Libelle, rows[2].Libelle.left(30));
}

TEST(SavedResult, AResultModelPassesTheItemModelChecks) {
    // A failed check aborts the test program.
    ResultModel result(JournalLogs::rowsOf({JournalLogs::call("A"), JournalLogs::call("B")}));
    QAbstractItemModelTester tester(&result, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(result.rowCount(), 2);
    EXPECT_EQ(result.index(1, 0).data().toString(), QStringLiteral("2"));
}
