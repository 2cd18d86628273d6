// The main window fixture.
#include "Orvalis/MainWindowFixture.h"

#include "BasOrvalis/CommunicationTexts.h"

using namespace Orvalis;

QList<WindowSearch::WindowId> RecordingDesktop::FindWindowsByCaption(const QString& pattern) {
    patterns.append(pattern);
    return windows;
}

void RecordingDesktop::ShowWindow(WindowSearch::WindowId window,
                                  WindowSearch::ShowCommand command) {
    shown.append({window, command});
}

bool RecordingDesktop::startProgram(const QString& program, const QStringList& arguments) {
    started.append({program, arguments});
    return true;
}

MainWindowFixture::MainWindowFixture() {
    settings.TypeDefaut = BasOrvalis::CommunicationType::Standard;
    settings.NumeroDefaut = BasOrvalis::Numbers::AppelLocal;
}

FrmPrincipale& MainWindowFixture::window(const QDateTime& now) {
    clock.setNow(now);
    m_startDate = BasOrvalis::StartDateOf(now.date());
    m_joursFeries = BasOrvalis::ComputeHolidays(now.date().year());
    m_window = std::make_unique<FrmPrincipale>(MainWindowContext{
        settings, m_startDate, m_joursFeries, store, clock, log, desktop, &messages});
    m_window->Form_Load();
    // Ticks come from the tests, on the settable clock.
    m_window->Timer1().stop();
    return *m_window;
}

void MainWindowFixture::tickAfter(int seconds) {
    clock.advance(seconds);
    m_window->Timer1_Timer();
}

QDateTime WeekdayMorning() {
    // Tuesday 8 December 2026.
    return QDateTime(QDate(2026, 12, 8), QTime(10, 0));
}
