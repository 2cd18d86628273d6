// Folders of an end-to-end test made full or read-only for a while, as a
// disk would: a small tmpfs or a read-only bind mount over them, in a mount
// namespace of the test process's own, which the programs it starts inherit.
// Needs root (CI runs as root); elsewhere the tests that need it are
// skipped with the reason.
#pragma once

#include <QString>

namespace PrivateMounts {

// Empty when the test process can mount in a namespace of its own (entered
// at the first call); otherwise why it cannot.
QString unavailableReason();

// A tmpfs of `kibibytes` over `folder`, which it hides until unmounted.
bool mountSmallFolder(const QString& folder, int kibibytes);
// The folder, as it is, read-only until unmounted.
bool makeReadOnly(const QString& folder);
bool unmount(const QString& folder);

// Fills the file system of `folder` with a file of that name until the
// system refuses a byte more.
bool fill(const QString& filler);

} // namespace PrivateMounts
