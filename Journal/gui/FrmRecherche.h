// The search dialog "Rechercher": a value, the column searched and the zone
// (the active journal window or every open one); the matching rows become a
// search result.
#pragma once

#include "CallRecord.h"

#include <QDialog>
#include <QVector>

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace BasJournal {
class JournalModel;
}

class FrmRecherche final : public QDialog {
    Q_OBJECT

public:
    // `all` are the open journals by increasing index, `active` one of them.
    FrmRecherche(const BasJournal::JournalModel* active,
                 QVector<const BasJournal::JournalModel*> all, QWidget* parent = nullptr);

    // The rows found by the last successful search, in the order found.
    const QVector<CallRecord>& matches() const;

private:
    QWidget* createColumnChoice();
    QWidget* createZoneChoice();
    void RunSearch();

    const BasJournal::JournalModel* m_active;
    QVector<const BasJournal::JournalModel*> m_all;
    QVector<CallRecord> m_matches;
    QButtonGroup* m_optType;
    QButtonGroup* m_optZone;
    QLineEdit* m_txtValeur;
    QPushButton* m_cmdRechercher;
};
