// The window of a configuration dialog: it hides the main window while it is
// shown and shows it again when it closes, whatever closes it.
#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;
class QTabWidget;

namespace Orvalis {

class ConfigWindow : public QWidget {
    Q_OBJECT

protected:
    // The caption is the string-table text `captionNumber`; the window is
    // released when it closes.
    ConfigWindow(QWidget* mainWindow, int captionNumber);

    // Lays the window out: the tab control above the bar of buttons, with
    // `leading` (when given) at its left, then OK, named `okName`, and
    // Annuler, which closes the window without storing anything, as Escape
    // does. Returns OK.
    QPushButton* layOut(QTabWidget* tabs, const QString& okName, QPushButton* leading = nullptr);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
};

} // namespace Orvalis
