// Where the suite's files live: the program folder and the log folder
// "Journaux", whose entries are matched without regard to case.
#pragma once

#include <QDir>
#include <QString>

namespace AppFolders {

// The folder of the running executable.
QString programFolder();

// The log folder: $ORVALIS_JOURNAUX when set; else "Journaux" beside the
// executables when it exists and can be written; else
// $XDG_DATA_HOME/Orvalis/Journaux.
QString logFolder();

// True for a bare file name: not empty, no path separator, not "." or "..".
bool isBareFileName(const QString& name);

// The path of the entry of `folder` whose name equals `name` without regard
// to case; folder/name when there is none. `name` must be a bare file name.
QString resolveInFolder(const QString& folder, const QString& name);

// Creates the folder (and its parents) when missing; false when it cannot.
bool ensureFolder(const QString& folder);

} // namespace AppFolders
