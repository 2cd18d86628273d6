// A message box of its own: the monitor has no window to put it over.
#include "tray/MessageBoxMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace Surveillance {

void MessageBoxMessages::information(const QString& title, const QString& text) {
    QApplication::beep();
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

} // namespace Surveillance
