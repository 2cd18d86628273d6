// Configuration windows and the main window they stand in for.
#include "ConfigWindow.h"

#include "StringTable.h"

#include <QCloseEvent>
#include <QShowEvent>

ConfigWindow::ConfigWindow(QWidget* mainWindow, int captionNumber)
    : QWidget(nullptr, Qt::Window)
    , m_mainWindow(mainWindow) {
    // The pictures are compiled into the dialogs' static library.
    Q_INIT_RESOURCE(config);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(StringTable::text(captionNumber));
}

void ConfigWindow::showEvent(QShowEvent* event) {
    if (m_mainWindow != nullptr)
        m_mainWindow->hide();
    QWidget::showEvent(event);
}

void ConfigWindow::closeEvent(QCloseEvent* event) {
    // Shown before this window goes, so that the program does not take it
    // for its last window.
    if (m_mainWindow != nullptr)
        m_mainWindow->show();
    QWidget::closeEvent(event);
}
