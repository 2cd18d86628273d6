// Writing what a file holds through to the disk (fsync), so that what the
// programs report written survives a power cut.
#pragma once

#include <QString>

class QFileDevice;

namespace DiskSync {

// Flushes an open file and waits until the disk holds it. False when the
// file is not open or the system refuses.
bool flush(QFileDevice& file);

// The same for a file or a folder by its path: a folder is synced after a
// file in it was renamed or removed, so that the change of its entries
// lasts too.
bool syncPath(const QString& path);

// The folder that holds `path`, synced.
bool syncFolderOf(const QString& path);

} // namespace DiskSync
