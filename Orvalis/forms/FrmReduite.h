// The compact window: the cost, duration and total of the main window in a
// small window above all others, placed where the user left it last time.
#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class SettingsStore;

namespace Orvalis {

class FrmReduite final : public QWidget {
    Q_OBJECT

public:
    // The three texts to mirror: cost, duration, total.
    using Displays = std::function<std::array<QString, 3>()>;

    // Placed from the store at once; the displays are read immediately and
    // every 900 ms.
    FrmReduite(SettingsStore& store, Displays displays, QWidget* parent = nullptr);

    // The position kept in the store ("Pos.H" the top, "Pos.V" the left), or
    // the top right corner of the screen when none is kept.
    QPoint storedPosition() const;

    QLabel* LblAffichageCout() const { return m_LblAffichageCout; }
    QLabel* LblAffichageDuree() const { return m_LblAffichageDuree; }
    QLabel* LblAffichageTotal() const { return m_LblAffichageTotal; }
    QTimer& Timer1() { return m_Timer1; }
    // One tick: the three displays copied as they stand.
    void Timer1_Timer();

signals:
    // The window has been closed and its position saved.
    void closed();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SettingsStore& m_store;
    Displays m_displays;
    QLabel* m_LblAffichageCout;
    QLabel* m_LblAffichageDuree;
    QLabel* m_LblAffichageTotal;
    QTimer m_Timer1;
};

} // namespace Orvalis
