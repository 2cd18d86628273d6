// The log viewer as the other programs reach it on the session bus: one
// viewer per session, which takes the command line of any later start.
#pragma once

#include <QString>
#include <QStringList>

namespace JournalViewer {

inline const QString ServiceName = QStringLiteral("org.orvalis.Journal");
inline const QString ObjectPath = QStringLiteral("/FrmPrincipale");
inline const QString InterfaceName = QStringLiteral("org.orvalis.Journal");
// CommandLine(as arguments) -> b: what the viewer does when started with
// these arguments; false for a command line it refuses.
inline const QString CommandLineMethod = QStringLiteral("CommandLine");

// Hands the command line to the running viewer; false when no viewer runs
// on the session bus or it did not take the command line.
bool handOver(const QStringList& arguments);

} // namespace JournalViewer
