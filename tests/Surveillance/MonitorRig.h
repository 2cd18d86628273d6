// The whole modem monitor without a modem, a bus or a display: its link
// read from a temporary sysfs tree, its options in a temporary store, its
// run-at-logon entry in a temporary folder, a fake calculator and desktop.
#pragma once

#include "monitor/AutostartEntry.h"
#include "monitor/CalculatorFinder.h"
#include "monitor/ConnectionWatcher.h"
#include "monitor/ModemLink.h"
#include "monitor/MonitorMenu.h"
#include "monitor/MonitorOptions.h"
#include "platform/SettingsStore.h"
#include "support/MonitorFakes.h"

#include "BasOrvalis/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Writes a network interface into a sysfs tree: its type, its flags and,
// when given, its operational state.
inline void writeInterface(const QString& netFolder, const QString& name, const QByteArray& type,
                           const QByteArray& flags, const QByteArray& operstate = QByteArray()) {
    const QDir device(QDir(netFolder).filePath(name));
    QDir().mkpath(device.path());
    for (const auto& [attribute, text] :
         {std::pair{"type", type}, std::pair{"flags", flags}, std::pair{"operstate", operstate}}) {
        QFile file(device.filePath(QLatin1String(attribute)));
        if (!text.isNull() && file.open(QIODevice::WriteOnly))
            file.write(text + '\n');
    }
}

struct MonitorRig {
    static inline const QString ProgramFolder = QStringLiteral("/opt/orvalis");
    static constexpr WindowSearch::WindowId CalculatorWindow = 0x400007;

    // The dial-up link ppp0 up and running, or gone.
    void setLink(bool up) {
        if (up)
            writeInterface(netFolder(), QStringLiteral("ppp0"), "512", "0x1091", "unknown");
        else
            QDir(QDir(netFolder()).filePath(QStringLiteral("ppp0"))).removeRecursively();
    }
    // The calculator runs, idle or busy, with its main window.
    void runCalculator(RemoteControl::Status status) {
        client.running = true;
        client.status = status;
        desktop.windows.append({CalculatorWindow, QStringLiteral("Orvalis V3.04"), client.process});
    }
    void storeOption(const char* key, const char* text) {
        store.write(BasOrvalis::Sections::Surveillance, QLatin1String(key), QLatin1String(text));
    }
    QString storedOption(const char* key) const {
        return store.read(BasOrvalis::Sections::Surveillance, QLatin1String(key));
    }
    QString netFolder() const { return folder.filePath(QStringLiteral("net")); }

    QTemporaryDir folder;
    SettingsStore store{folder.filePath(QStringLiteral("Orvalis.ini"))};
    AutostartEntry autostart{ProgramFolder + QStringLiteral("/Tavelnor"),
                             folder.filePath(QStringLiteral("autostart"))};
    RecordedMessages messages;
    MonitorOptions options{store, autostart, messages};
    ModemLink link{netFolder()};
    FakeCalculatorClient client;
    FakeMonitorDesktop desktop;
    CalculatorFinder finder{client, desktop, ProgramFolder};
    ConnectionWatcher watcher{link, finder, client, options};
    MonitorMenu menu{options, watcher, finder};
};
