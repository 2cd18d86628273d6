// The reductions panel of the main window: its title LblTextes(10), the
// headings LblTextes(5..7) and the three indicators LblReduction(0..2), the
// first one on pure red or pure blue.
#pragma once

#include "engine/ReductionPanel.h"

#include <QWidget>

#include <array>

class QGridLayout;
class QLabel;

namespace Orvalis {

class ReductionPanelView final : public QWidget {
    Q_OBJECT

public:
    explicit ReductionPanelView(QWidget* parent = nullptr);

    void display(const ReductionPanel& panel);

    QLabel* title() const { return m_title; }
    // LblTextes(5), (6), (7).
    const std::array<QLabel*, 3>& headings() const { return m_headings; }
    // LblReduction(0..2).
    const std::array<QLabel*, 3>& LblReduction() const { return m_indicators; }

    static QColor colourOf(IndicatorColour colour);

private:
    void placeFirstColumn(int span);

    QGridLayout* m_grid;
    QLabel* m_title;
    std::array<QLabel*, 3> m_headings{};
    std::array<QLabel*, 3> m_indicators{};
};

} // namespace Orvalis
