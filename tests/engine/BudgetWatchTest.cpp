// The watch of the monthly budget: what the calls of the calendar month cost
// against the budget, each share told once a month with the amounts, in a
// notice and sent; the warnings and the spending remembered across a start;
// a new month starts from nothing whatever the total; a call killed is
// counted once.
#include "engine/EngineFixture.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/MoneyTexts.h"
#include "BasOrvalis/SettingsKeys.h"

#include <QSignalSpy>

using namespace BasOrvalis;

namespace {

const QString National = Numbers::DistanceEntries().at(4);
constexpr int Title = 232;

class BudgetWatchTest : public EngineFixture {
protected:
    BudgetWatchTest() {
        // Earlier calls of December cost 7 F; the total says nothing of the month.
        settings.BudgetMensuel = 10.f;
        settings.CoutTotal = 500.f;
        settings.MoisBudget = QDate(2026, 12, 1);
        settings.DepensesMois = 7.f;
        for (const QString* key : {&Keys::CoutTotal, &Keys::MoisBudget, &Keys::DepensesMois})
            SaveSetting(store, settings, Sections::Parametres, *key);
    }
    // The budget messages shown so far.
    QVector<ShownMessage> budgetMessages() const {
        QVector<ShownMessage> shown;
        for (const ShownMessage& message : messages.shown) {
            if (message.title == Title)
                shown.append(message);
        }
        return shown;
    }
    // A national call of five minutes: 5,09 F on a weekday morning.
    void callFiveMinutes(const QDateTime& at) {
        startCall(CommunicationType::Standard, National, at);
        runFor(300);
        engine().CmdStart_Stop_Click();
    }
    float storedSpending() const { return LoadSettings(store).DepensesMois; }
};

} // namespace

TEST_F(BudgetWatchTest, EachShareIsToldOnceAMonthWithWhatWasSpent) {
    QSignalSpy sent(&engine(), &CallEngine::budgetWarning);
    callFiveMinutes(At(2026, 12, 8, 10, 0));
    runFor(60);
    const QVector<ShownMessage> shown = budgetMessages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].line, 332);
    EXPECT_EQ(shown[1].line, 333);
    ASSERT_EQ(sent.count(), 2);
    const QList<int> shares{sent.at(0).at(0).toInt(), sent.at(1).at(0).toInt()};
    EXPECT_EQ(shares, (QList<int>{80, 100}));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const double spent = sent.at(i).at(1).toDouble();
        EXPECT_GE(spent, shares[i] / 10.0);
        EXPECT_LT(spent, shares[i] / 10.0 + 0.05) << "told at the tick that reached it";
        EXPECT_EQ(sent.at(i).at(2).toDouble(), 10.0);
        EXPECT_EQ(shown[i].arguments,
                  (QStringList{TotalDisplayText(float(spent)), QStringLiteral("10,00")}));
    }
    EXPECT_NEAR(storedSpending(), 12.09f, 0.005f);

    restartAt(At(2026, 12, 8, 11, 0)).Timer1_Timer();
    EXPECT_EQ(budgetMessages().size(), 2);
}

TEST_F(BudgetWatchTest, ANewMonthStartsFromNothingWhateverTheTotal) {
    callFiveMinutes(At(2026, 12, 8, 10, 0));
    ASSERT_EQ(budgetMessages().size(), 2);

    // A call over the new year counts in January, the month of its stop.
    callFiveMinutes(At(2026, 12, 31, 23, 58));
    EXPECT_EQ(LoadSettings(store).MoisBudget, QDate(2027, 1, 1));
    EXPECT_GT(storedSpending(), 0.f);
    EXPECT_FLOAT_EQ(storedSpending(), engine().state().CoutAppel);

    // Started again in February with a total far over the budget.
    restartAt(At(2027, 2, 3, 10, 0));
    EXPECT_GT(restartedSettings().CoutTotal, 10.f);
    EXPECT_EQ(restartedSettings().DepensesMois, 0.f);
    EXPECT_EQ(budgetMessages().size(), 2);
}

TEST_F(BudgetWatchTest, AResetOfTheTotalChangesNothing) {
    callFiveMinutes(At(2026, 12, 8, 10, 0));
    ASSERT_EQ(budgetMessages().size(), 2);
    settings.RazAutoTotal = 1;
    settings.RazPeriode = QStringLiteral("Mensuelle");
    settings.RazDate = QStringLiteral("Le 1er du mois");
    settings.DerniereRaz = QDate(2026, 11, 1);
    engine().VerifierRazAuto();
    ASSERT_EQ(settings.CoutTotal, 0.f);
    callFiveMinutes(At(2026, 12, 8, 11, 0));
    EXPECT_EQ(budgetMessages().size(), 2);
    EXPECT_NEAR(storedSpending(), 17.18f, 0.01f);
}

// Killed during the call (false), the store holds what the month had spent
// before it; killed within its stop after the total was saved (true), the
// spending with the call. The call is counted once either way.
class KilledCallBudgetTest : public BudgetWatchTest, public ::testing::WithParamInterface<bool> {
protected:
    KilledCallBudgetTest() { engine().setRecoveryFile(&recovery); }

    RecoveryFile recovery{files.filePath(QStringLiteral("Orvalis/AppelEnCours.json"))};
};

TEST_P(KilledCallBudgetTest, CountsTheCallOnce) {
    startCall(CommunicationType::Standard, National, At(2026, 12, 8, 10, 0));
    runFor(95);
    const CallInProgress kept = recovery.read().value();
    if (GetParam()) {
        Settings stopped = settings;
        stopped.CoutTotal = kept.call.total;
        stopped.DepensesMois = 7.f + kept.call.cost;
        for (const QString* key : {&Keys::CoutTotal, &Keys::DepensesMois})
            SaveSetting(store, stopped, Sections::Parametres, *key);
    }
    restartAt(At(2026, 12, 8, 11, 0), &recovery);
    EXPECT_FLOAT_EQ(restartedSettings().DepensesMois, 7.f + kept.call.cost);
}

INSTANTIATE_TEST_SUITE_P(WhateverTheStoreHolds, KilledCallBudgetTest, ::testing::Bool());
