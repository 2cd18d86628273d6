// The real calculator when the disk says no: the log folder read-only or
// full, the store's folder or the data folder read-only, the calculator
// killed right after a call's first tick or within a stop. Each time the
// user is told, and once the disk takes the writes again the log holds every
// call once, in order, in whole slots, and the stored total is the last
// record's.
#include "e2e/CalculatorFixture.h"
#include "e2e/PrivateMounts.h"
#include "e2e/WaitFor.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/ToSingle.h"
#include "common/LogFile.h"
#include "common/StringTable.h"
#include "desktop/CaptionSearch.h"
#include "engine/PendingFile.h"
#include "engine/RecoveryFile.h"
#include "platform/LocaleFormats.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

using namespace BasOrvalis;

namespace {

class RefusedWrites : public OrvalisEndToEnd {
protected:
    void TearDown() override {
        CalculatorRun::stop(run.process());
        for (const QString& folder : std::as_const(m_mounted))
            PrivateMounts::unmount(folder);
    }

    void mountReadOnly(const QString& folder) {
        ASSERT_TRUE(PrivateMounts::makeReadOnly(folder)) << folder.toStdString();
        m_mounted << folder;
    }
    // The folder on a small file system, filled up.
    void mountFull(const QString& folder) {
        ASSERT_TRUE(PrivateMounts::mountSmallFolder(folder, 64)) << folder.toStdString();
        m_mounted << folder;
    }
    void fill(const QString& folder) { ASSERT_TRUE(PrivateMounts::fill(fillerIn(folder))); }
    static QString fillerIn(const QString& folder) {
        return QDir(folder).filePath(QStringLiteral("remplissage"));
    }
    void unmount(const QString& folder) {
        ASSERT_TRUE(PrivateMounts::unmount(folder));
        m_mounted.removeAll(folder);
    }

    void call(int milliseconds) {
        ASSERT_TRUE(execute(control(), QStringLiteral("start")));
        QThread::msleep(milliseconds);
        ASSERT_TRUE(execute(control(), QStringLiteral("stop")));
    }
    // A call whose stop tells, in a message box that waits, the message of
    // `title`.
    void callToldBy(int title) {
        ASSERT_TRUE(execute(control(), QStringLiteral("start")));
        QThread::msleep(2500);
        control().asyncCall(QStringLiteral("Execute"), QStringLiteral("stop"));
        EXPECT_TRUE(messageShown(title)) << StringTable::text(title).toStdString();
    }
    // The calculator told to end, as at a logout.
    void end() {
        run.process().terminate();
        ASSERT_TRUE(run.process().waitForFinished(15000));
    }

    static bool messageShown(int title) {
        return waitFor(
            [title] {
                return !CaptionSearch::FindWindowsByCaption(StringTable::text(title)).isEmpty();
            },
            15000);
    }

    QString logPath() const {
        return QDir(run.logFolder()).filePath(LogFile::monthlyName(QDate::currentDate()));
    }
    QString pendingPath() const { return PendingFile::pathUnder(run.dataFolder()); }
    QString keptPath() const { return RecoveryFile::pathUnder(run.dataFolder()); }

    // The month's log holds `calls` calls after whatever else, in order and
    // in whole slots, and the store the total of the last.
    void expectEveryCallOnceInOrder(int calls) const {
        QFile file(logPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_EQ((bytes.size() - CallRecord::DataSize) % CallRecord::SlotSize, 0)
            << "the log ends with a whole record";
        const QByteArray header = CallRecord().toBytes().left(CallRecord::HeaderSize);
        for (qsizetype offset = 0; offset < bytes.size(); offset += CallRecord::SlotSize)
            EXPECT_EQ(bytes.mid(offset, CallRecord::HeaderSize), header) << "slot at " << offset;

        QVector<CallRecord> records;
        ASSERT_TRUE(LogFile::readAll(logPath(), &records));
        QVector<QTime> starts;
        for (const CallRecord& record : std::as_const(records)) {
            if (record.Libelle.startsWith(QStringLiteral("Standard")))
                starts << LocaleFormats::readClockText(record.HeureDebut);
        }
        ASSERT_EQ(starts.size(), calls);
        EXPECT_TRUE(std::is_sorted(starts.begin(), starts.end()));
        EXPECT_EQ(std::adjacent_find(starts.begin(), starts.end()), starts.end());
        const QString stored =
            SettingsStore(run.storePath()).read(Sections::Parametres, Keys::CoutTotal);
        EXPECT_EQ(LocaleFormats::fixed(ToSingle(stored), 2), records.last().Total.trimmed());
    }

private:
    QStringList m_mounted;
};

// The tests that make a folder full or read-only: skipped where the
// machine does not let them mount.
class RefusedWritesOnDisk : public RefusedWrites {
protected:
    void SetUp() override {
        RefusedWrites::SetUp();
        if (IsSkipped())
            return;
        const QString reason = PrivateMounts::unavailableReason();
        if (!reason.isEmpty())
            GTEST_SKIP() << reason.toStdString();
    }
};

TEST_F(RefusedWritesOnDisk, ARecordTheLogFolderRefusesWaitsAndIsLoggedAtTheNextStart) {
    ASSERT_NO_FATAL_FAILURE(mountReadOnly(run.logFolder()));
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_NO_FATAL_FAILURE(callToldBy(233));
    ASSERT_NO_FATAL_FAILURE(end());
    EXPECT_TRUE(QFile::exists(pendingPath()));

    ASSERT_NO_FATAL_FAILURE(unmount(run.logFolder()));
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_TRUE(waitUntilGone(pendingPath(), 15000));
    ASSERT_NO_FATAL_FAILURE(call(2500));
    expectEveryCallOnceInOrder(2);
}

TEST_F(RefusedWritesOnDisk, ARecordCutShortByAFullDiskLeavesNoPartBehind) {
    ASSERT_NO_FATAL_FAILURE(mountFull(run.logFolder()));
    // 43 records: the next one would straddle the end of the log's first
    // page, and only its beginning finds room.
    const CallRecord reset = BuildResetRecord(QDate::currentDate());
    for (int i = 0; i < 43; ++i)
        ASSERT_TRUE(LogFile::append(logPath(), reset));
    const qint64 length = QFileInfo(logPath()).size();
    ASSERT_NO_FATAL_FAILURE(fill(run.logFolder()));
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_NO_FATAL_FAILURE(callToldBy(233));
    ASSERT_NO_FATAL_FAILURE(end());
    EXPECT_EQ(QFileInfo(logPath()).size(), length);

    ASSERT_TRUE(QFile::remove(fillerIn(run.logFolder())));
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_TRUE(waitUntilGone(pendingPath(), 15000));
    expectEveryCallOnceInOrder(1);
}

TEST_F(RefusedWritesOnDisk, ATotalTheStoreRefusesIsKeptAndStoredAtTheNextStart) {
    const QString storeFolder = QFileInfo(run.storePath()).absolutePath();
    ASSERT_NO_FATAL_FAILURE(mountReadOnly(storeFolder));
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_NO_FATAL_FAILURE(callToldBy(234));
    // Still refused when the calculator ends; taken at its next start.
    ASSERT_NO_FATAL_FAILURE(end());
    EXPECT_TRUE(QFile::exists(pendingPath()));
    ASSERT_NO_FATAL_FAILURE(unmount(storeFolder));
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_TRUE(waitUntilGone(pendingPath(), 15000));
    expectEveryCallOnceInOrder(1);
}

TEST_F(RefusedWritesOnDisk, ACallTheDataFolderCannotKeepIsToldAtItsStartAndGoesOn) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(keptPath()).absolutePath()));
    ASSERT_NO_FATAL_FAILURE(mountReadOnly(run.dataFolder()));
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_TRUE(execute(control(), QStringLiteral("start")));
    EXPECT_TRUE(messageShown(235));
    QThread::msleep(2500);
    // The notice holds nothing up: the stop is answered at once.
    ASSERT_TRUE(execute(control(), QStringLiteral("stop")));
    expectEveryCallOnceInOrder(1);
}

TEST_F(RefusedWrites, ACallKilledAfterItsFirstTickIsLoggedWithItsFirstCharge) {
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_TRUE(execute(control(), QStringLiteral("start")));
    QThread::msleep(1700);
    ASSERT_TRUE(run.killAndWaitForBus(10000));

    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_TRUE(waitUntilGone(keptPath(), 15000));
    EXPECT_TRUE(messageShown(230));
    QVector<CallRecord> records;
    ASSERT_TRUE(LogFile::readAll(logPath(), &records));
    ASSERT_EQ(records.size(), 1);
    EXPECT_GT(ToSingle(records.first().Cout), 0.f);
    expectEveryCallOnceInOrder(1);
}

TEST_F(RefusedWritesOnDisk, ACallWhoseStopLoggedItIsNotLoggedAgainAtTheNextStart) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(keptPath()).absolutePath()));
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_TRUE(execute(control(), QStringLiteral("start")));
    QThread::msleep(2500);
    // The stop logs the call but cannot remove it from the data folder, as
    // a kill right after the record would.
    ASSERT_NO_FATAL_FAILURE(mountReadOnly(run.dataFolder()));
    ASSERT_TRUE(execute(control(), QStringLiteral("stop")));
    ASSERT_TRUE(run.killAndWaitForBus(10000));
    ASSERT_TRUE(QFile::exists(keptPath()));
    ASSERT_NO_FATAL_FAILURE(unmount(run.dataFolder()));

    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_TRUE(waitUntilGone(keptPath(), 15000));
    expectEveryCallOnceInOrder(1);
}

} // namespace
