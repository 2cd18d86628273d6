// The month's spending, its warnings and their keys in the store.
#include "engine/BudgetWatch.h"

#include "BasOrvalis/MonthlyBudget.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/StoredText.h"

using namespace BasOrvalis;

BudgetWatch::BudgetWatch(Settings& settings, CallRecorder& recorder, const Clock& clock,
                         MessagePresenter& messages, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_recorder(recorder)
    , m_clock(clock)
    , m_messages(messages) {}

void BudgetWatch::countCall(const QDateTime& end, float cost) {
    followMonth(end.date());
    m_settings.DepensesMois += cost;
}

void BudgetWatch::countRecoveredCall(const QDateTime& end, float cost, float storedTotal,
                                     float callTotal) {
    // Compared as stored, so that the text's rounding does not count it twice.
    if (StoredText::fromSingle(storedTotal) != StoredText::fromSingle(callTotal))
        countCall(end, cost);
}

void BudgetWatch::check(float inProgress) {
    followMonth(m_clock.now().date());
    const float spent = m_settings.DepensesMois + inProgress;
    const int share = BudgetShare(spent, m_settings.BudgetMensuel);
    if (share == m_settings.AlerteBudget)
        return;
    const bool reached = share > m_settings.AlerteBudget;
    m_settings.AlerteBudget = share;
    save();
    if (!reached)
        return;
    const BudgetAlert alert{share, spent, *m_settings.BudgetMensuel};
    const ShownMessage message = BudgetMessage(alert);
    m_messages.ShowNotice(message.title, message.buttons, message.line, message.second,
                          message.arguments);
    emit warned(alert.share, alert.spent, alert.budget);
}

QVector<StoredValue> BudgetWatch::storedValues() const {
    QVector<StoredValue> values;
    for (const QString* key : {&Keys::MoisBudget, &Keys::DepensesMois, &Keys::AlerteBudget})
        values.append(m_recorder.storedValueOf(Sections::Parametres, *key));
    return values;
}

void BudgetWatch::save() {
    m_recorder.store(storedValues());
}

void BudgetWatch::followMonth(const QDate& day) {
    const QDate month(day.year(), day.month(), 1);
    if (m_settings.MoisBudget == month)
        return;
    m_settings.MoisBudget = month;
    m_settings.DepensesMois = 0.f;
    m_settings.AlerteBudget = 0;
}
