// The search dialog "Rechercher": a value, the column searched and the zone
// (the active journal window or every open one); the matching rows become a
// search result.
#pragma once

#include "core/JournalRows.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QLineEdit;
class QPushButton;
namespace BasJournal {
class JournalModel;
}

namespace Journal {

class FrmRecherche final : public QDialog {
    Q_OBJECT

public:
    // `all` are the open journals by increasing index, `active` one of them.
    FrmRecherche(const BasJournal::JournalModel* active,
                 QVector<const BasJournal::JournalModel*> all, QWidget* parent = nullptr);

    // The rows found by the last successful search, in the order found.
    const BasJournal::JournalRows& matches() const;

private:
    QWidget* createColumnChoice();
    QWidget* createZoneChoice();
    void RunSearch();

    const BasJournal::JournalModel* m_active;
    QVector<const BasJournal::JournalModel*> m_all;
    BasJournal::JournalRows m_matches;
    QButtonGroup* m_optType;
    QButtonGroup* m_optZone;
    QLineEdit* m_txtValeur;
    // 0 "&Rechercher", 1 "&Annuler".
    std::array<QPushButton*, 2> m_cmdBouton;
};

} // namespace Journal
