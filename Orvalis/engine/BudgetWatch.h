// The watch of the monthly budget: what the calls of the calendar month
// cost, against the budget. A call counts in the month of its stop, where
// its record goes; the call in progress counts as it runs. The user is told
// once a month when the spending reaches 80 %, then 100 %, of the budget;
// a new month starts from nothing, whatever the total, and a reset of the
// total changes nothing.
#pragma once

#include "engine/CallRecorder.h"
#include "engine/Clock.h"

#include "BasOrvalis/Messages.h"
#include "BasOrvalis/Settings.h"

#include <QDateTime>
#include <QObject>

class BudgetWatch final : public QObject {
    Q_OBJECT

public:
    BudgetWatch(BasOrvalis::Settings& settings, CallRecorder& recorder, const Clock& clock,
                BasOrvalis::MessagePresenter& messages, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(BudgetWatch)

    // A call that stopped at `end`, for `cost` francs, counted in the
    // month of `end`. Kept in memory until save().
    void countCall(const QDateTime& end, float cost);
    // A call that a calculator killed during its stop left to recover: it
    // was counted already when the store holds the total with it
    // (`storedTotal` equals `callTotal`), else it is counted now.
    void countRecoveredCall(const QDateTime& end, float cost, float storedTotal, float callTotal);
    // The month's spending, `inProgress` (the cost so far of the call in
    // progress) included, against the budget: a share newly reached is
    // told in a notice that holds nothing up and sent with warned(); a
    // share left (a budget raised, a new month) makes its warning due
    // again. The warnings given are stored, so a new start does not repeat
    // them.
    void check(float inProgress);
    // The month, its spending and the warnings given, as stored.
    QVector<StoredValue> storedValues() const;

signals:
    // The month's spending, `spent` francs, has reached `share` percent
    // (80 or 100) of `budget` francs.
    void warned(int share, double spent, double budget);

private:
    // A day of another month than the budget's starts that month's count.
    void followMonth(const QDate& day);
    void save();

    BasOrvalis::Settings& m_settings;
    CallRecorder& m_recorder;
    const Clock& m_clock;
    BasOrvalis::MessagePresenter& m_messages;
};
