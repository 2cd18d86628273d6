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

    QLabel* LblAffichageCout() const { return m_cout; }
    QLabel* LblAffichageDuree() const { return m_duree; }
    QLabel* LblAffichageTotal() const { return m_total; }
    // "Coût Instantané", "Durée", "Coût Total".
    const std::array<QLabel*, 3>& headings() const { return m_headings; }

private:
    QLabel* m_cout;
    QLabel* m_duree;
    QLabel* m_total;
    std::array<QLabel*, 3> m_headings{};
};

} // namespace Orvalis
