// Mounts of the test process's own namespace.
#include "e2e/PrivateMounts.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace PrivateMounts {

namespace {

QString systemReason(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

// The namespace is entered once; nothing mounted in it reaches the
// machine's, and it ends with the process.
QString enterOwnNamespace() {
    if (geteuid() != 0)
        return QStringLiteral("needs root to mount a full or read-only folder");
    if (unshare(CLONE_NEWNS) != 0)
        return systemReason("unshare(CLONE_NEWNS)");
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return systemReason("mount --make-rprivate /");
    return QString();
}

} // namespace

QString unavailableReason() {
    static const QString reason = enterOwnNamespace();
    return reason;
}

bool mountSmallFolder(const QString& folder, int kibibytes) {
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    return unavailableReason().isEmpty() &&
           mount("orvalis-test", QFile::encodeName(folder).constData(), "tmpfs", 0,
                 options.constData()) == 0;
}

bool makeReadOnly(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    // A bind mount takes "read-only" only when it is mounted again.
    return unavailableReason().isEmpty() &&
           mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0 &&
           mount(nullptr, path.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) ==
               0;
}

bool unmount(const QString& folder) {
    return umount2(QFile::encodeName(folder).constData(), MNT_DETACH) == 0;
}

bool fill(const QString& filler) {
    const int descriptor =
        open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return false;
    const QByteArray block(4096, 'x');
    // Whole pages first, then byte by byte for what is left of the last.
    while (write(descriptor, block.constData(), std::size_t(block.size())) > 0) {
    }
    while (write(descriptor, block.constData(), 1) > 0) {
    }
    const bool full = errno == ENOSPC;
    close(descriptor);
    return full;
}

} // namespace PrivateMounts
