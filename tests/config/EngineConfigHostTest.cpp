// The configuration dialogs reach the calculator's engine: its call in
// progress, its type lists and its total display.
#include "config/EngineConfigHost.h"
#include "config/ConfigTestSupport.h"
#include "support/CapturedLog.h"

#include "engine/CallEngine.h"
#include "engine/ManualClock.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Holidays.h"

#include <QSignalSpy>

namespace {

class EngineConfigHostTest : public ::testing::Test {
protected:
    TemporaryFiles files;
    BasOrvalis::Settings settings;
    BasOrvalis::StartDate startDate;
    BasOrvalis::Holidays joursFeries{};
    ManualClock clock{QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0))};
    ScriptedMessages messages{BasOrvalis::MessageAnswer::Yes};
    CapturedLog log;
    CallEngine engine{settings, startDate, joursFeries, files.store(),
                      clock,    messages,  log,         nullptr};
    EngineConfigHost host{engine, clock};
};

TEST_F(EngineConfigHostTest, TotalDisplayShowsTheTotalOfSettings) {
    QSignalSpy changed(&engine, &CallEngine::changed);
    settings.CoutTotal = 12.35f;

    host.AfficherTotal();

    EXPECT_EQ(engine.totalText(), QStringLiteral("12,35"));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(EngineConfigHostTest, ListsRefilledFromTheSubscriptionsHeld) {
    settings.AboTemporalis = 1;
    settings.TypeDefaut = BasOrvalis::CommunicationType::Temporalis;
    settings.NumeroDefaut = QStringLiteral("Appel N° National");

    host.FillCommunicationTypes();

    EXPECT_TRUE(engine.selection().types().contains(BasOrvalis::CommunicationType::Temporalis));
    EXPECT_EQ(engine.selection().type(), BasOrvalis::CommunicationType::Temporalis);
    EXPECT_EQ(engine.selection().number(), QStringLiteral("Appel N° National"));
}

TEST_F(EngineConfigHostTest, CallInProgressAndClock) {
    EXPECT_FALSE(host.EnCours());
    EXPECT_EQ(host.now(), clock.now());
    settings.TypeDefaut = BasOrvalis::CommunicationType::Standard;
    settings.NumeroDefaut = QStringLiteral("Appel N° Local");
    host.FillCommunicationTypes();

    engine.StartStop(true);

    EXPECT_TRUE(host.EnCours());
}

// The record of a manual reset takes the road of the calls' records.
TEST_F(EngineConfigHostTest, ResetRecordGoesThroughTheEnginesLog) {
    host.WriteResetRecord();
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records.first().toBytes(),
              BasOrvalis::BuildResetRecord(clock.now().date()).toBytes());
    EXPECT_EQ(log.instants.first(), clock.now());
}

} // namespace
