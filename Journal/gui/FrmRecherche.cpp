// The search dialog.
#include "gui/FrmRecherche.h"

#include "core/JournalSearch.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace Journal {

namespace {

const QString Title = QStringLiteral("Rechercher");
constexpr int ActiveWindow = 0;

} // namespace

FrmRecherche::FrmRecherche(const BasJournal::JournalModel* active,
                           QVector<const BasJournal::JournalModel*> all, QWidget* parent)
    : QDialog(parent)
    , m_active(active)
    , m_all(std::move(all))
    , m_optType(new QButtonGroup(this))
    , m_optZone(new QButtonGroup(this))
    , m_txtValeur(new QLineEdit(this))
    , m_cmdBouton{new QPushButton(QStringLiteral("&Rechercher"), this),
                  new QPushButton(QStringLiteral("&Annuler"), this)} {
    setObjectName(QStringLiteral("FrmRecherche"));
    setWindowTitle(Title);

    auto* lblTexte = new QLabel(QStringLiteral("Rechercher"), this);
    lblTexte->setObjectName(QStringLiteral("lblTexte"));
    lblTexte->setBuddy(m_txtValeur);
    m_txtValeur->setObjectName(QStringLiteral("txtValeur"));
    m_txtValeur->setToolTip(QStringLiteral("Entrez la valeur à rechercher"));
    m_txtValeur->setMinimumWidth(220);

    m_cmdBouton[0]->setObjectName(QStringLiteral("cmdBouton0"));
    m_cmdBouton[0]->setToolTip(QStringLiteral("Lance la recherche"));
    m_cmdBouton[0]->setDefault(true);
    m_cmdBouton[0]->setEnabled(false);
    m_cmdBouton[1]->setObjectName(QStringLiteral("cmdBouton1"));
    m_cmdBouton[1]->setToolTip(QStringLiteral("Annule la recherche"));

    auto* value = new QHBoxLayout;
    value->addWidget(lblTexte);
    value->addWidget(m_txtValeur, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdBouton[0]);
    buttons->addWidget(m_cmdBouton[1]);
    buttons->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addLayout(value, 0, 0, 1, 2);
    layout->addWidget(createColumnChoice(), 1, 0);
    layout->addWidget(createZoneChoice(), 1, 1, Qt::AlignTop);
    layout->addLayout(buttons, 0, 2, 2, 1);

    connect(m_txtValeur, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_cmdBouton[0]->setEnabled(!text.isEmpty()); });
    connect(m_cmdBouton[0], &QPushButton::clicked, this, &FrmRecherche::RunSearch);
    connect(m_cmdBouton[1], &QPushButton::clicked, this, &QDialog::reject);
    m_txtValeur->setFocus();
}

const BasJournal::JournalRows& FrmRecherche::matches() const {
    return m_matches;
}

QWidget* FrmRecherche::createColumnChoice() {
    auto* frame = new QGroupBox(QStringLiteral("Type de recherche"), this);
    frame->setObjectName(QStringLiteral("fraCadres0"));
    auto* layout = new QVBoxLayout(frame);
    const QString captions[] = {
        QStringLiteral("Date"),           QStringLiteral("Type de communication"),
        QStringLiteral("Heure de début"), QStringLiteral("Heure de fin"),
        QStringLiteral("Durée"),          QStringLiteral("Coût")};
    for (int column = 1; column <= 6; ++column) {
        auto* option = new QRadioButton(captions[column - 1], frame);
        option->setObjectName(QStringLiteral("optType%1").arg(column));
        option->setToolTip(QStringLiteral("Selectionnez la colonne de recherche"));
        option->setChecked(column == 1);
        m_optType->addButton(option, column);
        layout->addWidget(option);
    }
    return frame;
}

QWidget* FrmRecherche::createZoneChoice() {
    auto* frame = new QGroupBox(QStringLiteral("Dans"), this);
    frame->setObjectName(QStringLiteral("fraCadres1"));
    auto* layout = new QVBoxLayout(frame);
    const struct {
        QString caption;
        QString tip;
    } zones[] = {
        {QStringLiteral("Fenêtre active"), QStringLiteral("Rechercher dans la fenêtre active")},
        {QStringLiteral("Toutes les fenêtres"),
         QStringLiteral("Rechercher dans toutes les fenêtres")}};
    for (int zone = 0; zone < 2; ++zone) {
        auto* option = new QRadioButton(zones[zone].caption, frame);
        option->setObjectName(QStringLiteral("optZone%1").arg(zone));
        option->setToolTip(zones[zone].tip);
        option->setChecked(zone == ActiveWindow);
        m_optZone->addButton(option, zone);
        layout->addWidget(option);
    }
    return frame;
}

void FrmRecherche::RunSearch() {
    const QString value = m_txtValeur->text();
    const int column = m_optType->checkedId();
    const QVector<const BasJournal::JournalModel*> zone =
        m_optZone->checkedId() == ActiveWindow ? QVector<const BasJournal::JournalModel*>{m_active}
                                               : m_all;
    BasJournal::JournalRows found;
    for (const BasJournal::JournalModel* model : zone)
        BasJournal::SearchGrid(value, column, *model, &found);
    if (found.isEmpty()) {
        QMessageBox::information(
            this, Title, QStringLiteral("Recherche infructueuse, reformulez votre demande."));
        return;
    }
    m_matches = std::move(found);
    accept();
}

} // namespace Journal
