// The discount-hours window: the table of the hours at normal and reduced
// rate, read-only, shown modal against the main window.
#pragma once

#include <QDialog>

namespace Orvalis {

class FrmHoraires final : public QDialog {
    Q_OBJECT

public:
    explicit FrmHoraires(QWidget* parent = nullptr);

    // Left edge on the main window's left edge, bottom edge on its bottom
    // edge, even when that puts the window above the screen.
    static QPoint placeAgainst(const QRect& mainFrame, const QSize& ownFrame);
};

} // namespace Orvalis
