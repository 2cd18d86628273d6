// fsync on files and folders.
#include "platform/DiskSync.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace DiskSync {

bool flush(QFileDevice& file) {
    return file.isOpen() && file.flush() && ::fsync(file.handle()) == 0;
}

bool syncPath(const QString& path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

bool syncFolderOf(const QString& path) {
    return syncPath(QFileInfo(path).absolutePath());
}

} // namespace DiskSync
