// The statistics window of a journal or of a period.
#include "gui/FrmStatistiques.h"

#include "core/CostCharts.h"
#include "core/PeriodLogs.h"
#include "core/StatisticsTexts.h"
#include "core/WhatIf.h"
#include "gui/CostChartView.h"
#include "gui/JournalIcons.h"
#include "gui/PeriodChooser.h"
#include "gui/StatisticsTable.h"
#include "platform/LocaleFormats.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace Journal {

namespace {

using namespace BasJournal::StatisticsTexts;
using BasJournal::StatisticsPeriod;
using StatisticsTable::Cell;
using StatisticsTable::number;

const QString Computing = QStringLiteral("Calcul en cours...");

QVector<Cell> totalsCells(const QString& what, const BasJournal::CallTotals& totals) {
    return {StatisticsTable::text(what), number(QLocale().toString(totals.calls), totals.calls),
            number(durationText(totals.seconds), double(totals.seconds)),
            number(amountText(totals.cost), totals.cost)};
}

QGroupBox* framed(const QString& title, QWidget* content) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

} // namespace

FrmStatistiques::FrmStatistiques(const QString& caption, BasJournal::JournalRows rows,
                                 const QString& logFolder, const BasOrvalis::Settings& settings,
                                 QWidget* parent)
    : FrmStatistiques(caption, std::move(rows), StatisticsPeriod(), logFolder, settings, parent) {}

FrmStatistiques::FrmStatistiques(const StatisticsPeriod& period, const QString& logFolder,
                                 const BasOrvalis::Settings& settings, QWidget* parent)
    : FrmStatistiques(QString(), BasJournal::JournalRows(), period, logFolder, settings, parent) {}

FrmStatistiques::FrmStatistiques(const QString& caption, BasJournal::JournalRows rows,
                                 const StatisticsPeriod& period, const QString& logFolder,
                                 const BasOrvalis::Settings& settings, QWidget* parent)
    : QDialog(parent, Qt::Window)
    , m_caption(caption)
    , m_rows(std::move(rows))
    , m_logFolder(logFolder)
    , m_settings(settings)
    , m_stop(std::make_shared<std::atomic_bool>(false))
    , m_period(new PeriodChooser(!caption.isEmpty(), period, QDate::currentDate()))
    , m_lblResume(new QLabel(Computing))
    , m_tabs(new QTabWidget)
    , m_chartJours(new CostChartView)
    , m_chartHeures(new CostChartView)
    , m_tblTypes(StatisticsTable::create(QStringLiteral("tblTypes"),
                                         {QStringLiteral("Type de communication"),
                                          QStringLiteral("Appels"), QStringLiteral("Durée"),
                                          QStringLiteral("Coût")},
                                         0))
    , m_tblDistances(StatisticsTable::create(QStringLiteral("tblDistances"),
                                             {QStringLiteral("Distance"), QStringLiteral("Appels"),
                                              QStringLiteral("Durée"), QStringLiteral("Coût")},
                                             0))
    , m_tblPlusChers(StatisticsTable::create(
          QStringLiteral("tblPlusChers"),
          {QStringLiteral("Journal"), QStringLiteral("N°"), QStringLiteral("Date"),
           QStringLiteral("Type de Communication"), QStringLiteral("Début"),
           QStringLiteral("Durée"), QStringLiteral("Coût")},
          3))
    , m_tblIllisibles(StatisticsTable::create(
          QStringLiteral("tblIllisibles"),
          {QStringLiteral("Journal"), QStringLiteral("N°"), QStringLiteral("Raison")}, 2))
    , m_lblEtSi(new QLabel(Computing))
    , m_tblEtSi(
          StatisticsTable::create(QStringLiteral("tblEtSi"),
                                  {QStringLiteral("Type de communication"),
                                   QStringLiteral("Appels"), QStringLiteral("Coût enregistré"),
                                   QStringLiteral("Aurait coûté"), QStringLiteral("Économie")},
                                  0)) {
    setObjectName(QStringLiteral("FrmStatistiques"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(JournalIcons::programIcon());

    m_period->setObjectName(QStringLiteral("PeriodChooser"));
    m_lblResume->setObjectName(QStringLiteral("lblResume"));
    m_lblResume->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblResume->setWordWrap(true);
    m_chartJours->setObjectName(QStringLiteral("chartJours"));
    m_chartHeures->setObjectName(QStringLiteral("chartHeures"));
    m_tabs->setObjectName(QStringLiteral("tabStatistiques"));
    m_tabs->addTab(createChartsPage(), QStringLiteral("Graphiques"));
    m_tabs->addTab(createSharesPage(), QStringLiteral("Répartition"));
    m_tabs->addTab(m_tblPlusChers, QStringLiteral("Les dix appels les plus chers"));
    m_tabs->addTab(m_tblIllisibles, QStringLiteral("Lignes illisibles"));
    m_tabs->addTab(createWhatIfPage(), QStringLiteral("Et si..."));

    auto* cmdFermer = new QPushButton(QStringLiteral("Fermer"));
    cmdFermer->setObjectName(QStringLiteral("cmdFermer"));
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdFermer);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_period);
    layout->addWidget(m_lblResume);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    resize(900, 720);

    // Figures of a period no longer chosen are dropped.
    connect(&m_figures, &QFutureWatcher<Figures>::finished, this, [this] {
        if (m_figures.result().period == m_period->period())
            showFigures(m_figures.result());
    });
    connect(&m_repricing, &QFutureWatcher<Repricing::Totals>::finished, this, [this] {
        if (m_ready)
            showWhatIf(m_repricing.result());
    });
    connect(m_period, &PeriodChooser::periodChanged, this, &FrmStatistiques::compute);
    compute(period);
}

FrmStatistiques::~FrmStatistiques() {
    *m_stop = true;
}

void FrmStatistiques::followJournal(BasJournal::JournalRows rows) {
    m_rows = std::move(rows);
    // A period of the folder changes only when it covers the log's month.
    const StatisticsPeriod& period = m_period->period();
    const QDate month = BasJournal::PeriodLogs::monthOf(m_caption);
    const Repricing::DayRange& days = period.days();
    const bool covered = month.isValid() && (!days.last.isValid() || month <= days.last) &&
                         (!days.first.isValid() || month.addMonths(1) > days.first);
    if (period.kind() == StatisticsPeriod::Kind::Journal || covered)
        compute(period);
}

FrmStatistiques* FrmStatistiques::showPeriod(QWidget* frame, const QString& logFolder,
                                             const BasOrvalis::Settings& settings) {
    auto* window = frame->findChild<FrmStatistiques*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new FrmStatistiques(
            StatisticsPeriod::holding(StatisticsPeriod::Kind::Month, QDate::currentDate()),
            logFolder, settings, frame);
        window->show();
    }
    window->raise();
    window->activateWindow();
    return window;
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

void FrmStatistiques::compute(const StatisticsPeriod& period) {
    // A computation of the period before ends early; its figures are dropped.
    *m_stop = true;
    m_stop = std::make_shared<std::atomic_bool>(false);
    m_ready = m_whatIfReady = false;
    m_lblResume->setText(Computing);
    m_lblEtSi->setText(Computing);
    m_tabs->setEnabled(false);
    const bool journal = period.kind() == StatisticsPeriod::Kind::Journal;
    setWindowTitle(QStringLiteral("Statistiques - %1").arg(journal ? m_caption : period.text()));
    // The task keeps copies of what it reads: a window closed meanwhile
    // leaves it to end on its own.
    m_figures.setFuture(QtConcurrent::run([journal, caption = m_caption, rows = m_rows,
                                           folder = m_logFolder, period, settings = m_settings,
                                           stop = m_stop, locale = QLocale()] {
        Figures figures;
        figures.period = period;
        const Repricing::DayRange& days = period.days();
        if (stop->load())
            return figures;
        if (journal) {
            figures.logs = {{caption, rows.fileBytes()}};
        } else {
            BasJournal::PeriodLogs::ReadLogs read = BasJournal::PeriodLogs::read(
                BasJournal::PeriodLogs::covering(folder, days, locale));
            figures.logs = std::move(read.logs);
            figures.failures = std::move(read.failures);
        }
        figures.statistics = BasJournal::JournalStatistics::compute(figures.logs, days, settings,
                                                                    locale, stop.get());
        return figures;
    }));
}

void FrmStatistiques::showFigures(const Figures& figures) {
    const BasJournal::JournalStatistics& statistics = figures.statistics;
    const QLocale locale;
    const bool journal = m_period->period().kind() == StatisticsPeriod::Kind::Journal;
    QStringList lines;
    if (!journal)
        lines << (statistics.files.isEmpty()
                      ? QStringLiteral("Aucun journal pour cette période.")
                      : QStringLiteral("Journaux lus : %1")
                            .arg(statistics.files.join(QStringLiteral(", "))));
    lines << (statistics.total.calls == 0
                  ? QStringLiteral("Aucun appel dans %1.")
                        .arg(journal ? QStringLiteral("ce journal")
                                     : QStringLiteral("cette période"))
                  : QStringLiteral("Appels : %1     Durée totale : %2     Coût total : %3")
                        .arg(locale.toString(statistics.total.calls),
                             durationText(statistics.total.seconds),
                             amountText(statistics.total.cost)));
    if (statistics.resets > 0 || !statistics.unread.isEmpty())
        lines << QStringLiteral("Non comptés : remises à zéro du total : %1     lignes "
                                "illisibles : %2")
                     .arg(locale.toString(statistics.resets),
                          locale.toString(statistics.unread.size()));
    m_lblResume->setText(lines.join(QLatin1Char('\n')));
    if (journal)
        m_period->setAnchor(statistics.period.first);
    m_chartJours->setBars(BasJournal::CostCharts::costOverTime(statistics));
    m_chartHeures->setBars(BasJournal::CostCharts::costByHour(statistics));
    showShares(statistics);
    showDearest(statistics);
    showUnread(statistics);
    m_tabs->setEnabled(true);
    m_ready = true;
    emit ready();
    if (!figures.failures.isEmpty()) {
        auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                                    QStringLiteral("Ces journaux n'ont pas pu être lus ; les "
                                                   "chiffres sont ceux des autres :\n%1")
                                        .arg(figures.failures.join(QLatin1Char('\n'))),
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
    m_repricing.setFuture(
        QtConcurrent::run([logs = figures.logs, days = m_period->period().days(),
                           settings = m_settings, stop = m_stop, locale = QLocale()] {
            return stop->load() ? Repricing::Totals()
                                : BasJournal::WhatIf::reprice(logs, days, settings, locale);
        }));
}

void FrmStatistiques::showShares(const BasJournal::JournalStatistics& statistics) {
    QVector<QVector<Cell>> types;
    for (const auto& type : statistics.byType)
        types.append(totalsCells(BasOrvalis::TypeText(type.key), type.totals));
    StatisticsTable::fill(m_tblTypes, types);
    QVector<QVector<Cell>> bands;
    for (const auto& band : statistics.byBand)
        bands.append(totalsCells(bandText(band.key), band.totals));
    StatisticsTable::fill(m_tblDistances, bands);
}

void FrmStatistiques::showDearest(const BasJournal::JournalStatistics& statistics) {
    QVector<QVector<Cell>> rows;
    for (const BasJournal::DearCall& call : statistics.dearest) {
        const QString start =
            call.startSecond
                ? LocaleFormats::longTime(QTime::fromMSecsSinceStartOfDay(*call.startSecond * 1000))
                : call.debut;
        rows.append({StatisticsTable::text(statistics.files.at(call.place.log)),
                     number(QString::number(call.place.index), call.place.index),
                     number(LocaleFormats::shortDate(call.date), double(call.date.toJulianDay())),
                     StatisticsTable::text(call.libelle),
                     number(start, call.startSecond.value_or(-1)),
                     number(durationText(call.seconds), call.seconds),
                     number(amountText(call.cost), call.cost)});
    }
    StatisticsTable::fill(m_tblPlusChers, rows);
}

void FrmStatistiques::showUnread(const BasJournal::JournalStatistics& statistics) {
    QVector<QVector<Cell>> rows;
    for (const BasJournal::UnreadRecord& record : statistics.unread)
        rows.append({StatisticsTable::text(statistics.files.at(record.place.log)),
                     number(QString::number(record.place.index), record.place.index),
                     StatisticsTable::text(record.reason)});
    StatisticsTable::fill(m_tblIllisibles, rows);
}

void FrmStatistiques::showWhatIf(const Repricing::Totals& totals) {
    const QLocale locale;
    m_lblEtSi->setText(
        QStringLiteral("Ce que les appels auraient coûté avec chaque type de communication, aux "
                       "tarifs de la configuration : chaque type est comparé au coût enregistré "
                       "des seuls appels qu'il tarifie (Numéris Itoo les appels locaux, Forfait "
                       "Local les appels locaux passés dans ses heures).\nAppels re-tarifés : %1"
                       "     Enregistrements écartés (remises à zéro, numéros sans distance ou "
                       "lignes illisibles) : %2")
            .arg(locale.toString(totals.calls), locale.toString(totals.skipped)));
    QVector<QVector<Cell>> rows;
    for (const Repricing::AlternativeTotal& total : totals.alternatives) {
        const double saving = BasJournal::WhatIf::saving(total);
        rows.append({StatisticsTable::text(BasOrvalis::TypeText(total.type)),
                     number(locale.toString(total.calls), total.calls),
                     number(amountText(total.logged), total.logged),
                     number(amountText(total.cost), total.cost),
                     number(amountText(saving), saving)});
    }
    StatisticsTable::fill(m_tblEtSi, rows);
    m_whatIfReady = true;
    emit whatIfReady();
}

} // namespace Journal
