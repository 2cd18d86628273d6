// The period of the statistics window: its kind ("Ce journal", "Mois",
// "Trimestre", "Année", "Du ... au ..."), its first and last days, and the
// buttons that step to the period before or after.
#pragma once

#include "core/StatisticsPeriod.h"

#include <QTimer>
#include <QWidget>

class QComboBox;
class QDateEdit;
class QToolButton;

namespace Journal {

class PeriodChooser final : public QWidget {
    Q_OBJECT

public:
    // `withJournal`: the window shows a journal, offered first as "Ce
    // journal". `anchor`: the day the other kinds of period start from.
    PeriodChooser(bool withJournal, const BasJournal::StatisticsPeriod& period, const QDate& anchor,
                  QWidget* parent = nullptr);

    const BasJournal::StatisticsPeriod& period() const;
    // The day that a month, a quarter or a year chosen next will hold.
    void setAnchor(const QDate& day);

signals:
    void periodChanged(const BasJournal::StatisticsPeriod& period);

private:
    void kindChosen();
    void dateEdited(bool first);
    void choose(const BasJournal::StatisticsPeriod& period);
    // The widgets as the period tells, without a signal.
    void showPeriod();

    BasJournal::StatisticsPeriod m_period;
    QDate m_anchor;
    QComboBox* m_cboPeriode;
    QDateEdit* m_dtpDu;
    QDateEdit* m_dtpAu;
    QToolButton* m_cmdPrecedent;
    QToolButton* m_cmdSuivant;
    // Typed dates take effect once the typing pauses.
    QTimer m_typing;
    bool m_typingFirst = true;
};

} // namespace Journal
