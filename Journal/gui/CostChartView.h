// A bar chart of costs: one bar per category, the amount axis titled with
// its unit, as many category labels as fit side by side at the chart's
// width (every second one, third one... when they do not all fit), and the
// bar's full name and amount shown when the mouse is over it.
#pragma once

#include "core/CostCharts.h"

#include <QChartView>

class QCategoryAxis;

namespace Journal {

class CostChartView final : public QChartView {
    Q_OBJECT

public:
    explicit CostChartView(QWidget* parent = nullptr);

    void setBars(const BasJournal::BarChartData& bars);
    const BasJournal::BarChartData& bars() const;
    // The categories labelled at the present width, by their place.
    QList<int> labelledBars() const;

private:
    void thinLabels();
    void showTip(bool over, int index);

    BasJournal::BarChartData m_bars;
    QCategoryAxis* m_labels = nullptr;
    QList<int> m_labelled;
};

} // namespace Journal
