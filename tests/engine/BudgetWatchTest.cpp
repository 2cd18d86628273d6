// The watch of the monthly budget during the ticks: each share told once,
// in a notice, and sent; the warnings remembered across a start; a reset of
// the total makes them due again.
#include "engine/EngineFixture.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/SettingsKeys.h"

#include <QSignalSpy>

using namespace BasOrvalis;

namespace {

const QString National = Numbers::DistanceEntries().at(4);
const ShownMessage Near{232, MessageStyle::Exclamation, 332, 0};
const ShownMessage Reached{232, MessageStyle::Exclamation, 333, 0};

class BudgetWatchTest : public EngineFixture {
protected:
    // The budget messages shown so far.
    QVector<ShownMessage> budgetMessages() const {
        QVector<ShownMessage> shown;
        for (const ShownMessage& message : messages.shown) {
            if (message.title == Near.title)
                shown.append(message);
        }
        return shown;
    }
    // A national call of five minutes on a Tuesday morning: 5,09 F.
    void callFiveMinutes(const QDateTime& at) {
        startCall(CommunicationType::Standard, National, at);
        runFor(300);
        engine().CmdStart_Stop_Click();
    }
};

} // namespace

TEST_F(BudgetWatchTest, EachShareIsToldOnceAndNotAgainAfterARestart) {
    settings.BudgetMensuel = 10.f;
    settings.CoutTotal = 7.f;
    QSignalSpy sent(&engine(), &CallEngine::budgetWarning);
    callFiveMinutes(At(2026, 12, 8, 10, 0));
    runFor(60);
    EXPECT_EQ(budgetMessages(), (QVector<ShownMessage>{Near, Reached}));
    ASSERT_EQ(sent.count(), 2);
    EXPECT_EQ(sent.at(0).at(0).toInt(), 80);
    EXPECT_EQ(sent.at(1).at(0).toInt(), 100);

    restartAt(At(2026, 12, 8, 11, 0)).Timer1_Timer();
    EXPECT_EQ(budgetMessages().size(), 2);
}

TEST_F(BudgetWatchTest, TheAutomaticResetOfTheTotalMakesTheWarningsDueAgain) {
    settings.BudgetMensuel = 10.f;
    settings.CoutTotal = 7.f;
    callFiveMinutes(At(2026, 12, 8, 10, 0));
    ASSERT_EQ(budgetMessages(), (QVector<ShownMessage>{Near, Reached}));

    settings.RazAutoTotal = 1;
    settings.RazPeriode = QStringLiteral("Mensuelle");
    settings.RazDate = QStringLiteral("Le 1er du mois");
    settings.DerniereRaz = QDate(2026, 11, 1);
    engine().VerifierRazAuto();
    engine().Timer1_Timer();
    EXPECT_EQ(store.read(Sections::Parametres, Keys::AlerteBudget), QStringLiteral("0"));
    settings.CoutTotal = 6.f;
    callFiveMinutes(At(2026, 12, 8, 11, 0));
    EXPECT_EQ(budgetMessages(), (QVector<ShownMessage>{Near, Reached, Near, Reached}));
}
