// A call outlives the calculator: kept on disk while it runs, logged at the
// next start after a kill exactly as the engine would have logged it then,
// its cost counted once; a file that cannot be read is set aside.
#include "engine/EngineFixture.h"
#include "support/ReferenceCall.h"

#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/ToSingle.h"

#include <QDir>
#include <QFile>

using namespace BasOrvalis;

namespace {

const QString National = Numbers::DistanceEntries().at(4);

class CallRecoveryTest : public EngineFixture {
protected:
    CallRecoveryTest() { engine().setRecoveryFile(&recovery); }

    // The duration the file holds.
    QTime keptDuration() const { return recovery.read().value_or(CallInProgress()).call.duration; }

    void restartAt(const QDateTime& now) { EngineFixture::restartAt(now, &recovery); }
    float storedTotal() const {
        return ToSingle(store.read(Sections::Parametres, Keys::CoutTotal));
    }

    RecoveryFile recovery{files.filePath(QStringLiteral("Orvalis/AppelEnCours.json"))};
};

TEST_F(CallRecoveryTest, TheCallIsKeptAtItsStartItsFirstTickThenEveryTenSecondsOfTheClock) {
    startCall(CommunicationType::Standard, National, At(2026, 12, 8, 10, 0));
    EXPECT_EQ(keptDuration(), QTime(0, 0, 0));
    // Killed from now on, it is logged with its time credit at least.
    runFor(1);
    EXPECT_EQ(keptDuration(), QTime(0, 0, 1));
    EXPECT_GT(recovery.read()->call.cost, 0.f);
    runFor(8);
    EXPECT_EQ(keptDuration(), QTime(0, 0, 1));
    runFor(1);
    EXPECT_EQ(keptDuration(), QTime(0, 0, 10));
    // A late tick keeps it at once.
    tickAt(34);
    EXPECT_EQ(keptDuration(), QTime(0, 0, 34));

    engine().CmdStart_Stop_Click();
    EXPECT_FALSE(recovery.exists());
    EXPECT_EQ(log.records.size(), 1);
}

TEST_F(CallRecoveryTest, QuittingDuringACallLeavesNoFile) {
    startCall(CommunicationType::Standard, National, At(2026, 12, 8, 10, 0));
    runFor(15);
    engine().Form_Unload();
    EXPECT_FALSE(recovery.exists());
    EXPECT_EQ(log.records.size(), 1);
}

// Killed during the call (false), the store holds the total of the call's
// start; killed within its stop after the total was saved (true), the total
// with the call. The call is counted once either way.
class KilledCallTest : public CallRecoveryTest, public ::testing::WithParamInterface<bool> {};

TEST_P(KilledCallTest, IsLoggedAtTheNextStartAtItsLastInstantAndCountedOnce) {
    const QDateTime start = At(2026, 12, 31, 23, 59);
    // The same call stopped at its last instant kept by an engine not killed.
    const auto [expected, expectedTotal] =
        RunReferenceCall(National, start, 90, start.addSecs(90), 5.f);
    settings.CoutTotal = 5.f;
    SaveSetting(store, settings, Sections::Parametres, Keys::CoutTotal);
    startCall(CommunicationType::Standard, National, start);
    runFor(95);
    if (GetParam())
        store.write(Sections::Parametres, Keys::CoutTotal, QString::number(expectedTotal));
    ASSERT_TRUE(log.records.isEmpty());

    restartAt(At(2027, 1, 5, 9, 0));
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records[0].toBytes(), expected.toBytes());
    // The month of its last instant, not of the restart.
    EXPECT_EQ(log.instants[0], start.addSecs(90));
    EXPECT_FLOAT_EQ(storedTotal(), expectedTotal);
    EXPECT_FLOAT_EQ(restartedSettings().CoutTotal, expectedTotal);
    EXPECT_FALSE(recovery.exists());
    EXPECT_EQ(messages.shown.last(), (ShownMessage{230, MessageStyle::Information, 330, 430}));

    // Started once more: nothing left to recover.
    const int shown = messages.shown.size();
    restartAt(At(2027, 1, 5, 9, 5));
    EXPECT_EQ(log.records.size(), 1);
    EXPECT_EQ(messages.shown.size(), shown);
}

INSTANTIATE_TEST_SUITE_P(WhateverTheStoreHolds, KilledCallTest, ::testing::Bool());

TEST_F(CallRecoveryTest, ACallThatCannotBeKeptIsToldOnceAtItsStartInANotice) {
    // The data folder's name is taken by a file.
    QFile blocker(files.filePath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecoveryFile unwritable(files.filePath(QStringLiteral("data/Orvalis/AppelEnCours.json")));
    engine().setRecoveryFile(&unwritable);
    for (int call = 1; call <= 2; ++call) {
        startCall(CommunicationType::Standard, National, At(2026, 12, 8, 10, call));
        runFor(25);
        engine().CmdStart_Stop_Click();
        ASSERT_EQ(messages.notices.size(), call);
        const ShownMessage& notice = messages.notices.last();
        EXPECT_EQ(notice.title, 235);
        EXPECT_EQ(notice.line, 336);
        EXPECT_EQ(notice.arguments.value(0), QDir::toNativeSeparators(unwritable.path()));
        EXPECT_FALSE(notice.arguments.value(1).isEmpty());
    }
    EXPECT_EQ(log.records.size(), 2);
}

TEST_F(CallRecoveryTest, APackageCallGivesBackTheTimeItUsed) {
    settings.AboForfaitLocal = 1;
    settings.MoisForfaitLocal = 12;
    engine().FillCommunicationTypes();
    startCall(CommunicationType::ForfaitLocal, Numbers::AppelLocal, At(2026, 12, 8, 20, 0));
    runFor(125);
    restartAt(At(2026, 12, 8, 21, 0));
    EXPECT_EQ(restartedSettings().TempsForfaitLocal, QTime(5, 58, 0));
    EXPECT_EQ(store.read(Sections::ServicesFt, Keys::TempsForfaitLocal),
              QStringLiteral("05:58:00"));
}

TEST_F(CallRecoveryTest, AnUnreadableFileIsSetAsideAndNothingIsCounted) {
    // A kept call of that type, cost and total at its start.
    const auto kept = [](const char* type, const char* cout, const char* totalAuDebut) {
        return QStringLiteral("{\"type\": \"%1\", \"numero\": \"Appel N° Local\", "
                              "\"persoNumero\": \"\", \"debut\": \"2026-12-08T10:00:00\", "
                              "\"instant\": \"2026-12-08T10:01:00\", \"duree\": \"00:01:00\", "
                              "\"cout\": %2, \"totalAuDebut\": %3, \"plageNuit\": false, "
                              "\"tempsRestant\": \"\"}")
            .arg(QString::fromUtf8(type), QLatin1String(cout), QLatin1String(totalAuDebut));
    };
    const QStringList unreadable{
        QStringLiteral("\x7f garbage"),
        QStringLiteral("{\"type\": \"Communication standard\"}"),
        kept("Télégraphe", "1", "0"),
        // Amounts no call reaches: the record would read "92233720" or "inf".
        kept("Communication standard", "1e30", "0"),
        kept("Communication standard", "1", "-1"),
        kept("Communication standard", "6000000", "6000000"),
    };
    settings.CoutTotal = 5.f;
    SaveSetting(store, settings, Sections::Parametres, Keys::CoutTotal);
    QDir().mkpath(QFileInfo(recovery.path()).absolutePath());
    for (const QString& contents : unreadable) {
        QFile file(recovery.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents.toUtf8());
        file.close();
        restartAt(At(2026, 12, 8, 10, 0).addSecs(messages.shown.size()));
        EXPECT_FALSE(recovery.exists());
        EXPECT_EQ(messages.shown.last(), (ShownMessage{231, MessageStyle::Exclamation, 331, 431}));
    }
    const QStringList aside = QDir(QFileInfo(recovery.path()).absolutePath())
                                  .entryList({QStringLiteral("AppelEnCours.json.illisible-*")});
    EXPECT_EQ(aside.size(), unreadable.size());
    EXPECT_TRUE(log.records.isEmpty());
    EXPECT_FLOAT_EQ(storedTotal(), 5.f);
}

} // namespace
