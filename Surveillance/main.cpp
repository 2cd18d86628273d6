// Tavelnor, the modem monitor. Until its watcher exists it only holds its
// single-instance lock and waits in the event loop.
#include "platform/SingleInstance.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SingleInstance instance(QStringLiteral("Tavelnor"));
    if (!instance.acquire())
        return 0;
    return app.exec();
}
