// The running viewer on the session bus (service org.orvalis.Journal,
// object /FrmPrincipale, interface org.orvalis.Journal): a later start of
// Journal, or the calculator, hands it a command line, which it runs as if
// it had just been started with it.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

namespace Journal {

class FrmPrincipale;

class ViewerService final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.orvalis.Journal")

public:
    explicit ViewerService(FrmPrincipale& frame, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ViewerService)

    // Publishes the object and takes the service name; false when the bus
    // cannot be reached or another viewer holds the name.
    bool registerOn(QDBusConnection connection);

public slots:
    // Nothing brings the frame to the front, "/G" opens the file manager;
    // anything else is refused. The caller is answered at once.
    Q_SCRIPTABLE bool CommandLine(const QStringList& arguments);

private:
    FrmPrincipale& m_frame;
};

} // namespace Journal
