// The picture of the discount-hours window: the 250 x 77 table of the hours
// at normal (red) and reduced (blue) rate, weekdays and week-ends.
#pragma once

#include <QWidget>

namespace Orvalis {

class HorairesPicture final : public QWidget {
    Q_OBJECT

public:
    explicit HorairesPicture(QWidget* parent = nullptr);

    static constexpr int Width = 250;
    static constexpr int Height = 77;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace Orvalis
