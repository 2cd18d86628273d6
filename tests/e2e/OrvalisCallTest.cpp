// A call timed over the remote control by the real calculator: "start", a
// few seconds, "stop", and the record appended to the month's log is the
// one the tariff engine builds for the same start, duration and end. A
// second copy started meanwhile leaves without a window or a write. A call
// whose calculator is killed is logged at the next start; killed under a
// shifted clock, it leaves nothing in shared memory.
#include "e2e/CalculatorFixture.h"
#include "support/ReferenceCall.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/ToSingle.h"
#include "common/LogFile.h"
#include "desktop/CaptionSearch.h"
#include "engine/RecoveryFile.h"
#include "platform/LocaleFormats.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDBusInterface>
#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

using namespace BasOrvalis;

namespace {

QByteArray fileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The one record of the log of `month` in the run's log folder, started on
// `day`, checked against the record the engine builds for the same times.
void expectLoggedAsTheEngineBuildsIt(const CalculatorRun& run, const QDate& month,
                                     const QDate& day) {
    const QString path = QDir(run.logFolder()).filePath(LogFile::monthlyName(month));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), CallRecord::DataSize) << "one record, alone in its file";
    QVector<CallRecord> records;
    ASSERT_TRUE(LogFile::readAll(path, &records));
    ASSERT_EQ(records.size(), 1);
    const CallRecord& written = records.first();

    const QTime debut = LocaleFormats::readClockText(written.HeureDebut);
    const QTime fin = LocaleFormats::readClockText(written.HeureFin);
    const QTime duree = LocaleFormats::readClockText(written.Duree);
    ASSERT_TRUE(debut.isValid() && fin.isValid() && duree.isValid());
    EXPECT_EQ(written.Date, LocaleFormats::shortDate(day));
    const QDateTime start(day, debut);
    // A call that passes midnight ends on the next day.
    const QDateTime end(fin < debut ? day.addDays(1) : day, fin);
    const int elapsed = static_cast<int>(start.secsTo(end));
    const int priced = QTime(0, 0).secsTo(duree);
    // The duration is the one of the last tick before the stop.
    EXPECT_GE(priced, elapsed - 1);
    EXPECT_LE(priced, elapsed);
    EXPECT_GE(elapsed, 3);

    EXPECT_EQ(written.Libelle.trimmed(), QStringLiteral("Standard: Appel Local"));
    EXPECT_EQ(bytes, RunReferenceCall(Numbers::AppelLocal, start, priced, end)
                         .record.toBytes()
                         .left(CallRecord::DataSize));
    // The total is saved at the stop, with the call's cost.
    const QString saved =
        SettingsStore(run.storePath()).read(Sections::Parametres, Keys::CoutTotal);
    EXPECT_EQ(LocaleFormats::fixed(ToSingle(saved), 2), written.Total.trimmed());
}

// The duration logged in the one record of the log of `month`.
int loggedSeconds(const CalculatorRun& run, const QDate& month) {
    QVector<CallRecord> records;
    LogFile::readAll(QDir(run.logFolder()).filePath(LogFile::monthlyName(month)), &records);
    return records.size() == 1
               ? QTime(0, 0).secsTo(LocaleFormats::readClockText(records.first().Duree))
               : -1;
}

} // namespace

TEST_F(OrvalisEndToEnd, CallTimedOverTheBusIsLoggedAsTheEngineBuildsIt) {
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    EXPECT_EQ(request(control()), QStringLiteral("start"));
    EXPECT_FALSE(execute(control(), QStringLiteral("pause")));
    EXPECT_EQ(request(control()), QStringLiteral("start"));

    ASSERT_TRUE(execute(control(), QStringLiteral("Start")));
    EXPECT_EQ(request(control()), QStringLiteral("stop"));

    // A second copy leaves at once: no window, no write.
    const QByteArray storeBefore = fileDigest(run.storePath());
    QProcess second;
    run.start(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(fileDigest(run.storePath()), storeBefore);
    EXPECT_EQ(CaptionSearch::FindWindowsByCaption(QStringLiteral("Orvalis V3.04")).size(), 1);

    QThread::msleep(3500);
    ASSERT_TRUE(execute(control(), QStringLiteral("stop")));
    EXPECT_EQ(request(control()), QStringLiteral("start"));
    const QDate today = QDate::currentDate();
    expectLoggedAsTheEngineBuildsIt(run, today, today);
}

TEST_F(OrvalisEndToEnd, CallOverTheNewYearGoesToTheLogOfTheMonthOfItsStop) {
    if (CalculatorRun::fakeTimeLibrary().isEmpty())
        GTEST_SKIP() << "needs libfaketime";
    ASSERT_NO_FATAL_FAILURE(startCalculator(QStringLiteral("2026-12-31 23:59:57")));
    ASSERT_TRUE(execute(control(), QStringLiteral("start")));
    QThread::msleep(4500);
    ASSERT_TRUE(execute(control(), QStringLiteral("stop")));

    EXPECT_FALSE(
        QFile::exists(QDir(run.logFolder()).filePath(LogFile::monthlyName(QDate(2026, 12, 1)))));
    // Dated the day it started, logged in the month it stopped.
    expectLoggedAsTheEngineBuildsIt(run, QDate(2027, 1, 1), QDate(2026, 12, 31));
}

TEST_F(OrvalisEndToEnd, CallInProgressAtLogoutIsLogged) {
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_TRUE(execute(control(), QStringLiteral("start")));
    QThread::msleep(3500);

    // The session ends: the calculator is asked to terminate.
    run.process().terminate();
    ASSERT_TRUE(run.process().waitForFinished(10000));
    EXPECT_EQ(run.process().exitStatus(), QProcess::NormalExit);
    const QDate today = QDate::currentDate();
    expectLoggedAsTheEngineBuildsIt(run, today, today);
}

TEST_F(OrvalisEndToEnd, CallKilledWithTheCalculatorIsLoggedAtTheNextStart) {
    if (CalculatorRun::fakeTimeLibrary().isEmpty())
        GTEST_SKIP() << "needs libfaketime";
    const QString kept = RecoveryFile::pathUnder(run.dataFolder());
    // Ten times faster: 95 seconds of the calculator's clock pass in 9.5.
    ASSERT_NO_FATAL_FAILURE(startCalculator(QStringLiteral("2026-03-10 10:00:00 x10")));
    ASSERT_TRUE(execute(control(), QStringLiteral("start")));
    QThread::msleep(9500);
    EXPECT_TRUE(QFile::exists(kept));
    ASSERT_TRUE(run.killAndWaitForBus(10000));

    const QDate march(2026, 3, 10);
    EXPECT_FALSE(QFile::exists(QDir(run.logFolder()).filePath(LogFile::monthlyName(march))));
    // Started again years later: the call still goes to the log of its month.
    ASSERT_NO_FATAL_FAILURE(startCalculator(QStringLiteral("2029-01-15 09:00:00")));
    ASSERT_TRUE(waitUntilGone(kept, 15000));
    expectLoggedAsTheEngineBuildsIt(run, march, march);
    EXPECT_GE(loggedSeconds(run, march), 85);
}

TEST_F(OrvalisEndToEnd, KillRightAfterAStopLeavesNothingToRecover) {
    const QString kept = RecoveryFile::pathUnder(run.dataFolder());
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    ASSERT_TRUE(execute(control(), QStringLiteral("start")));
    QThread::msleep(3500);
    ASSERT_TRUE(execute(control(), QStringLiteral("stop")));
    ASSERT_TRUE(run.killAndWaitForBus(10000));
    EXPECT_FALSE(QFile::exists(kept));

    const QDate today = QDate::currentDate();
    const QString log = QDir(run.logFolder()).filePath(LogFile::monthlyName(today));
    const QByteArray logged = fileDigest(log);
    const QByteArray stored = fileDigest(run.storePath());
    ASSERT_NO_FATAL_FAILURE(startCalculator());
    // Answered once the load is over.
    EXPECT_EQ(request(control()), QStringLiteral("start"));
    EXPECT_EQ(fileDigest(log), logged);
    EXPECT_EQ(fileDigest(run.storePath()), stored);
    expectLoggedAsTheEngineBuildsIt(run, today, today);
}

TEST(ShiftedClock, AProgramKilledLeavesNothingInSharedMemory) {
    if (!CalculatorRun::sessionAvailable() || CalculatorRun::fakeTimeLibrary().isEmpty())
        GTEST_SKIP() << "needs an X display, a session bus and libfaketime";
    qint64 killed = 0;
    {
        CalculatorRun run;
        run.fakeTime(QStringLiteral("2026-03-10 10:00:00"));
        ASSERT_TRUE(run.startAndWaitForBus(15000));
        killed = run.process().processId();
        ASSERT_TRUE(run.killAndWaitForBus(10000));
    }
    const QString ofKilled = QLatin1Char('_') + QString::number(killed);
    const QString ofRun =
        QStringLiteral("orvalis_faketime_%1").arg(QCoreApplication::applicationPid());
    for (const QString& name : QDir(QStringLiteral("/dev/shm")).entryList(QDir::Files)) {
        EXPECT_FALSE(name.endsWith(ofKilled)) << qPrintable(name);
        EXPECT_FALSE(name.contains(ofRun)) << qPrintable(name);
    }
}
