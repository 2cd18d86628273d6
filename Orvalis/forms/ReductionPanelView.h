// The reductions panel of the main window: its title LblTextes(10), the
// headings LblTextes(5..7) and the three indicators LblReduction(0..2), the
// first one on pure red or pure blue.
#pragma once

#include "engine/ReductionPanel.h"

#include <QWidget>

#include <array>
#include <map>

class QGridLayout;
class QLabel;

namespace Orvalis {

class ReductionPanelView final : public QWidget {
    Q_OBJECT

public:
    explicit ReductionPanelView(QWidget* parent = nullptr);

    void display(const ReductionPanel& panel);

    // LblTextes(5), (6), (7) over the indicators and LblTextes(10), the title.
    QLabel* LblTextes(int index) const { return m_LblTextes.at(index); }
    // LblReduction(0..2).
    const std::array<QLabel*, 3>& LblReduction() const { return m_LblReduction; }

    static QColor colourOf(IndicatorColour colour);

private:
    void placeFirstColumn(int span);

    QGridLayout* m_grid;
    // LblTextes(5), (6), (7) and (10).
    std::map<int, QLabel*> m_LblTextes;
    std::array<QLabel*, 3> m_LblReduction{};
};

} // namespace Orvalis
