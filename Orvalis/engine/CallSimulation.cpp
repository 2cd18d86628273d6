// A call run second by second on a settable clock.
#include "engine/CallSimulation.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/ToSingle.h"

using namespace BasOrvalis;

CallSimulation::CallSimulation(const Settings& settings, SettingsStore& store,
                               const QDateTime& start, bool answerYes)
    : m_settings(settings)
    , m_startDate(StartDateOf(start.date()))
    , m_joursFeries(ComputeHolidays(start.date().year()))
    , m_clock(start)
    , m_answerYes(answerYes)
    , m_engine(m_settings, m_startDate, m_joursFeries, store, m_clock, *this, *this, nullptr) {
    QObject::connect(&m_engine, &CallEngine::callStarted, &m_engine, [this] { onStarted(); });
    QObject::connect(&m_engine, &CallEngine::callStopped, &m_engine, [this] { onStopped(); });
}

bool CallSimulation::select(CommunicationType type, const QString& number, const QString& rate,
                            QString& error) {
    if (!m_engine.CboCommunication_Click(type)) {
        error = QStringLiteral("type de communication non proposé : « %1 »").arg(TypeText(type));
        return false;
    }
    const int index = static_cast<int>(m_engine.selection().numbers().indexOf(number));
    if (!m_engine.CboNumero_Click(index)) {
        error = QStringLiteral("numéro non proposé pour ce type : « %1 »").arg(number);
        return false;
    }
    if (rate.isEmpty())
        return true;
    const QStringList& rates = m_engine.selection().rates();
    for (int i = 0; i < rates.size(); ++i) {
        if (ToSingle(rates.at(i)) == ToSingle(rate))
            return m_engine.CboTarif_Click(i);
    }
    error = QStringLiteral("tarif non proposé pour ce numéro : « %1 »").arg(rate);
    return false;
}

void CallSimulation::run(const QDateTime& end) {
    m_engine.CalculPlagesHoraires();
    m_engine.StartStop(true);
    while (m_clock.now() < end) {
        m_clock.advance(1);
        m_engine.Timer1_Timer();
    }
    m_stoppingAtEnd = true;
    m_engine.StartStop(false);
}

int CallSimulation::ShowMessage(int titleNumber, int buttons, int messageNumber, int secondNumber,
                                const QStringList&) {
    if (m_awaitingStopMessage && !m_calls.isEmpty()) {
        m_calls.last().stoppedBy = ShownMessage{titleNumber, buttons, messageNumber, secondNumber};
        m_awaitingStopMessage = false;
    }
    return m_answerYes ? MessageAnswer::Yes : MessageAnswer::No;
}

bool CallSimulation::append(const CallRecord& record, const QDateTime&, WriteFailure*) {
    m_lastRecord = record;
    return true;
}

QVector<CallRecord> CallSimulation::recordsOfMonth(const QDateTime&) const {
    return {};
}

void CallSimulation::onStarted() {
    m_awaitingStopMessage = false;
    m_lastRecord.reset();
    SimulatedCall call;
    call.start = m_clock.now();
    m_calls.append(call);
}

void CallSimulation::onStopped() {
    SimulatedCall& call = m_calls.last();
    const CallState& state = m_engine.state();
    call.stop = m_clock.now();
    call.cost = state.CoutAppel;
    call.duration = m_engine.duree();
    call.record = m_lastRecord;
    const CommunicationType type = m_engine.selection().type();
    if (type == CommunicationType::ForfaitLocal)
        call.remaining = m_settings.TempsForfaitLocal;
    else if (type == CommunicationType::LibreAcces)
        call.remaining = m_settings.TempsLibreAcces;
    m_awaitingStopMessage = !m_stoppingAtEnd;
}
