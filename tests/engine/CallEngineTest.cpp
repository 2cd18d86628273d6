// The call in progress as the main window drives it: start and stop by every
// path, the displays and captions, the DDE commands, the load and the end of
// the program, and the reductions panel of each type.
#include "engine/EngineFixture.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/ToSingle.h"
#include "common/RemoteControl.h"

#include <QSignalSpy>

using namespace BasOrvalis;

namespace {

const QString National = Numbers::DistanceEntries().at(4);

} // namespace

TEST_F(EngineFixture, StartAndStopChangeButtonLinkItemAndCommands) {
    EXPECT_EQ(engine().buttonCaption(), QStringLiteral("Start"));
    EXPECT_EQ(engine().ddeText(), QStringLiteral("start"));
    EXPECT_TRUE(engine().commands().idleCommands);
    EXPECT_FALSE(engine().commands().stopCommand);

    startCall(CommunicationType::Standard, Numbers::AppelLocal, At(2026, 12, 8, 10, 0));
    EXPECT_TRUE(engine().EnCours());
    EXPECT_TRUE(engine().buttonPressed());
    EXPECT_EQ(engine().buttonCaption(), QStringLiteral("Stop"));
    EXPECT_EQ(engine().ddeText(), QStringLiteral("stop"));
    EXPECT_FALSE(engine().commands().idleCommands);
    EXPECT_TRUE(engine().commands().stopCommand);

    engine().CmdStart_Stop_Click();
    EXPECT_FALSE(engine().EnCours());
    EXPECT_EQ(engine().buttonCaption(), QStringLiteral("Start"));
}

TEST_F(EngineFixture, MenusStartAndStopOnceWhateverTheyAreAskedAgain) {
    QSignalSpy started(&engine(), &CallEngine::callStarted);
    QSignalSpy stopped(&engine(), &CallEngine::callStopped);
    engine().CboCommunication_Click(CommunicationType::Standard);
    engine().MnuCommandesStop_Click();
    engine().MnuCommandesStart_Click();
    runFor(5);
    engine().MnuCommandesStart_Click();
    engine().MnuCommandesStop_Click();
    engine().MnuCommandesStop_Click();
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(stopped.count(), 1);
    EXPECT_EQ(log.records.size(), 1);
}

TEST_F(EngineFixture, TheRecordHoldsTheCallAsDisplayed) {
    settings.CoutTotal = 10.f;
    startCall(CommunicationType::Standard, Numbers::AppelLocal, At(2026, 12, 8, 10, 0));
    runFor(600);
    EXPECT_EQ(engine().minimisedCaption(), QStringLiteral("2,702 - 00:10:00"));
    engine().CmdStart_Stop_Click();
    ASSERT_EQ(log.records.size(), 1);
    const CallRecord& record = log.records[0];
    EXPECT_EQ(record.Date, QStringLiteral("08/12/26"));
    EXPECT_EQ(record.Libelle, QStringLiteral("Standard: Appel Local"));
    EXPECT_EQ(record.HeureDebut, QStringLiteral("10:00:00"));
    EXPECT_EQ(record.HeureFin, QStringLiteral("10:10:00"));
    EXPECT_EQ(record.Duree, QStringLiteral("00:10:00"));
    EXPECT_EQ(record.Cout, QStringLiteral("2,70"));
    EXPECT_EQ(record.Total, QStringLiteral("12,70"));
    EXPECT_NEAR(ToSingle(store.read(Sections::Parametres, Keys::CoutTotal)), 12.702f, 1e-5f);
}

TEST_F(EngineFixture, NoTypeChosenStopsTheCallWithoutRecordOrCost) {
    startCall(CommunicationType::Standard, Numbers::AppelLocal, At(2026, 12, 8, 10, 0));
    runFor(600);
    engine().CmdStart_Stop_Click();
    const float total = settings.CoutTotal;

    QSignalSpy stopped(&engine(), &CallEngine::callStopped);
    startCall(CommunicationType::FaitesUneSelection, FaitesUneSelection, At(2026, 12, 8, 11, 0));
    runFor(1);
    EXPECT_FALSE(engine().EnCours());
    EXPECT_EQ(stopped.count(), 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, 213);
    EXPECT_EQ(messages.shown[0].buttons, MessageStyle::Exclamation);
    EXPECT_EQ(messages.shown[0].line, 313);
    EXPECT_EQ(messages.shown[0].second, 0);
    EXPECT_EQ(log.records.size(), 1);
    // The cost of the previous call is not counted a second time.
    EXPECT_FLOAT_EQ(settings.CoutTotal, total);
}

TEST_F(EngineFixture, ACallStoppedBeforeItsFirstTickLogsItsOwnDisplays) {
    startCall(CommunicationType::Standard, Numbers::AppelLocal, At(2026, 12, 8, 10, 0));
    runFor(600);
    engine().CmdStart_Stop_Click();
    startCall(CommunicationType::Standard, Numbers::AppelLocal, At(2026, 12, 8, 11, 0));
    engine().CmdStart_Stop_Click();
    ASSERT_EQ(log.records.size(), 2);
    EXPECT_EQ(log.records[1].Duree, QStringLiteral("00:00:00"));
    EXPECT_EQ(log.records[1].Cout, QStringLiteral("0,00"));
}

// --- DDE --------------------------------------------------------------------------

class Dde : public EngineFixture {
protected:
    Dde() {
        settings.TypeDefaut = CommunicationType::Standard;
        settings.NumeroDefaut = National;
        clock.setNow(At(2026, 12, 8, 10, 0));
        engine().Form_Load();
    }
};

TEST_F(Dde, StartSelectsTheDefaultsAndStarts) {
    engine().CboCommunication_Click(CommunicationType::Audiotel);
    engine().Form_LinkExecute(RemoteControl::Command::Start);
    EXPECT_TRUE(engine().EnCours());
    EXPECT_EQ(engine().selection().type(), CommunicationType::Standard);
    EXPECT_EQ(engine().selection().number(), National);
    EXPECT_EQ(engine().ddeText(), QStringLiteral("stop"));
}

TEST_F(Dde, StartDuringACallStartsNoOtherCall) {
    QSignalSpy started(&engine(), &CallEngine::callStarted);
    engine().Form_LinkExecute(RemoteControl::Command::Start);
    runFor(30);
    engine().Form_LinkExecute(RemoteControl::Command::Start);
    runFor(30);
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(engine().dureeText(), QStringLiteral("00:01:00"));
    EXPECT_TRUE(log.records.isEmpty());
}

TEST_F(Dde, StopStopsTheCallAndLogsIt) {
    engine().Form_LinkExecute(RemoteControl::Command::Start);
    engine().Form_LinkExecute(RemoteControl::Command::ShowCompact);
    EXPECT_TRUE(engine().EnCours());
    engine().Form_LinkExecute(RemoteControl::Command::Stop);
    EXPECT_FALSE(engine().EnCours());
    EXPECT_EQ(log.records.size(), 1);
}

// --- Load and end of the program ---------------------------------------------------

TEST_F(EngineFixture, LoadShowsTheTotalAndSelectsTheDefaults) {
    settings.CoutTotal = 12.5f;
    settings.TypeDefaut = CommunicationType::Kiosque;
    settings.NumeroDefaut = Numbers::KiosqueNumbers().at(4);
    engine().Form_Load();
    EXPECT_EQ(engine().totalText(), QStringLiteral("12,50"));
    EXPECT_EQ(engine().coutText(), QStringLiteral("0,000"));
    EXPECT_EQ(engine().dureeText(), QStringLiteral("00:00:00"));
    EXPECT_EQ(engine().selection().type(), CommunicationType::Kiosque);
    EXPECT_EQ(engine().selection().number(), Numbers::KiosqueNumbers().at(4));
    EXPECT_EQ(engine().selection().rates().size(), 5);
    EXPECT_EQ(engine().selection().numberCaption(), QStringLiteral("Numéros Kiosque Micro"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(EngineFixture, LoadForgetsDefaultsNoLongerOffered) {
    settings.TypeDefaut = CommunicationType::Primaliste;
    settings.NumeroDefaut = QStringLiteral("0140000001");
    engine().Form_Load();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, 215);
    EXPECT_EQ(messages.shown[0].line, 315);
    EXPECT_EQ(messages.shown[0].second, 415);
    EXPECT_EQ(engine().selection().type(), CommunicationType::FaitesUneSelection);
    EXPECT_FALSE(engine().selection().numbersEnabled());
    EXPECT_FALSE(store.contains(Sections::Parametres, Keys::TypeDefaut));
}

TEST_F(EngineFixture, QuittingDuringACallLogsItAndSavesTheTotalWithIt) {
    startCall(CommunicationType::Standard, Numbers::AppelLocal, At(2026, 12, 8, 10, 0));
    runFor(600);
    engine().Form_Unload();
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records[0].Duree, QStringLiteral("00:10:00"));
    EXPECT_NEAR(ToSingle(store.read(Sections::Parametres, Keys::CoutTotal)), 2.702f, 1e-5f);
}

TEST_F(EngineFixture, QuittingWhenIdleLogsNothing) {
    settings.CoutTotal = 3.f;
    engine().Form_Unload();
    EXPECT_TRUE(log.records.isEmpty());
    EXPECT_FLOAT_EQ(ToSingle(store.read(Sections::Parametres, Keys::CoutTotal)), 3.f);
}

// --- Reductions panel -------------------------------------------------------------------

struct PanelCase {
    CommunicationType type;
    QString title;
    bool single;
    std::array<bool, 3> visible;
    QString option;
};

void PrintTo(const PanelCase& c, std::ostream* os) {
    *os << TypeText(c.type).toStdString();
}

class Panel : public EngineFixture, public ::testing::WithParamInterface<PanelCase> {};

TEST_P(Panel, IsLaidOutForTheTypeChosen) {
    const PanelCase& c = GetParam();
    settings.AboPrimaliste = settings.AboPrimalisteInternet = settings.AboTemporalis = 1;
    settings.AboForfaitLocal = settings.AboLibreAcces = settings.TarifPerso = 1;
    clock.setNow(At(2026, 12, 8, 10, 0));
    engine().Timer1_Timer();
    ASSERT_TRUE(engine().CboCommunication_Click(c.type));
    const ReductionPanel& panel = engine().panel();
    EXPECT_EQ(panel.title, c.title);
    EXPECT_EQ(panel.singleIndicator, c.single);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(panel.indicators[i].visible, c.visible[i]) << i;
    if (c.visible[1]) {
        EXPECT_EQ(panel.indicators[1].text, c.option);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, Panel,
                         ::testing::Values(PanelCase{CommunicationType::FaitesUneSelection,
                                                     "Pas de réduction applicable",
                                                     true,
                                                     {true, false, false},
                                                     ""},
                                           PanelCase{CommunicationType::Audiotel,
                                                     "Pas de réduction applicable",
                                                     true,
                                                     {true, false, false},
                                                     ""},
                                           PanelCase{CommunicationType::Standard,
                                                     "Réductions Communication Standard",
                                                     true,
                                                     {true, false, false},
                                                     ""},
                                           PanelCase{CommunicationType::Kiosque,
                                                     "Réductions Kiosque Micro",
                                                     true,
                                                     {true, false, false},
                                                     ""},
                                           PanelCase{CommunicationType::Perso,
                                                     "Réduction Tarification Personnalisée",
                                                     true,
                                                     {true, false, false},
                                                     ""},
                                           PanelCase{CommunicationType::Primaliste,
                                                     "Réductions Primaliste",
                                                     false,
                                                     {true, true, true},
                                                     "25 %"},
                                           PanelCase{CommunicationType::PrimalisteInternet,
                                                     "Réductions Primaliste Internet",
                                                     false,
                                                     {true, true, true},
                                                     "50 %"},
                                           PanelCase{CommunicationType::Temporalis,
                                                     "Réductions Temporalis",
                                                     false,
                                                     {true, true, true},
                                                     "0 %"},
                                           PanelCase{CommunicationType::Numeris,
                                                     "Réductions Numéris Itoo",
                                                     false,
                                                     {true, true, true},
                                                     "40 %"},
                                           PanelCase{CommunicationType::ForfaitLocal,
                                                     "Réductions Forfait Local",
                                                     false,
                                                     {true, true, false},
                                                     "06:00:00"},
                                           PanelCase{CommunicationType::LibreAcces,
                                                     "Réductions Libre Acces",
                                                     false,
                                                     {false, true, false},
                                                     "20:00:00"}));
