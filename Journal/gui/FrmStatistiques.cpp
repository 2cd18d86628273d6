// The statistics window of a journal.
#include "gui/FrmStatistiques.h"

#include "core/CostCharts.h"
#include "core/StatisticsTexts.h"
#include "core/WhatIf.h"
#include "gui/CostChartView.h"
#include "gui/JournalIcons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace Journal {

namespace {

using namespace BasJournal::StatisticsTexts;

// A read-only table whose first `textColumns` columns hold texts and the
// others numbers, aligned to the right; the `wide` column takes the room left.
QTableWidget* createTable(const QString& name, const QStringList& headers, int textColumns,
                          int wide) {
    auto* table = new QTableWidget(0, int(headers.size()));
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setProperty("textColumns", textColumns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(wide, QHeaderView::Stretch);
    return table;
}

void fillTable(QTableWidget* table, const QVector<QStringList>& rows) {
    const int textColumns = table->property("textColumns").toInt();
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            auto* item = new QTableWidgetItem(rows[row][column]);
            item->setTextAlignment(Qt::AlignVCenter |
                                   (column < textColumns ? Qt::AlignLeft : Qt::AlignRight));
            table->setItem(row, column, item);
        }
    }
}

QStringList totalsTexts(const QString& what, const BasJournal::CallTotals& totals) {
    return {what, QLocale().toString(totals.calls), durationText(totals.seconds),
            amountText(totals.cost)};
}

QGroupBox* framed(const QString& title, QWidget* content) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

} // namespace

FrmStatistiques::FrmStatistiques(const QString& caption, BasJournal::JournalRows rows,
                                 const BasOrvalis::Settings& settings, QWidget* parent)
    : QDialog(parent, Qt::Window)
    , m_rows(std::move(rows))
    , m_stop(std::make_shared<std::atomic_bool>(false))
    , m_lblResume(new QLabel(QStringLiteral("Calcul en cours...")))
    , m_tabs(new QTabWidget)
    , m_chartJours(new CostChartView)
    , m_chartHeures(new CostChartView)
    , m_tblTypes(createTable(QStringLiteral("tblTypes"),
                             {QStringLiteral("Type de communication"), QStringLiteral("Appels"),
                              QStringLiteral("Durée"), QStringLiteral("Coût")},
                             1, 0))
    , m_tblDistances(createTable(QStringLiteral("tblDistances"),
                                 {QStringLiteral("Distance"), QStringLiteral("Appels"),
                                  QStringLiteral("Durée"), QStringLiteral("Coût")},
                                 1, 0))
    , m_tblPlusChers(createTable(QStringLiteral("tblPlusChers"),
                                 {QStringLiteral("N°"), QStringLiteral("Date"),
                                  QStringLiteral("Type de Communication"), QStringLiteral("Début"),
                                  QStringLiteral("Durée"), QStringLiteral("Coût")},
                                 5, 2))
    , m_lblEtSi(new QLabel(QStringLiteral("Calcul en cours...")))
    , m_tblEtSi(createTable(QStringLiteral("tblEtSi"),
                            {QStringLiteral("Type de communication"), QStringLiteral("Appels"),
                             QStringLiteral("Coût enregistré"), QStringLiteral("Aurait coûté"),
                             QStringLiteral("Économie")},
                            1, 0)) {
    setObjectName(QStringLiteral("FrmStatistiques"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Statistiques - %1").arg(caption));
    setWindowIcon(JournalIcons::programIcon());

    m_lblResume->setObjectName(QStringLiteral("lblResume"));
    m_lblResume->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_chartJours->setObjectName(QStringLiteral("chartJours"));
    m_chartHeures->setObjectName(QStringLiteral("chartHeures"));
    m_tabs->setObjectName(QStringLiteral("tabStatistiques"));
    m_tabs->addTab(createChartsPage(), QStringLiteral("Graphiques"));
    m_tabs->addTab(createSharesPage(), QStringLiteral("Répartition"));
    m_tabs->addTab(m_tblPlusChers, QStringLiteral("Les dix appels les plus chers"));
    m_tabs->addTab(createWhatIfPage(), QStringLiteral("Et si..."));
    m_tabs->setEnabled(false);

    auto* cmdFermer = new QPushButton(QStringLiteral("Fermer"));
    cmdFermer->setObjectName(QStringLiteral("cmdFermer"));
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdFermer);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblResume);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    resize(900, 720);

    // The tasks keep copies of what they read: a window closed meanwhile
    // leaves them to end on their own.
    connect(&m_statistics, &QFutureWatcher<BasJournal::JournalStatistics>::finished, this,
            [this] { showStatistics(m_statistics.result()); });
    m_statistics.setFuture(QtConcurrent::run([rows = m_rows, stop = m_stop, locale = QLocale()] {
        return BasJournal::JournalStatistics::compute(rows, locale, stop.get());
    }));
    connect(&m_repricing, &QFutureWatcher<Repricing::Totals>::finished, this,
            [this] { showWhatIf(m_repricing.result()); });
    m_repricing.setFuture(QtConcurrent::run([rows = m_rows, caption, settings, locale = QLocale()] {
        return BasJournal::WhatIf::reprice(rows, caption, settings, locale);
    }));
}

FrmStatistiques::~FrmStatistiques() {
    *m_stop = true;
}

bool FrmStatistiques::isReady() const {
    return m_ready;
}

bool FrmStatistiques::isWhatIfReady() const {
    return m_whatIfReady;
}

QWidget* FrmStatistiques::createChartsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_chartJours, 1);
    layout->addWidget(m_chartHeures, 1);
    return page;
}

QWidget* FrmStatistiques::createSharesPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(framed(QStringLiteral("Par type de communication"), m_tblTypes));
    layout->addWidget(framed(QStringLiteral("Par distance"), m_tblDistances));
    return page;
}

QWidget* FrmStatistiques::createWhatIfPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_lblEtSi->setObjectName(QStringLiteral("lblEtSi"));
    m_lblEtSi->setWordWrap(true);
    layout->addWidget(m_lblEtSi);
    layout->addWidget(m_tblEtSi, 1);
    return page;
}

void FrmStatistiques::showStatistics(const BasJournal::JournalStatistics& statistics) {
    const QLocale locale;
    QString resume =
        statistics.total.calls == 0
            ? QStringLiteral("Aucun appel dans ce journal.")
            : QStringLiteral("Appels : %1     Durée totale : %2     Coût total : %3")
                  .arg(locale.toString(statistics.total.calls),
                       durationText(statistics.total.seconds), amountText(statistics.total.cost));
    if (statistics.skipped > 0)
        resume += QStringLiteral("\nEnregistrements non comptés (remises à zéro du total ou "
                                 "lignes illisibles) : %1")
                      .arg(locale.toString(statistics.skipped));
    m_lblResume->setText(resume);
    m_chartJours->setBars(BasJournal::CostCharts::costByDay(statistics));
    m_chartHeures->setBars(BasJournal::CostCharts::costByHour(statistics));
    showShares(statistics);
    showDearest(statistics);
    m_tabs->setEnabled(true);
    m_ready = true;
    emit ready();
}

void FrmStatistiques::showShares(const BasJournal::JournalStatistics& statistics) {
    QVector<QStringList> types;
    for (const auto& type : statistics.byType)
        types.append(totalsTexts(BasOrvalis::TypeText(type.key), type.totals));
    fillTable(m_tblTypes, types);
    QVector<QStringList> bands;
    for (const auto& band : statistics.byBand)
        bands.append(totalsTexts(bandText(band.key), band.totals));
    fillTable(m_tblDistances, bands);
}

void FrmStatistiques::showDearest(const BasJournal::JournalStatistics& statistics) {
    QVector<QStringList> rows;
    for (const BasJournal::DearCall& call : statistics.dearest) {
        const CallRecord record = m_rows.record(call.row);
        rows.append({QString::number(call.row + 1), record.Date.trimmed(), record.Libelle.trimmed(),
                     record.HeureDebut.trimmed(), record.Duree.trimmed(), amountText(call.cost)});
    }
    fillTable(m_tblPlusChers, rows);
}

void FrmStatistiques::showWhatIf(const Repricing::Totals& totals) {
    const QLocale locale;
    m_lblEtSi->setText(
        QStringLiteral("Ce que les appels du journal auraient coûté avec chaque type de "
                       "communication, aux tarifs de la configuration : Numéris Itoo ne compte "
                       "que les appels locaux, Forfait Local les appels locaux passés dans ses "
                       "heures.\nAppels re-tarifés : %1     Enregistrements écartés (remises à "
                       "zéro, numéros sans distance ou lignes illisibles) : %2")
            .arg(locale.toString(totals.calls), locale.toString(totals.skipped)));
    QVector<QStringList> rows;
    for (const Repricing::AlternativeTotal& total : totals.alternatives)
        rows.append({BasOrvalis::TypeText(total.type), locale.toString(total.calls),
                     amountText(total.logged), amountText(total.cost),
                     amountText(BasJournal::WhatIf::saving(total))});
    fillTable(m_tblEtSi, rows);
    m_whatIfReady = true;
    emit whatIfReady();
}

} // namespace Journal
