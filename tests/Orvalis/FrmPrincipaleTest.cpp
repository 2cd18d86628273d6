// The main window's call in progress: every way of starting and stopping
// keeps the button, the link item and the engine in step and logs a call
// once; the remote control, the end of the program, the minimised caption,
// the Kiosque Micro rate list and the reductions panel.
#include "Orvalis/MainWindowFixture.h"

#include "BasOrvalis/SettingsKeys.h"
#include "forms/DdeServer.h"
#include "forms/ReductionPanelView.h"
#include "platform/LocaleFormats.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Orvalis;

using namespace BasOrvalis;

namespace {

enum class Path { Button, Menu, Remote };

QPushButton* startStopButton(FrmPrincipale& window) {
    return window.findChild<QPushButton*>(QStringLiteral("CmdStart_Stop"));
}

void press(FrmPrincipale& window, Path path, bool start) {
    switch (path) {
    case Path::Button:
        QTest::mouseClick(startStopButton(window), Qt::LeftButton);
        break;
    case Path::Menu:
        (start ? window.menus().MnuCommandesStart : window.menus().MnuCommandesStop)->trigger();
        break;
    case Path::Remote:
        EXPECT_TRUE(
            window.ddeServer().Execute(start ? QStringLiteral("start") : QStringLiteral("STOP")));
        break;
    }
}

void expectState(FrmPrincipale& window, bool inCall) {
    QPushButton* button = startStopButton(window);
    EXPECT_EQ(button->text(), inCall ? QStringLiteral("Stop") : QStringLiteral("Start"));
    EXPECT_EQ(button->isChecked(), inCall);
    EXPECT_EQ(window.engine().EnCours(), inCall);
    EXPECT_EQ(window.ddeServer().Request(QStringLiteral("TxtDDE")),
              inCall ? QStringLiteral("stop") : QStringLiteral("start"));
    EXPECT_EQ(window.menus().MnuCommandesStart->isEnabled(), !inCall);
    EXPECT_EQ(window.menus().MnuCommandesStop->isEnabled(), inCall);
    EXPECT_EQ(window.menus().MnuConfigGenerale->isEnabled(), !inCall);
    EXPECT_EQ(window.menus().MnuConfigFT->isEnabled(), !inCall);
    EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("CboCommunication"))->isEnabled(),
              !inCall);
}

struct StartStopCase {
    const char* name;
    Path start;
    Path stop;
};

class StartStopPaths : public MainWindowFixture,
                       public ::testing::WithParamInterface<StartStopCase> {};

} // namespace

TEST_P(StartStopPaths, KeepButtonAndStateInStepAndLogTheCallOnce) {
    FrmPrincipale& frm = window(WeekdayMorning());
    expectState(frm, false);

    press(frm, GetParam().start, true);
    expectState(frm, true);
    tickAfter(65);
    EXPECT_EQ(frm.findChild<QLabel*>(QStringLiteral("LblAffichageDuree"))->text(),
              QStringLiteral("00:01:05"));

    press(frm, GetParam().stop, false);
    expectState(frm, false);
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records.first().Libelle.trimmed(), QStringLiteral("Standard: Appel Local"));
    EXPECT_EQ(store.read(Sections::Parametres, Keys::CoutTotal),
              LocaleFormats::plainNumber(settings.CoutTotal));
    EXPECT_GT(settings.CoutTotal, 0.f);

    // A second stop by the same path finds nothing to stop.
    if (GetParam().stop != Path::Button)
        press(frm, GetParam().stop, false);
    tickAfter(5);
    EXPECT_EQ(log.records.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, StartStopPaths,
    ::testing::Values(StartStopCase{"ButtonButton", Path::Button, Path::Button},
                      StartStopCase{"MenuMenu", Path::Menu, Path::Menu},
                      StartStopCase{"RemoteRemote", Path::Remote, Path::Remote},
                      StartStopCase{"ButtonRemote", Path::Button, Path::Remote},
                      StartStopCase{"RemoteButton", Path::Remote, Path::Button},
                      StartStopCase{"MenuButton", Path::Menu, Path::Button}),
    [](const ::testing::TestParamInfo<StartStopCase>& info) { return info.param.name; });

using FrmPrincipaleTest = MainWindowFixture;

TEST_F(FrmPrincipaleTest, RefusedRemoteCommandsChangeNothing) {
    FrmPrincipale& frm = window(WeekdayMorning());
    for (const QString& command : {QStringLiteral("pause"), QString(), QStringLiteral("start "),
                                   QStringLiteral("reduite=2")}) {
        EXPECT_FALSE(frm.ddeServer().Execute(command)) << command.toStdString();
        expectState(frm, false);
        EXPECT_EQ(frm.reduite(), nullptr);
    }
    press(frm, Path::Button, true);
    EXPECT_FALSE(frm.ddeServer().Execute(QStringLiteral("arret")));
    expectState(frm, true);
    EXPECT_TRUE(log.records.isEmpty());
    EXPECT_EQ(frm.ddeServer().pendingCount(), 0);
}

TEST_F(FrmPrincipaleTest, RemoteStartDuringACallStartsNoOtherCall) {
    FrmPrincipale& frm = window(WeekdayMorning());
    ASSERT_TRUE(frm.ddeServer().Execute(QStringLiteral("Start")));
    tickAfter(30);
    const QTime debut = frm.engine().state().HeureDebut;
    ASSERT_TRUE(frm.ddeServer().Execute(QStringLiteral("START")));
    expectState(frm, true);
    EXPECT_EQ(frm.engine().state().HeureDebut, debut);
    EXPECT_TRUE(log.records.isEmpty());
}

TEST_F(FrmPrincipaleTest, RemoteCommandDuringABusyStretchRunsAfterIt) {
    FrmPrincipale& frm = window(WeekdayMorning());
    {
        const BusyGate::Scope busy(frm.gate());
        EXPECT_TRUE(frm.ddeServer().Execute(QStringLiteral("start")));
        EXPECT_TRUE(frm.ddeServer().Execute(QStringLiteral("pause")) == false);
        EXPECT_EQ(frm.ddeServer().pendingCount(), 1);
        expectState(frm, false);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(frm.ddeServer().pendingCount(), 0);
    expectState(frm, true);
}

TEST_F(FrmPrincipaleTest, TickDuringABusyStretchIsDroppedAndLosesNothing) {
    FrmPrincipale& frm = window(WeekdayMorning());
    press(frm, Path::Menu, true);
    {
        const BusyGate::Scope busy(frm.gate());
        tickAfter(10);
        EXPECT_EQ(frm.engine().dureeText(), QStringLiteral("00:00:00"));
    }
    tickAfter(2);
    EXPECT_EQ(frm.engine().dureeText(), QStringLiteral("00:00:12"));
}

TEST_F(FrmPrincipaleTest, RequestAnswersOnlyTheLinkItem) {
    FrmPrincipale& frm = window(WeekdayMorning());
    EXPECT_EQ(frm.ddeServer().Request(QStringLiteral("TxtDDE")), QStringLiteral("start"));
    EXPECT_TRUE(frm.ddeServer().Request(QStringLiteral("LblAffichageCout")).isEmpty());
}

TEST_F(FrmPrincipaleTest, QuittingDuringACallWritesItsRecordAndSavesTheTotal) {
    FrmPrincipale& frm = window(WeekdayMorning());
    press(frm, Path::Button, true);
    tickAfter(125);
    const QString total = frm.engine().totalText();
    frm.menus().MnuCommandesQuitter->trigger();
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records.first().Total.trimmed(), total);
    EXPECT_EQ(store.read(Sections::Parametres, Keys::CoutTotal),
              LocaleFormats::plainNumber(settings.CoutTotal));
    EXPECT_GT(settings.CoutTotal, 0.f);
    // Closing again ends nothing more.
    frm.close();
    EXPECT_EQ(log.records.size(), 1);
}

TEST_F(FrmPrincipaleTest, QuittingBehindTheCompactWindowStillLogsTheCall) {
    FrmPrincipale& frm = window(WeekdayMorning());
    press(frm, Path::Remote, true);
    ASSERT_TRUE(frm.ddeServer().Execute(QStringLiteral("reduite=1")));
    tickAfter(40);
    // The program told to quit while only the compact window shows: the
    // window's unload runs on the application's way out.
    frm.Form_Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frm.reduite(), nullptr);
    EXPECT_EQ(log.records.size(), 1);
    EXPECT_FALSE(frm.isVisible()) << "the main window is not brought back on the way out";
    EXPECT_EQ(store.read(Sections::Parametres, Keys::FenetreReduitePosH), QStringLiteral("0"));
    frm.close();
    EXPECT_EQ(log.records.size(), 1);
}

TEST_F(FrmPrincipaleTest, SessionEndedByTheSessionManagerLogsTheCallAndSavesTheTotal) {
    FrmPrincipale& frm = window(WeekdayMorning());
    frm.show();
    press(frm, Path::Remote, true);
    ASSERT_TRUE(frm.ddeServer().Execute(QStringLiteral("reduite=1")));
    tickAfter(40);

    // What Qt does when the session manager ends the session: the
    // application is told to quit, which first closes every window.
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records.first().Total.trimmed(), frm.engine().totalText());
    EXPECT_EQ(store.read(Sections::Parametres, Keys::CoutTotal),
              LocaleFormats::plainNumber(settings.CoutTotal));
    EXPECT_GT(settings.CoutTotal, 0.f);

    // The quit also told this test process's event loops to end; one turn
    // of the application's loop clears that for the tests that follow.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

TEST_F(FrmPrincipaleTest, MinimisedWindowShowsCostAndDurationInItsCaption) {
    FrmPrincipale& frm = window(WeekdayMorning());
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Orvalis V3.04"));
    press(frm, Path::Button, true);
    frm.setWindowState(Qt::WindowMinimized);
    tickAfter(312);
    EXPECT_EQ(frm.windowTitle(), frm.engine().coutText() + QStringLiteral(" - 00:05:12"));
    frm.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Orvalis V3.04"));
}

TEST_F(FrmPrincipaleTest, MinimisedWhileIdleKeepsItsTitle) {
    FrmPrincipale& frm = window(WeekdayMorning());
    frm.setWindowState(Qt::WindowMinimized);
    tickAfter(1);
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Orvalis V3.04"));
}

TEST_F(FrmPrincipaleTest, KiosqueMicroShowsItsRatesBesideANarrowNumberList) {
    FrmPrincipale& frm = window(WeekdayMorning());
    auto* types = frm.findChild<QComboBox*>(QStringLiteral("CboCommunication"));
    auto* numbers = frm.findChild<QComboBox*>(QStringLiteral("CboNumero"));
    auto* rates = frm.findChild<QComboBox*>(QStringLiteral("CboTarif"));
    QLabel* heading = frm.LblTextes()[11];

    emit types->activated(types->findText(BasOrvalis::TypeText(CommunicationType::Kiosque)));
    EXPECT_EQ(types->currentText(), BasOrvalis::TypeText(CommunicationType::Kiosque));
    EXPECT_FALSE(rates->isHidden());
    EXPECT_FALSE(heading->isHidden());
    const int narrow = numbers->width();
    EXPECT_GE(narrow, FrmPrincipale::NarrowNumeroWidth);
    EXPECT_GE(narrow, numbers->sizeHint().width()) << "the numbers are shown whole";
    EXPECT_GE(types->width(), types->sizeHint().width()) << "the types are shown whole";
    EXPECT_GT(rates->count(), 0);
    EXPECT_EQ(frm.LblTextes()[9]->text(), QStringLiteral("Numéros Kiosque Micro"));

    emit types->activated(types->findText(BasOrvalis::TypeText(CommunicationType::Audiotel)));
    EXPECT_TRUE(rates->isHidden());
    EXPECT_TRUE(heading->isHidden());
    EXPECT_GE(numbers->width(), FrmPrincipale::WideNumeroWidth);
    EXPECT_GT(numbers->width(), narrow);
}

TEST_F(FrmPrincipaleTest, HourIndicatorIsRedAtFullRateAndBlueAtReducedRate) {
    const auto colourShown = [](QLabel* label) { return label->grab().toImage().pixelColor(3, 3); };
    FrmPrincipale& frm = window(WeekdayMorning());
    EXPECT_EQ(colourShown(frm.LblReduction()[0]), QColor(0xFF, 0x00, 0x00));
    clock.setNow(QDateTime(QDate(2026, 12, 8), QTime(23, 0)));
    frm.Timer1_Timer();
    EXPECT_EQ(colourShown(frm.LblReduction()[0]), QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(frm.LblReduction()[0]->text(), QStringLiteral("50 %"));
}

TEST_F(FrmPrincipaleTest, RemoteCompactCommandsOpenAndCloseTheCompactWindow) {
    FrmPrincipale& frm = window(WeekdayMorning());
    press(frm, Path::Remote, true);
    ASSERT_TRUE(frm.ddeServer().Execute(QStringLiteral("Reduite=1")));
    FrmReduite* compact = frm.reduite();
    ASSERT_NE(compact, nullptr);
    EXPECT_TRUE(compact->isVisible());
    EXPECT_FALSE(frm.isVisible());
    // Opening it again does nothing.
    ASSERT_TRUE(frm.ddeServer().Execute(QStringLiteral("reduite=1")));
    EXPECT_EQ(frm.reduite(), compact);

    ASSERT_TRUE(frm.ddeServer().Execute(QStringLiteral("reduite=0")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frm.reduite(), nullptr);
    EXPECT_TRUE(frm.isVisible());
    expectState(frm, true);
}

TEST_F(FrmPrincipaleTest, JournalMenusReachTheLogViewer) {
    FrmPrincipale& frm = window(WeekdayMorning());
    frm.menus().MnuOpenGestion->trigger();
    ASSERT_EQ(desktop.started.size(), 1);
    EXPECT_EQ(desktop.started.first().arguments, QStringList{QStringLiteral("/G")});
    EXPECT_EQ(desktop.patterns.last(), JournalLauncher::GestionPattern);
}
