// The calculator's remote control as both ends speak it: where it is on the
// session bus, the item that tells whether a call runs, the four execute
// commands, and the signal of the monthly budget. The words are compared
// here and nowhere else.
#pragma once

#include <QString>

#include <optional>

namespace RemoteControl {

inline const QString ServiceName = QStringLiteral("org.orvalis.Orvalis");
inline const QString ObjectPath = QStringLiteral("/FrmPrincipale");
inline const QString InterfaceName = QStringLiteral("org.orvalis.Dde");
// The link item: "start" while the calculator is idle, "stop" during a call.
inline const QString StatusItem = QStringLiteral("TxtDDE");
// The signal BudgetWarning(i share, d spent, d budget) of the interface,
// sent when what the calls of the month cost, `spent` francs, reaches
// `share` percent (80, then 100) of the monthly budget of `budget` francs.
inline const QString BudgetWarningSignal = QStringLiteral("BudgetWarning");

enum class Command {
    Start,       // "start": a call on the default type and number
    Stop,        // "stop"
    ShowCompact, // "reduite=1"
    HideCompact, // "reduite=0"
};

// Any case; nothing for another word.
std::optional<Command> parseCommand(const QString& text);
// As the monitor sends it: "Start", "Stop", "reduite=1", "reduite=0".
QString commandText(Command command);

enum class Status { Idle, Busy };

// "start" or "stop", in any case; nothing for another answer.
std::optional<Status> parseStatus(const QString& text);
QString statusText(Status status);

} // namespace RemoteControl
