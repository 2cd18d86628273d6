// A tariff engine on a settable clock for the tests.
#include "engine/EngineFixture.h"

#include "BasOrvalis/LoadSettings.h"

using namespace BasOrvalis;

QDateTime At(int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

EngineFixture::EngineFixture()
    : clock(At(2026, 12, 8, 10, 0)) {}

CallEngine& EngineFixture::engine() {
    if (!m_engine) {
        m_startDate = StartDateOf(clock.now().date());
        m_joursFeries = ComputeHolidays(clock.now().date().year());
        m_engine = std::make_unique<CallEngine>(settings, m_startDate, m_joursFeries, store, clock,
                                                messages, log, &host);
    }
    return *m_engine;
}

void EngineFixture::startCall(BasOrvalis::CommunicationType type, const QString& number,
                              const QDateTime& at, int rateIndex) {
    clock.setNow(at);
    CallEngine& calls = engine();
    ASSERT_TRUE(calls.CboCommunication_Click(type)) << TypeText(type).toStdString();
    ASSERT_TRUE(
        calls.CboNumero_Click(static_cast<int>(calls.selection().numbers().indexOf(number))))
        << number.toStdString();
    if (!calls.selection().rates().isEmpty()) {
        ASSERT_TRUE(calls.CboTarif_Click(rateIndex));
    }
    calls.Timer1_Timer();
    calls.CmdStart_Stop_Click();
    m_callStart = at;
}

void EngineFixture::runFor(int seconds) {
    for (int i = 0; i < seconds; ++i) {
        clock.advance(1);
        engine().Timer1_Timer();
    }
}

CallEngine& EngineFixture::restartAt(const QDateTime& now, RecoveryFile* recovery,
                                     PendingFile* pending) {
    clock.setNow(now);
    m_restartedSettings = LoadSettings(store);
    m_restartDate = StartDateOf(now.date());
    m_restartHolidays = ComputeHolidays(now.date().year());
    m_restarted = std::make_unique<CallEngine>(
        m_restartedSettings, m_restartDate, m_restartHolidays, store, clock, messages, log, &host);
    m_restarted->setRecoveryFile(recovery);
    m_restarted->setPendingFile(pending);
    m_restarted->Form_Load();
    return *m_restarted;
}

void EngineFixture::tickAt(int seconds) {
    clock.setNow(m_callStart.addSecs(seconds));
    engine().Timer1_Timer();
}
