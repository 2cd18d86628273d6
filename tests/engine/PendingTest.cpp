// Records and totals the disk refuses: told at once, kept in the data folder,
// written once and in order at the first write that succeeds; a value kept
// for the store wins at start unless the store was written since.
#include "engine/EngineFixture.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/MoneyTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/ToSingle.h"
#include "engine/CallRecorder.h"

#include <QDir>
#include <QFile>

using namespace BasOrvalis;

namespace {

class PendingTest : public EngineFixture {
protected:
    PendingTest() { engine().setPendingFile(&pending); }

    // A local standard call from `at`, `seconds` long.
    void call(const QDateTime& at, int seconds) {
        startCall(CommunicationType::Standard, Numbers::AppelLocal, at);
        runFor(seconds);
        engine().CmdStart_Stop_Click();
    }
    void restartAt(const QDateTime& now) { EngineFixture::restartAt(now, nullptr, &pending); }
    // The messages shown of `title`.
    int shownOf(int title) const {
        return int(std::count_if(messages.shown.begin(), messages.shown.end(),
                                 [title](const ShownMessage& m) { return m.title == title; }));
    }

    PendingFile pending{files.filePath(QStringLiteral("Orvalis/EnAttente.json"))};
};

TEST_F(PendingTest, RecordsTheLogRefusesWaitAndGoOnOnceInTheOrderOfTheCalls) {
    log.refusing = true;
    call(At(2026, 12, 8, 10, 0), 60);
    EXPECT_EQ(messages.shown.last(),
              (ShownMessage{233,
                            MessageStyle::Exclamation,
                            334,
                            434,
                            {CapturedLog::Refusal.file, CapturedLog::Refusal.reason}}));
    EXPECT_TRUE(pending.exists());
    call(At(2026, 12, 8, 11, 0), 60);
    EXPECT_EQ(shownOf(233), 2);
    // The total counts each call once, as if logged.
    EXPECT_FLOAT_EQ(settings.CoutTotal, 2 * 0.742f);

    // The log takes them at the next stop, before the stopped call's own.
    log.refusing = false;
    call(At(2026, 12, 8, 13, 0), 60);
    ASSERT_EQ(log.records.size(), 3);
    QStringList starts;
    for (const CallRecord& record : std::as_const(log.records))
        starts << record.HeureDebut;
    EXPECT_EQ(starts, (QStringList{QStringLiteral("10:00:00"), QStringLiteral("11:00:00"),
                                   QStringLiteral("13:00:00")}));
    EXPECT_EQ(log.records.last().Total, TotalDisplayText(settings.CoutTotal));
    EXPECT_FALSE(pending.exists());
    EXPECT_EQ(shownOf(233), 2);
}

// The message of a refused record waits within the stop: the ticks that run
// meanwhile and the end of the program find the call over.
TEST_F(PendingTest, WhileARefusedRecordIsToldTheCallIsOver) {
    log.refusing = true;
    messages.whileShown = [this] {
        messages.whileShown = nullptr;
        runFor(30);
        engine().Form_Unload();
    };
    call(At(2026, 12, 8, 10, 0), 600);
    const std::optional<PendingData> waiting = pending.read();
    ASSERT_TRUE(waiting);
    ASSERT_EQ(waiting->records.size(), 1);
    EXPECT_EQ(waiting->records.first().record.Duree, QStringLiteral("00:10:00"));
    EXPECT_EQ(waiting->records.first().record.Total, TotalDisplayText(settings.CoutTotal));
}

// Killed after it appended some of the records that waited, before it could
// strike them off, a calculator leaves them in the file: the next start
// appends only the others.
TEST_F(PendingTest, RecordsAlreadyAppendedAreNotAppendedTwice) {
    log.refusing = true;
    call(At(2026, 12, 8, 10, 0), 60);
    call(At(2026, 12, 8, 11, 0), 60);
    call(At(2027, 1, 2, 9, 0), 60);
    const std::optional<PendingData> waiting = pending.read();
    ASSERT_TRUE(waiting);
    ASSERT_EQ(waiting->records.size(), 3);
    log.refusing = false;
    for (int i = 0; i < 2; ++i)
        log.append(waiting->records.at(i).record, waiting->records.at(i).writtenAt, nullptr);

    restartAt(At(2027, 1, 2, 10, 0));
    EXPECT_EQ(shownOf(233), 3);
    ASSERT_EQ(log.records.size(), 3);
    EXPECT_EQ(log.records.at(2).toBytes(), waiting->records.at(2).record.toBytes());
    EXPECT_FALSE(pending.exists());
}

TEST_F(PendingTest, AnUnreadableFileOfWaitingRecordsIsSetAsideAndTold) {
    QDir().mkpath(QFileInfo(pending.path()).absolutePath());
    QFile file(pending.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"enregistrements\": [{\"date\": 8}]}");
    file.close();
    restartAt(At(2026, 12, 8, 10, 0));
    EXPECT_FALSE(pending.exists());
    EXPECT_EQ(messages.shown.last(), (ShownMessage{236, MessageStyle::Exclamation, 337, 439}));
}

TEST_F(PendingTest, ATotalTheStoreRefusesIsToldOnceAndStoredAtTheNextSaveThatCan) {
    // The store's file name is taken by a folder.
    ASSERT_TRUE(QDir().mkpath(files.path()));
    call(At(2026, 12, 8, 10, 0), 60);
    call(At(2026, 12, 8, 11, 0), 60);
    EXPECT_EQ(shownOf(234), 1);
    const ShownMessage told = *std::find_if(messages.shown.begin(), messages.shown.end(),
                                            [](const ShownMessage& m) { return m.title == 234; });
    EXPECT_EQ(told.arguments.value(0), QDir::toNativeSeparators(files.path()));
    EXPECT_FALSE(told.arguments.value(1).isEmpty());
    const std::optional<PendingData> waiting = pending.read();
    ASSERT_TRUE(waiting);
    // The total waits, with the month's spending stored beside it.
    const auto total =
        std::find_if(waiting->settings.begin(), waiting->settings.end(),
                     [](const PendingSetting& setting) { return setting.key == Keys::CoutTotal; });
    ASSERT_NE(total, waiting->settings.end());
    EXPECT_EQ(ToSingle(total->text), settings.CoutTotal);

    ASSERT_TRUE(QDir(files.path()).removeRecursively());
    engine().Form_Unload();
    EXPECT_FALSE(pending.exists());
    EXPECT_EQ(ToSingle(store.fileText(Sections::Parametres, Keys::CoutTotal)), settings.CoutTotal);
    EXPECT_EQ(TotalDisplayText(settings.CoutTotal), log.records.last().Total);
}

// The kept total was refused over the stored 5; at start the store holds 5
// still (the kept one wins) or another total written since (it stands).
TEST(PendingAtStart, AKeptValueWinsUnlessTheStoreWasWrittenSince) {
    for (const auto& [stored, expected] : {std::pair{"5", 7.f}, std::pair{"9", 9.f}}) {
        TemporaryStore files;
        files.store().write(Sections::Parametres, Keys::CoutTotal, QString::fromLatin1(stored));
        PendingFile pending(files.filePath(QStringLiteral("EnAttente.json")));
        ASSERT_TRUE(pending.write(
            {{},
             {{Sections::Parametres, Keys::CoutTotal, QStringLiteral("7"), QStringLiteral("5")}}}));
        Settings settings = LoadSettings(files.store());
        CapturedLog log;
        ScriptedMessages messages{MessageAnswer::No};
        CallRecorder recorder(settings, files.store(), log, messages);
        recorder.setPendingFile(&pending);
        recorder.resume(At(2026, 12, 8, 10, 0));
        EXPECT_FLOAT_EQ(settings.CoutTotal, expected) << stored;
        EXPECT_FLOAT_EQ(ToSingle(files.store().read(Sections::Parametres, Keys::CoutTotal)),
                        expected);
        EXPECT_FALSE(pending.exists());
        EXPECT_TRUE(messages.shown.isEmpty());
    }
}

} // namespace
