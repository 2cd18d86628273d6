// Bars drawn with Qt Charts.
#include "gui/CostChartView.h"

#include "core/StatisticsTexts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>

namespace Journal {

namespace {

// Beyond this many bars the category labels stand upright.
constexpr int UprightLabelsFrom = 16;

} // namespace

CostChartView::CostChartView(QWidget* parent)
    : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setLocalizeNumbers(true);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    setMinimumHeight(220);
}

void CostChartView::setBars(const BasJournal::BarChartData& bars) {
    m_bars = bars;
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes())
        c->removeAxis(axis);
    c->setTitle(bars.title);

    auto* set = new QBarSet(QStringLiteral("Coût"));
    for (const double value : bars.values)
        set->append(value);
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.8);
    c->addSeries(series);

    auto* categories = new QBarCategoryAxis;
    categories->append(bars.categories);
    if (bars.categories.size() >= UprightLabelsFrom)
        categories->setLabelsAngle(-90);
    c->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    auto* amounts = new QValueAxis;
    const double highest =
        bars.values.isEmpty() ? 0 : *std::max_element(bars.values.cbegin(), bars.values.cend());
    amounts->setRange(0, highest > 0 ? highest : 1);
    amounts->applyNiceNumbers();
    amounts->setLabelFormat(QStringLiteral("%.2f"));
    amounts->setTitleText(QStringLiteral("Coût"));
    c->addAxis(amounts, Qt::AlignLeft);
    series->attachAxis(amounts);

    connect(series, &QBarSeries::hovered, this, [this](bool over, int index) {
        if (!over || index < 0 || index >= m_bars.values.size()) {
            QToolTip::hideText();
            return;
        }
        QToolTip::showText(QCursor::pos(),
                           QStringLiteral("%1 : %2").arg(
                               m_bars.categories.value(index),
                               BasJournal::StatisticsTexts::amountText(m_bars.values.at(index))),
                           this);
    });
}

const BasJournal::BarChartData& CostChartView::bars() const {
    return m_bars;
}

} // namespace Journal
