// Bars drawn with Qt Charts.
#include "gui/CostChartView.h"

#include "core/StatisticsTexts.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace Journal {

namespace {

// The room kept between two labels, in pixels.
constexpr int LabelGap = 12;

} // namespace

CostChartView::CostChartView(QWidget* parent)
    : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setLocalizeNumbers(true);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    setMinimumHeight(220);
    // The plot's width decides how many labels fit.
    connect(chart(), &QChart::plotAreaChanged, this, &CostChartView::thinLabels);
}

void CostChartView::setBars(const BasJournal::BarChartData& bars) {
    m_bars = bars;
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    m_labels = nullptr;
    m_labelled.clear();
    c->setTitle(bars.title);

    auto* set = new QBarSet(QStringLiteral("Coût"));
    for (const double value : bars.values)
        set->append(value);
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.8);
    c->addSeries(series);

    // The bars stand at 0, 1, 2...; labels go under those that have room.
    m_labels = new QCategoryAxis;
    m_labels->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_labels->setRange(-0.5, std::max<qsizetype>(bars.values.size(), 1) - 0.5);
    m_labels->setGridLineVisible(false);
    c->addAxis(m_labels, Qt::AlignBottom);
    series->attachAxis(m_labels);

    auto* amounts = new QValueAxis;
    const double highest =
        bars.values.isEmpty() ? 0 : *std::max_element(bars.values.cbegin(), bars.values.cend());
    amounts->setRange(0, highest > 0 ? highest : 1);
    amounts->applyNiceNumbers();
    amounts->setLabelFormat(QStringLiteral("%.2f"));
    amounts->setTitleText(QStringLiteral("Coût (F)"));
    c->addAxis(amounts, Qt::AlignLeft);
    series->attachAxis(amounts);

    connect(series, &QBarSeries::hovered, this,
            [this](bool over, int index) { showTip(over, index); });
    thinLabels();
}

const BasJournal::BarChartData& CostChartView::bars() const {
    return m_bars;
}

QList<int> CostChartView::labelledBars() const {
    return m_labelled;
}

void CostChartView::thinLabels() {
    if (!m_labels)
        return;
    const QFontMetrics metrics(m_labels->labelsFont());
    int widest = 0;
    for (const QString& label : m_bars.categories)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const qsizetype count = m_bars.categories.size();
    const qreal plotWidth =
        chart()->plotArea().width() > 0 ? chart()->plotArea().width() : qreal(width() - 80);
    // Every step-th bar is labelled, so that each label has the room of
    // `step` bars.
    const qreal perBar = plotWidth / std::max<qsizetype>(count, 1);
    const int step = std::max(1, int(std::ceil((widest + LabelGap) / std::max(perBar, 1.0))));
    QList<int> labelled;
    for (qsizetype i = 0; i < count; i += step)
        labelled.append(int(i));
    if (labelled == m_labelled)
        return;
    for (const QString& label : m_labels->categoriesLabels())
        m_labels->remove(label);
    for (const int i : labelled)
        m_labels->append(m_bars.categories.at(i), i);
    m_labelled = labelled;
}

void CostChartView::showTip(bool over, int index) {
    if (!over || index < 0 || index >= m_bars.values.size()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(QCursor::pos(),
                       QStringLiteral("%1 : %2 F")
                           .arg(m_bars.tips.value(index),
                                BasJournal::StatisticsTexts::amountText(m_bars.values.at(index))),
                       this);
}

} // namespace Journal
