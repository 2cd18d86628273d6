// The PPP interfaces of sysfs and their flags.
#include "monitor/ModemLink.h"

#include <QDir>
#include <QFile>

namespace {

constexpr unsigned ArphrdPpp = 512;
constexpr unsigned IffUp = 0x1;
constexpr unsigned IffRunning = 0x40;

QByteArray readAttribute(const QDir& device, const char* name) {
    QFile file(device.filePath(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

// The number of a sysfs attribute ("512", "0x1091"); false when the file
// cannot be read or holds no number.
bool readNumber(const QDir& device, const char* name, unsigned* value) {
    bool ok = false;
    *value = readAttribute(device, name).toUInt(&ok, 0);
    return ok;
}

// The kernel leaves IFF_RUNNING out of the flags it shows in sysfs: a link
// that runs shows it in its operational state, "up", or "unknown" for a PPP
// link, which reports none.
bool isRunning(const QDir& device, unsigned flags) {
    if (flags & IffRunning)
        return true;
    const QByteArray state = readAttribute(device, "operstate");
    return state == "up" || state == "unknown";
}

} // namespace

QString ModemLink::systemFolder() {
    const QString overridden = qEnvironmentVariable("ORVALIS_SYSFS_NET");
    return overridden.isEmpty() ? QStringLiteral("/sys/class/net") : overridden;
}

ModemLink::ModemLink(const QString& netFolder)
    : m_netFolder(netFolder) {}

bool ModemLink::IsModemConnected() const {
    const QDir folder(m_netFolder);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir device(folder.filePath(name));
        unsigned type = 0;
        unsigned flags = 0;
        if (readNumber(device, "type", &type) && type == ArphrdPpp &&
            readNumber(device, "flags", &flags) && (flags & IffUp) && isRunning(device, flags))
            return true;
    }
    return false;
}
