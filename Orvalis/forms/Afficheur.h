// The frame of the three displays of the main window (PicAfficheur): the cost
// of the call so far, its duration and the running total, under their
// headings LblTextes(0..2).
#pragma once

#include <QFrame>

#include <array>

class QLabel;

namespace Orvalis {

class Afficheur final : public QFrame {
    Q_OBJECT

public:
    explicit Afficheur(QWidget* parent = nullptr);

    void display(const QString& cout, const QString& duree, const QString& total);

    QLabel* LblAffichageCout() const { return m_LblAffichageCout; }
    QLabel* LblAffichageDuree() const { return m_LblAffichageDuree; }
    QLabel* LblAffichageTotal() const { return m_LblAffichageTotal; }
    // LblTextes(0..2): "Coût Instantané", "Durée", "Coût Total".
    const std::array<QLabel*, 3>& LblTextes() const { return m_LblTextes; }

private:
    QLabel* m_LblAffichageCout;
    QLabel* m_LblAffichageDuree;
    QLabel* m_LblAffichageTotal;
    std::array<QLabel*, 3> m_LblTextes{};
};

} // namespace Orvalis
