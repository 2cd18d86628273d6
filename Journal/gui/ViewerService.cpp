// The viewer's bus service.
#include "gui/ViewerService.h"

#include "core/CommandLine.h"
#include "desktop/JournalViewer.h"
#include "gui/FrmPrincipale.h"

#include <QDate>
#include <QTimer>

namespace Journal {

ViewerService::ViewerService(FrmPrincipale& frame, QObject* parent)
    : QObject(parent)
    , m_frame(frame) {}

bool ViewerService::registerOn(QDBusConnection connection) {
    if (!connection.isConnected())
        return false;
    if (!connection.registerObject(JournalViewer::ObjectPath, this,
                                   QDBusConnection::ExportScriptableSlots))
        return false;
    return connection.registerService(JournalViewer::ServiceName);
}

bool ViewerService::CommandLine(const QStringList& arguments) {
    const BasJournal::StartCommand command = BasJournal::ParseCommandLine(arguments);
    if (command == BasJournal::StartCommand::Unknown)
        return false;
    // Run once the caller has its answer: loading a log or showing a window
    // must not hold it.
    QTimer::singleShot(0, &m_frame,
                       [this, command] { m_frame.runCommand(command, QDate::currentDate()); });
    return true;
}

} // namespace Journal
