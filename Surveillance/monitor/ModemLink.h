// The dial-up link as the kernel shows it: a PPP interface under the sysfs
// network folder that is up and running.
#pragma once

#include <QString>

class ModemLink final {
public:
    // $ORVALIS_SYSFS_NET when set, else /sys/class/net.
    static QString systemFolder();

    explicit ModemLink(const QString& netFolder = systemFolder());

    // True while a PPP interface (type 512) is up (IFF_UP in its flags) and
    // running (IFF_RUNNING in its flags, or its operational state "up" or
    // "unknown"). Anything that cannot be read counts as disconnected.
    bool IsModemConnected() const;

private:
    QString m_netFolder;
};
