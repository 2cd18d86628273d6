// The window of a configuration dialog: it hides the main window while it is
// shown and shows it again when it closes, whatever closes it.
#pragma once

#include <QPointer>
#include <QWidget>

class ConfigWindow : public QWidget {
    Q_OBJECT

protected:
    // The caption is the string-table text `captionNumber`; the window is
    // released when it closes.
    ConfigWindow(QWidget* mainWindow, int captionNumber);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
};
