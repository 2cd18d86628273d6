// What the monitor tells outside its menu, as text: the line of the error
// output on a desktop without a notification area, and the notice of a
// connection that is not timed.
#pragma once

#include "monitor/ConnectionWatcher.h"

#include <QString>

class MonitorMenu;

namespace MonitorNotices {

// The monitor works on without its icon; when the run-at-logon option is
// checked, whether it will start at each logon and from which entry, since
// the menu that changes it cannot be reached.
QString noTrayLine(const MonitorMenu& menu);

// The title and text of the notice of a connection that is not timed.
QString notTimedTitle();
QString notTimedText(NotTimedReason reason);

} // namespace MonitorNotices
