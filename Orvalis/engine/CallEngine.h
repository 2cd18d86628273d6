// The calculator's call in progress: the one-second tick, the single
// start/stop procedure, the pricing procedure of each type, the displays and
// panel of the main window, the monthly renewals of the packages and the
// automatic reset of the total. Widget-free: the main window shows what it
// reads here and forwards its events to the methods named after them.
//
// Use: build it with the program's settings, start date, holidays, store,
// clock, message presenter, log sink and host; give it the recovery file
// when the calls must outlive a crash; call Form_Load() once, then
// Timer1_Timer() every second; connect changed() to refresh the window;
// Form_Unload() when the program ends.
#pragma once

#include "engine/BudgetWatch.h"
#include "engine/CallKeeper.h"
#include "engine/CallLogSink.h"
#include "engine/CallRecorder.h"
#include "engine/CallSelection.h"
#include "engine/CallState.h"
#include "engine/Clock.h"
#include "engine/EngineHost.h"
#include "engine/RecoveryFile.h"
#include "engine/ReductionPanel.h"

#include "BasOrvalis/Holidays.h"
#include "BasOrvalis/Messages.h"
#include "BasOrvalis/Settings.h"
#include "platform/SettingsStore.h"

#include "common/RemoteControl.h"

#include <QObject>
#include <QString>

// Enabled state of the commands (ActiverCommandes).
struct CommandStates {
    // MnuConfigGenerale, MnuConfigFT, MnuCommandesStart, CboNumero,
    // CboCommunication, CboTarif.
    bool idleCommands = true;
    // MnuCommandesStop.
    bool stopCommand = false;
};

class CallEngine final : public QObject {
    Q_OBJECT

public:
    // `host` may be null (no services dialog to open).
    CallEngine(BasOrvalis::Settings& settings, const BasOrvalis::StartDate& startDate,
               const BasOrvalis::Holidays& joursFeries, SettingsStore& store, const Clock& clock,
               BasOrvalis::MessagePresenter& messages, CallLogSink& log, EngineHost* host,
               QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CallEngine)

    // The call in progress is kept in `file` while it runs (see CallKeeper),
    // and the file is removed when it ends; a call that a calculator killed
    // before its end left there is logged by Form_Load. Without a file (null,
    // the default) nothing is kept.
    void setRecoveryFile(RecoveryFile* file) { m_keeper.setRecoveryFile(file); }
    // The records and store values that the disk refuses wait in `file`
    // until it takes them (see CallRecorder); without one, while the program
    // runs.
    void setPendingFile(PendingFile* file) { m_recorder.setPendingFile(file); }

    // --- Window events -------------------------------------------------
    // The load of the window: what waits for the disk written, a call left
    // by a calculator that did not end normally logged, displays, hour ranges, type list with the
    // default selection, one tick, the monthly renewals, the automatic reset.
    void Form_Load();
    // The end of the program: saves the total and the remaining package
    // time, logs a call still in progress and writes what waits.
    void Form_Unload();
    // One tick: the hour ranges, then, during a call, duration, pricing and
    // displays, then the watch of the monthly budget. The duration is the
    // time elapsed since the start, so a late tick loses nothing.
    void Timer1_Timer();
    // The single start (true) / stop (false) of a call; every path ends here.
    void StartStop(bool start);
    // The button pressed by the user: "Start" starts, "Stop" stops.
    void CmdStart_Stop_Click();
    // The menus and DDE set the button's value: nothing when it already has it.
    void MnuCommandesStart_Click();
    void MnuCommandesStop_Click();
    // A remote "start" or "stop"; the compact window is the window's own.
    void Form_LinkExecute(RemoteControl::Command command);

    // --- Selections ----------------------------------------------------
    // Fills the type list and selects the defaults of Settings (message
    // 215/315/415 and "Faites une sélection" when one is no longer offered).
    void FillCommunicationTypes();
    // Selects a type: its numbers, the rate list for Kiosque Micro, the
    // panel. False when the type is not offered.
    bool CboCommunication_Click(BasOrvalis::CommunicationType type);
    // Selects a number: the rate list for Kiosque Micro.
    bool CboNumero_Click(int index);
    bool CboTarif_Click(int index);
    const CallSelection& selection() const { return m_selection; }

    // --- Procedures under their own names --------------------------------
    void CalculPlagesHoraires();
    void AfficherReductions();
    void RemplirTarifsKiosque();
    void CalculStandard();
    void CalculPrimaliste();
    void CalculPrimalisteInternet();
    void CalculTemporalis();
    void CalculNumeris();
    void CalculPerso();
    void CalculForfaitLocal();
    void CalculLibreAcces();
    void CalculKiosque();
    void CalculAudiotel();
    // True when the number shown is configured; otherwise stops the call and
    // offers to open the services dialog on `page`.
    bool VerifierNumero(int page);
    void InitMoisForfaitLocal();
    void InitMoisLibreAcces();
    void VerifierRazAuto();

    // --- What the window shows ------------------------------------------
    const CallState& state() const { return m_state; }
    bool EnCours() const { return m_state.EnCours; }
    // The duration shown: the time elapsed since the start of the call,
    // wrapping after 24 hours.
    const QTime& duree() const { return m_duree; }
    // LblAffichageCout "0.000", LblAffichageDuree "hh:mm:ss",
    // LblAffichageTotal "0.00", in the user's locale.
    QString coutText() const;
    QString dureeText() const;
    QString totalText() const;
    // Shows Settings.CoutTotal in the total display, after the configuration
    // changed or reset the total.
    void AfficherTotal();
    // Appends the record of a reset of the total made now, as a call's.
    void WriteResetRecord();
    // The caption of the minimised window: cost " - " duration.
    QString minimisedCaption() const;
    // "Start" or "Stop"; the button is pressed while a call is in progress.
    QString buttonCaption() const;
    bool buttonPressed() const { return m_state.EnCours; }
    // TxtDDE: "start" when idle, "stop" during a call.
    QString ddeText() const;
    const ReductionPanel& panel() const { return m_panel; }
    CommandStates commands() const;
    // The remaining time of the package shown in LblReduction(1).
    const QTime& tempsRestant() const { return m_tempsRestant; }

signals:
    // Displays, panel, selections or state changed.
    void changed();
    void callStarted();
    void callStopped();
    // The month's spending, `spent` francs, has reached `share` percent (80
    // or 100) of `budget` francs.
    void budgetWarning(int share, double spent, double budget);

private:
    // A package's hours, remaining time and messages.
    struct Forfait {
        bool inHours;
        // The time left when the call started.
        const QTime& temps;
        int outTitle, outLine, outSecond;
        int emptyTitle, emptyLine, emptySecond;
        // Libre @cces refreshes its number list and panel before the
        // standard call takes over.
        bool refreshFirst;
    };
    // A package's subscription, month and time, renewed each month.
    struct Package {
        int abonnement;
        int& mois;
        QTime& temps;
        QTime full;
        const QString& moisKey;
        const QString& tempsKey;
        int title, line;
        BasOrvalis::CommunicationType type;
    };

    void beginCall();
    void endCall();
    // The call in progress as the stop would log it at `end`.
    BasOrvalis::CallSummary callSummary(const QDateTime& end) const;
    CallInProgress callInProgress(const QDateTime& end) const;
    // The call left in the recovery file logged; each outcome told.
    void recoverInterruptedCall();
    // Releases the button: the call stops through StartStop once.
    void releaseButton();
    void priceCall();
    // During a call the total holds the cost so far.
    void updateTotal();
    void refreshCombined(int temporalisSlice = 0);
    // The total, the package time left of `type` and the month's spending,
    // stored together.
    void saveTotal(BasOrvalis::CommunicationType type, const QTime& tempsRestant);
    void calculForfait(const Forfait& forfait);
    // The watch of the monthly budget (BudgetWatch), the call in progress
    // included; its warnings are sent as budgetWarning().
    void checkBudget();

    void renewPackage(const Package& package);

    BasOrvalis::Settings& m_settings;
    const BasOrvalis::StartDate& m_startDate;
    const BasOrvalis::Holidays& m_joursFeries;
    SettingsStore& m_store;
    const Clock& m_clock;
    BasOrvalis::MessagePresenter& m_messages;
    EngineHost* m_host;
    CallRecorder m_recorder;
    BudgetWatch m_budget;
    CallKeeper m_keeper;

    CallState m_state;
    // Date and time at which the call started.
    QDateTime m_debut;
    CallSelection m_selection;
    ReductionPanel m_panel;
    QTime m_duree{0, 0};
    // The package's time left, while a package type is shown.
    QTime m_tempsRestant;
};
