// A bar chart of costs: one bar per category, the amounts in the user's
// notation, the amount of a bar shown when the mouse is over it.
#pragma once

#include "core/CostCharts.h"

#include <QChartView>

namespace Journal {

class CostChartView final : public QChartView {
    Q_OBJECT

public:
    explicit CostChartView(QWidget* parent = nullptr);

    void setBars(const BasJournal::BarChartData& bars);
    const BasJournal::BarChartData& bars() const;

private:
    BasJournal::BarChartData m_bars;
};

} // namespace Journal
