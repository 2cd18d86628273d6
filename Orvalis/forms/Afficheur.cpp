// The displays in large type on a dark panel, as a pocket calculator shows
// them.
#include "forms/Afficheur.h"

#include <QGridLayout>
#include <QLabel>

namespace Orvalis {

namespace {

QLabel* makeDisplay(const QString& name, const QString& tip, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setToolTip(tip);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    label->setFont(font);
    label->setMinimumWidth(110);
    return label;
}

} // namespace

Afficheur::Afficheur(QWidget* parent)
    : QFrame(parent)
    , m_LblAffichageCout(makeDisplay(QStringLiteral("LblAffichageCout"),
                                     QStringLiteral("Affichage du Coût de l'appel"), this))
    , m_LblAffichageDuree(makeDisplay(QStringLiteral("LblAffichageDuree"),
                                      QStringLiteral("Affichage durée de l'appel"), this))
    , m_LblAffichageTotal(makeDisplay(QStringLiteral("LblAffichageTotal"),
                                      QStringLiteral("Affichage du Coût Total de vos appels"),
                                      this)) {
    setObjectName(QStringLiteral("PicAfficheur"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x10, 0x30, 0x10));
    palette.setColor(QPalette::WindowText, QColor(0x60, 0xFF, 0x60));
    setPalette(palette);

    auto* grid = new QGridLayout(this);
    const std::array<QString, 3> headings{QStringLiteral("Coût Instantané"),
                                          QStringLiteral("Durée"), QStringLiteral("Coût Total")};
    const std::array<QLabel*, 3> displays{m_LblAffichageCout, m_LblAffichageDuree,
                                          m_LblAffichageTotal};
    for (std::size_t i = 0; i < displays.size(); ++i) {
        const int column = static_cast<int>(i);
        m_LblTextes[i] = new QLabel(headings[i], this);
        m_LblTextes[i]->setObjectName(QStringLiteral("LblTextes_%1").arg(column));
        m_LblTextes[i]->setAlignment(Qt::AlignCenter);
        grid->addWidget(m_LblTextes[i], 0, column);
        grid->addWidget(displays[i], 1, column);
    }
}

void Afficheur::display(const QString& cout, const QString& duree, const QString& total) {
    m_LblAffichageCout->setText(cout);
    m_LblAffichageDuree->setText(duree);
    m_LblAffichageTotal->setText(total);
}

} // namespace Orvalis
