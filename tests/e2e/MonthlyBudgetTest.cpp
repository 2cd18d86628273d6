// The monthly budget in the real calculator under a shifted clock: the calls
// of a month cross 80 %, then 100 %, of the budget, each told once in a
// notice and on the bus with the amounts; started again in the next month,
// the total not reset, a call tells nothing and the month's spending is its
// cost alone.
#include "e2e/CalculatorRun.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/SettingsKeys.h"
#include "common/LogFile.h"
#include "common/RemoteControl.h"
#include "desktop/CaptionSearch.h"
#include "monitor/BudgetWarnings.h"
#include "platform/LocaleFormats.h"
#include "platform/SettingsStore.h"

#include <QDBusInterface>
#include <QDBusReply>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace BasOrvalis;

namespace {

const QString Budget = QStringLiteral("Budget mensuel");

class MonthlyBudgetEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CalculatorRun::sessionAvailable() || CalculatorRun::fakeTimeLibrary().isEmpty())
            GTEST_SKIP() << "needs an X display, a session bus and libfaketime";
        SettingsStore store(run.storePath());
        store.write(Sections::Parametres, Keys::Initialisation, QStringLiteral("1"));
        store.write(Sections::Parametres, Keys::TypeDefaut, TypeText(CommunicationType::Standard));
        store.write(Sections::Parametres, Keys::NumeroDefaut, Numbers::DistanceEntries().at(4));
        store.write(Sections::Parametres, Keys::BudgetMensuel, QStringLiteral("1"));
    }

    // The calculator's clock starts at `instant`, ten times faster than ours.
    void startCalculator(const QString& instant) {
        run.fakeTime(instant + QStringLiteral(" x10"));
        ASSERT_TRUE(run.startAndWaitForBus(15000));
    }
    static void execute(const QString& command) {
        QDBusInterface control(RemoteControl::ServiceName, RemoteControl::ObjectPath,
                               RemoteControl::InterfaceName);
        const QDBusReply<bool> reply = control.call(QStringLiteral("Execute"), command);
        ASSERT_TRUE(reply.isValid() && reply.value()) << qPrintable(command);
    }
    static int budgetNotices() {
        return static_cast<int>(CaptionSearch::FindWindowsByCaption(Budget).size());
    }

    CalculatorRun run;
};

} // namespace

TEST_F(MonthlyBudgetEndToEnd, EachShareIsToldOnceAMonthAndANewMonthStartsFromNothing) {
    BudgetWarnings monitor(QDBusConnection::sessionBus());
    ASSERT_TRUE(monitor.isListening());
    QSignalSpy heard(&monitor, &BudgetWarnings::warned);

    // A national call of a weekday morning: 0,742 F for its first 39 s,
    // then 1 F a minute; 80 % of 1 F comes some 43 s in.
    ASSERT_NO_FATAL_FAILURE(startCalculator(QStringLiteral("2026-11-30 10:00:00")));
    execute(QStringLiteral("start"));
    ASSERT_TRUE(heard.wait(15000));
    execute(QStringLiteral("stop"));
    // The next call's first tick reaches 100 %; the ticks after it add nothing.
    execute(QStringLiteral("start"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.count() == 2; }, 15000));
    QTest::qWait(3000);
    execute(QStringLiteral("stop"));
    QTest::qWait(1500);

    ASSERT_EQ(heard.count(), 2);
    EXPECT_EQ(heard.at(0).at(0).toInt(), 80);
    EXPECT_EQ(heard.at(1).at(0).toInt(), 100);
    for (const QList<QVariant>& warning : heard) {
        EXPECT_GE(warning.at(1).toDouble(), warning.at(0).toInt() / 100.0);
        EXPECT_EQ(warning.at(2).toDouble(), 1.0);
    }
    EXPECT_EQ(budgetNotices(), 2);
    CalculatorRun::stop(run.process());

    // December, the total of November's calls kept.
    heard.clear();
    ASSERT_NO_FATAL_FAILURE(startCalculator(QStringLiteral("2026-12-01 10:00:00")));
    EXPECT_EQ(budgetNotices(), 0);
    execute(QStringLiteral("start"));
    QTest::qWait(2000);
    execute(QStringLiteral("stop"));
    QTest::qWait(1500);
    EXPECT_EQ(heard.count(), 0);
    EXPECT_EQ(budgetNotices(), 0);

    const Settings stored = LoadSettings(SettingsStore(run.storePath()));
    EXPECT_GT(stored.CoutTotal, 1.f) << "over the budget, not reset";
    EXPECT_EQ(stored.MoisBudget, QDate(2026, 12, 1));
    QVector<CallRecord> december;
    ASSERT_TRUE(LogFile::readAll(
        QDir(run.logFolder()).filePath(LogFile::monthlyName(QDate(2026, 12, 1))), &december));
    ASSERT_EQ(december.size(), 1);
    EXPECT_EQ(LocaleFormats::fixed(stored.DepensesMois, 2), december.first().Cout.trimmed());
}
