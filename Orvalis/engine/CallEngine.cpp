// The call in progress of the calculator and the procedures of its main
// window that do not touch widgets.
#include "engine/CallEngine.h"

#include "engine/AutoReset.h"
#include "engine/PremiumRates.h"
#include "engine/StandardTariff.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/CommunicationLists.h"
#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/MoneyTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/StoredText.h"
#include "platform/LocaleFormats.h"

#include <algorithm>

using namespace BasOrvalis;

namespace {

constexpr int SecondsPerDay = 24 * 3600;

} // namespace

CallEngine::CallEngine(Settings& settings, const StartDate& startDate, const Holidays& joursFeries,
                       SettingsStore& store, const Clock& clock, MessagePresenter& messages,
                       CallLogSink& log, EngineHost* host, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_startDate(startDate)
    , m_joursFeries(joursFeries)
    , m_store(store)
    , m_clock(clock)
    , m_messages(messages)
    , m_host(host)
    , m_recorder(settings, store, log, messages)
    , m_budget(settings, m_recorder, clock, messages)
    , m_keeper(settings, messages, m_recorder, m_budget)
    , m_selection(settings) {
    connect(&m_budget, &BudgetWatch::warned, this, &CallEngine::budgetWarning);
    AfficherReductions();
}

void CallEngine::Form_Load() {
    m_recorder.resume(m_clock.now());
    recoverInterruptedCall();
    CalculPlagesHoraires();
    FillCommunicationTypes();
    Timer1_Timer();
    InitMoisForfaitLocal();
    InitMoisLibreAcces();
    VerifierRazAuto();
    emit changed();
}

void CallEngine::Form_Unload() {
    // A call in progress is logged as if stopped now, the total saved with it.
    if (m_state.EnCours) {
        endCall();
        return;
    }
    saveTotal(m_selection.type(), m_tempsRestant);
    m_recorder.retry();
}

void CallEngine::Timer1_Timer() {
    CalculPlagesHoraires();
    if (m_state.EnCours) {
        // The call is priced on the time really elapsed since its start, so
        // a late tick, midnight or a change of the clock to summer time
        // neither loses nor adds a second; the display wraps after 24 hours.
        const QDateTime now = m_clock.now();
        const qint64 elapsed = std::max<qint64>(0, m_debut.secsTo(now));
        m_duree = QTime(0, 0).addSecs(static_cast<int>(elapsed % SecondsPerDay));
        m_state.DureeSecondes = static_cast<float>(elapsed);
        priceCall();
        updateTotal();
        if (m_state.EnCours && m_keeper.due(now))
            m_keeper.keep(callInProgress(now));
    }
    checkBudget();
    emit changed();
}

void CallEngine::StartStop(bool start) {
    // Starting a running call or stopping an idle one would log a call twice.
    if (start == m_state.EnCours)
        return;
    // The state changes first: while a message on a refused write waits
    // within the stop, the ticks and the end of the program find the call
    // over and neither price nor log it again.
    m_state.EnCours = start;
    if (start)
        beginCall();
    else
        endCall();
    if (start)
        emit callStarted();
    else
        emit callStopped();
    emit changed();
}

void CallEngine::beginCall() {
    const QDateTime now = m_clock.now();
    m_debut = now;
    m_state.HeureDebut = now.time();
    m_state.TotalAuDebut = m_settings.CoutTotal;
    m_state.PartsCout = {};
    m_state.Unites = {};
    m_state.SecondesTemporalis = {};
    // A call refused at its first tick adds nothing to the total, and a call
    // stopped before its first tick logs its own displays, not the last
    // call's.
    m_state.CoutAppel = 0.f;
    m_state.DureeSecondes = 0.f;
    m_duree = QTime(0, 0);
    m_keeper.begin(callInProgress(now));
}

void CallEngine::endCall() {
    const CallInProgress call = callInProgress(m_clock.now());
    m_keeper.keepAtStop(call);
    m_budget.countCall(call.call.end, call.call.cost);
    saveTotal(call.call.type, m_tempsRestant);
    if (const auto record = BuildCallRecord(call.call))
        m_recorder.append(*record, call.call.end);
    // While what the stop wrote waits in memory alone, the kept call stays:
    // a crash loses nothing, and the next start finds its record logged or
    // logs it, once.
    if (!m_recorder.waitsInMemoryAlone())
        m_keeper.forget();
}

CallSummary CallEngine::callSummary(const QDateTime& end) const {
    CallSummary call;
    call.type = m_selection.type();
    call.number = m_selection.number();
    call.persoNumero = m_settings.PersoNumero;
    call.start = m_debut;
    call.end = end;
    call.duration = m_duree;
    call.cost = m_state.CoutAppel;
    call.total = m_settings.CoutTotal;
    call.plageNuit = m_state.PlageNuit;
    return call;
}

CallInProgress CallEngine::callInProgress(const QDateTime& end) const {
    return {callSummary(end), m_state.TotalAuDebut, m_tempsRestant};
}

void CallEngine::recoverInterruptedCall() {
    switch (m_keeper.recover(m_clock.now())) {
    case CallKeeper::Recovery::Nothing:
        break;
    case CallKeeper::Recovery::Logged:
        // The total display shows the call's cost under the message.
        emit changed();
        m_messages.ShowMessage(230, MessageStyle::Information, 330, 430);
        break;
    case CallKeeper::Recovery::Unreadable:
        m_messages.ShowMessage(231, MessageStyle::Exclamation, 331, 431);
        break;
    }
}

void CallEngine::releaseButton() {
    StartStop(false);
}

void CallEngine::CmdStart_Stop_Click() {
    StartStop(!m_state.EnCours);
}

void CallEngine::MnuCommandesStart_Click() {
    if (!m_state.EnCours)
        StartStop(true);
}

void CallEngine::MnuCommandesStop_Click() {
    if (m_state.EnCours)
        StartStop(false);
}

void CallEngine::Form_LinkExecute(RemoteControl::Command command) {
    if (command == RemoteControl::Command::Stop) {
        MnuCommandesStop_Click();
        return;
    }
    // The lists are locked during a call: the call goes on as chosen.
    if (command != RemoteControl::Command::Start || m_state.EnCours)
        return;
    CboCommunication_Click(m_settings.TypeDefaut);
    m_selection.selectNumber(m_settings.NumeroDefaut);
    if (m_selection.type() == CommunicationType::Kiosque)
        RemplirTarifsKiosque();
    MnuCommandesStart_Click();
}

void CallEngine::FillCommunicationTypes() {
    m_selection.FillTypes();
    if (!ValidateDefaultSelection(m_settings, m_messages)) {
        CboCommunication_Click(CommunicationType::FaitesUneSelection);
        return;
    }
    CboCommunication_Click(m_settings.TypeDefaut);
    if (m_settings.TypeDefaut != CommunicationType::FaitesUneSelection)
        CboNumero_Click(static_cast<int>(m_selection.numbers().indexOf(m_settings.NumeroDefaut)));
}

bool CallEngine::CboCommunication_Click(CommunicationType type) {
    if (!m_selection.selectType(type))
        return false;
    AfficherReductions();
    if (type == CommunicationType::Kiosque)
        RemplirTarifsKiosque();
    emit changed();
    return true;
}

bool CallEngine::CboNumero_Click(int index) {
    if (!m_selection.selectNumber(index))
        return false;
    if (m_selection.type() == CommunicationType::Kiosque)
        RemplirTarifsKiosque();
    emit changed();
    return true;
}

bool CallEngine::CboTarif_Click(int index) {
    if (!m_selection.selectRate(index))
        return false;
    emit changed();
    return true;
}

void CallEngine::CalculPlagesHoraires() {
    TariffEngine::CalculPlagesHoraires(m_state, m_clock.now(), m_joursFeries, m_selection.type(),
                                       m_selection.number(), m_settings.PersoReductions);
    TariffEngine::ShowHourReduction(m_panel, m_state.DiviseurReduit);
}

void CallEngine::AfficherReductions() {
    switch (m_selection.type()) {
    case CommunicationType::ForfaitLocal:
        m_tempsRestant = m_settings.TempsForfaitLocal;
        break;
    case CommunicationType::LibreAcces:
        m_tempsRestant = m_settings.TempsLibreAcces;
        break;
    default:
        m_tempsRestant = QTime();
        break;
    }
    m_panel = TariffEngine::AfficherReductions(m_selection.type(), m_state.DiviseurReduit,
                                               m_tempsRestant);
    TariffEngine::ShowHourReduction(m_panel, m_state.DiviseurReduit);
}

void CallEngine::RemplirTarifsKiosque() {
    const TariffEngine::KiosqueRates rates =
        TariffEngine::RemplirTarifsKiosque(m_selection.number());
    m_selection.setRates(rates.rates);
    if (!rates.title.isEmpty())
        m_panel.title = rates.title;
}

void CallEngine::InitMoisForfaitLocal() {
    renewPackage({m_settings.AboForfaitLocal, m_settings.MoisForfaitLocal,
                  m_settings.TempsForfaitLocal, QTime(6, 0), Keys::MoisForfaitLocal,
                  Keys::TempsForfaitLocal, 217, 319, CommunicationType::ForfaitLocal});
}

void CallEngine::InitMoisLibreAcces() {
    renewPackage({m_settings.AboLibreAcces, m_settings.MoisLibreAcces, m_settings.TempsLibreAcces,
                  QTime(20, 0), Keys::MoisLibreAcces, Keys::TempsLibreAcces, 220, 323,
                  CommunicationType::LibreAcces});
}

void CallEngine::renewPackage(const Package& package) {
    if (package.abonnement != 1)
        return;
    const int month = m_startDate.MoisDemarrage;
    if (package.mois == 0) {
        package.mois = month;
        SaveSetting(m_store, m_settings, Sections::ServicesFt, package.moisKey);
        return;
    }
    if (package.mois == month)
        return;
    package.temps = package.full;
    package.mois = month;
    SaveSetting(m_store, m_settings, Sections::ServicesFt, package.moisKey);
    SaveSetting(m_store, m_settings, Sections::ServicesFt, package.tempsKey);
    m_messages.ShowMessage(package.title, MessageStyle::Information, package.line, 0);
    if (m_selection.type() == package.type)
        AfficherReductions();
    emit changed();
}

void CallEngine::VerifierRazAuto() {
    if (!TariffEngine::RazDue(m_settings, m_startDate, m_clock.now().date()))
        return;
    m_settings.CoutTotal = 0.f;
    WriteResetRecord();
    m_recorder.store(
        {{Sections::Parametres, Keys::CoutTotal, StoredText::fromResetTotal(m_settings.CoutTotal)},
         m_recorder.storedValueOf(Sections::Parametres, Keys::DerniereRaz)});
    m_messages.ShowMessage(211, MessageStyle::Information, 311, 0);
    emit changed();
}

void CallEngine::checkBudget() {
    m_budget.check(m_state.EnCours ? m_state.CoutAppel : 0.f);
}

void CallEngine::AfficherTotal() {
    emit changed();
}

void CallEngine::WriteResetRecord() {
    const QDateTime now = m_clock.now();
    m_recorder.append(BuildResetRecord(now.date()), now);
}

void CallEngine::updateTotal() {
    if (m_state.EnCours)
        m_settings.CoutTotal = m_state.TotalAuDebut + m_state.CoutAppel;
}

void CallEngine::refreshCombined(int temporalisSlice) {
    m_panel.indicators[2].text = TariffEngine::CombinedReduction(
        m_selection.type(), m_state.DiviseurReduit, temporalisSlice);
}

void CallEngine::saveTotal(CommunicationType type, const QTime& tempsRestant) {
    m_recorder.saveTotal(type, tempsRestant, m_budget.storedValues());
}

QString CallEngine::coutText() const {
    return CostDisplayText(m_state.CoutAppel);
}

QString CallEngine::dureeText() const {
    return LocaleFormats::clockText(m_duree);
}

QString CallEngine::totalText() const {
    return TotalDisplayText(m_settings.CoutTotal);
}

QString CallEngine::minimisedCaption() const {
    return coutText() + QStringLiteral(" - ") + dureeText();
}

QString CallEngine::buttonCaption() const {
    return m_state.EnCours ? QStringLiteral("Stop") : QStringLiteral("Start");
}

QString CallEngine::ddeText() const {
    return RemoteControl::statusText(m_state.EnCours ? RemoteControl::Status::Busy
                                                     : RemoteControl::Status::Idle);
}

CommandStates CallEngine::commands() const {
    return {!m_state.EnCours, m_state.EnCours};
}
