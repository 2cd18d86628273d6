// An open log window follows the calculator's appends to its file.
#include "Journal/gui/FrameFixture.h"

#include <QTableView>

using namespace Journal;

TEST_F(FrameFixture, AnOpenLogShowsTheRecordsAppendedToItsFile) {
    const QString path = QDir(m_logs).filePath(QStringLiteral("déc.2026.ccm"));
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("déc.2026.ccm")));
    FrmJournal* journal = m_frame->currentJournal();
    ASSERT_TRUE(journal->isEmptyNoticeShown());
    QTableView* grid = journal->grid();

    ASSERT_TRUE(LogFile::append(path, JournalLogs::call(QStringLiteral("Standard: Appel Local"))));
    ASSERT_TRUE(QTest::qWaitFor([grid] { return grid->model()->rowCount() == 1; }));
    EXPECT_FALSE(journal->isEmptyNoticeShown());

    grid->selectRow(0);
    const CallRecord next = JournalLogs::call(QStringLiteral("Primaliste: 0142345678"));
    ASSERT_TRUE(LogFile::append(path, next));
    ASSERT_TRUE(QTest::qWaitFor([grid] { return grid->model()->rowCount() == 2; }));
    EXPECT_EQ(journal->model().record(1), JournalLogs::stored(next));
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(grid->selectionModel()->selectedRows().size(), 1);
}
