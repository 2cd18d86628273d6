// The discount-hours window and its placing against the main window.
#include "forms/FrmHoraires.h"

#include "forms/HorairesPicture.h"
#include "forms/PointerCursor.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Orvalis {

FrmHoraires::FrmHoraires(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmHoraires"));
    setWindowTitle(QStringLiteral("Avantages horaires"));
    setModal(true);

    auto* column = new QVBoxLayout(this);
    column->addWidget(new HorairesPicture(this), 0, Qt::AlignHCenter);
    auto* lblDate = new QLabel(QStringLiteral("A partir du 01/03/99"), this);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    column->addWidget(lblDate, 0, Qt::AlignHCenter);
    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setCursor(PointerCursor::hand());
    cmdOk->setDefault(true);
    column->addWidget(cmdOk, 0, Qt::AlignHCenter);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    if (parent) {
        adjustSize();
        // The frame is not known before the window is shown: take the main
        // window's frame margins for this one's.
        const QRect mainFrame = parent->frameGeometry();
        const int margins = mainFrame.height() - parent->geometry().height();
        const QPoint corner = placeAgainst(mainFrame, QSize(width(), height() + margins));
        move(corner);
    }
}

QPoint FrmHoraires::placeAgainst(const QRect& mainFrame, const QSize& ownFrame) {
    return QPoint(mainFrame.left(), mainFrame.top() + mainFrame.height() - ownFrame.height());
}

} // namespace Orvalis
