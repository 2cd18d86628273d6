// The calculator's entry point: one copy per user, the start-up of the core
// module, then the main window.
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "StringTable.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    // A second copy leaves at once, without a window, a message or a write.
    SingleInstance instance(QStringLiteral("Orvalis"));
    if (!instance.acquire())
        return 0;

    SettingsStore store;
    const BasOrvalis::StartupState state = BasOrvalis::RunStartup(store, QDate::currentDate());
    Q_UNUSED(state)

    QMainWindow window;
    window.setWindowTitle(StringTable::text(102));
    window.show();
    return app.exec();
}
