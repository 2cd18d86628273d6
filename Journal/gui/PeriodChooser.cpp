// Choosing the period of the statistics.
#include "gui/PeriodChooser.h"

#include "platform/LocaleFormats.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>

namespace Journal {

namespace {

using BasJournal::StatisticsPeriod;
using Kind = StatisticsPeriod::Kind;

QDateEdit* createDateEdit(const QString& name) {
    auto* edit = new QDateEdit;
    edit->setObjectName(name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(LocaleFormats::fullYearDateFormat());
    return edit;
}

QToolButton* createStep(const QString& name, Qt::ArrowType arrow, const QString& tip) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setToolTip(tip);
    return button;
}

} // namespace

PeriodChooser::PeriodChooser(bool withJournal, const StatisticsPeriod& period, const QDate& anchor,
                             QWidget* parent)
    : QWidget(parent)
    , m_period(period)
    , m_anchor(anchor)
    , m_cboPeriode(new QComboBox)
    , m_dtpDu(createDateEdit(QStringLiteral("dtpDu")))
    , m_dtpAu(createDateEdit(QStringLiteral("dtpAu")))
    , m_cmdPrecedent(createStep(QStringLiteral("cmdPrecedent"), Qt::LeftArrow,
                                QStringLiteral("Période précédente")))
    , m_cmdSuivant(createStep(QStringLiteral("cmdSuivant"), Qt::RightArrow,
                              QStringLiteral("Période suivante"))) {
    m_cboPeriode->setObjectName(QStringLiteral("cboPeriode"));
    if (withJournal)
        m_cboPeriode->addItem(QStringLiteral("Ce journal"), int(Kind::Journal));
    m_cboPeriode->addItem(QStringLiteral("Mois"), int(Kind::Month));
    m_cboPeriode->addItem(QStringLiteral("Trimestre"), int(Kind::Quarter));
    m_cboPeriode->addItem(QStringLiteral("Année"), int(Kind::Year));
    m_cboPeriode->addItem(QStringLiteral("Du ... au ..."), int(Kind::Dates));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Période :")));
    layout->addWidget(m_cboPeriode);
    layout->addWidget(m_cmdPrecedent);
    layout->addWidget(new QLabel(QStringLiteral("du")));
    layout->addWidget(m_dtpDu);
    layout->addWidget(new QLabel(QStringLiteral("au")));
    layout->addWidget(m_dtpAu);
    layout->addWidget(m_cmdSuivant);
    layout->addStretch();

    m_typing.setSingleShot(true);
    m_typing.setInterval(400);
    showPeriod();
    connect(m_cboPeriode, &QComboBox::currentIndexChanged, this, &PeriodChooser::kindChosen);
    connect(m_cmdPrecedent, &QToolButton::clicked, this, [this] { choose(m_period.shifted(-1)); });
    connect(m_cmdSuivant, &QToolButton::clicked, this, [this] { choose(m_period.shifted(1)); });
    for (QDateEdit* edit : {m_dtpDu, m_dtpAu}) {
        connect(edit, &QDateEdit::dateChanged, this, [this, edit] {
            m_typingFirst = edit == m_dtpDu;
            m_typing.start();
        });
    }
    connect(&m_typing, &QTimer::timeout, this, [this] { dateEdited(m_typingFirst); });
}

const StatisticsPeriod& PeriodChooser::period() const {
    return m_period;
}

void PeriodChooser::setAnchor(const QDate& day) {
    if (!day.isValid())
        return;
    m_anchor = day;
    if (m_period.kind() == Kind::Journal)
        showPeriod();
}

void PeriodChooser::kindChosen() {
    const auto kind = Kind(m_cboPeriode->currentData().toInt());
    if (kind == Kind::Journal) {
        choose(StatisticsPeriod());
        return;
    }
    const QDate from = m_period.kind() == Kind::Journal ? m_anchor : m_period.days().first;
    if (kind == Kind::Dates && m_period.kind() != Kind::Journal)
        choose(StatisticsPeriod::between(m_period.days().first, m_period.days().last));
    else
        choose(StatisticsPeriod::holding(kind, from));
}

void PeriodChooser::dateEdited(bool first) {
    if (m_period.kind() == Kind::Journal)
        return;
    const QDate day = (first ? m_dtpDu : m_dtpAu)->date();
    if (m_period.kind() != Kind::Dates) {
        choose(StatisticsPeriod::holding(m_period.kind(), day));
        return;
    }
    // The other day follows when it would come on the wrong side.
    QDate du = m_dtpDu->date();
    QDate au = m_dtpAu->date();
    if (au < du)
        (first ? au : du) = day;
    choose(StatisticsPeriod::between(du, au));
}

void PeriodChooser::choose(const StatisticsPeriod& period) {
    m_typing.stop();
    const bool changed = !(period == m_period);
    m_period = period;
    showPeriod();
    if (changed)
        emit periodChanged(m_period);
}

void PeriodChooser::showPeriod() {
    const QSignalBlocker blockKind(m_cboPeriode);
    const QSignalBlocker blockDu(m_dtpDu);
    const QSignalBlocker blockAu(m_dtpAu);
    m_cboPeriode->setCurrentIndex(m_cboPeriode->findData(int(m_period.kind())));
    const bool journal = m_period.kind() == Kind::Journal;
    m_dtpDu->setDate(journal ? m_anchor : m_period.days().first);
    m_dtpAu->setDate(journal ? m_anchor : m_period.days().last);
    for (QWidget* widget :
         {static_cast<QWidget*>(m_dtpDu), static_cast<QWidget*>(m_dtpAu),
          static_cast<QWidget*>(m_cmdPrecedent), static_cast<QWidget*>(m_cmdSuivant)})
        widget->setEnabled(!journal);
}

} // namespace Journal
