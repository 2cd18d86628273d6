// A terminating signal ends the event loop as a normal quit does; Qt's
// translations are found beside an installed suite first.
#include "platform/ProgramStart.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTimer>

#include <csignal>

#include <gtest/gtest.h>

namespace {

TEST(ProgramStart, TerminationSignalQuitsTheEventLoop) {
    QCoreApplication& app = *QCoreApplication::instance();
    ProgramStart::quitOnTermination(app);
    bool aboutToQuit = false;
    const QMetaObject::Connection seen = QObject::connect(&app, &QCoreApplication::aboutToQuit,
                                                          [&aboutToQuit] { aboutToQuit = true; });
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    // Should the signal be lost, the loop ends anyway and the test fails.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);

    EXPECT_EQ(app.exec(), 0);
    EXPECT_TRUE(aboutToQuit);
    QObject::disconnect(seen);
}

TEST(ProgramStart, QtTranslationsInstalledWithTheSuiteComeFirst) {
    EXPECT_EQ(ProgramStart::qtTranslationFolders(QStringLiteral("/opt/orvalis/bin")),
              (QStringList{QStringLiteral("/opt/orvalis/share/Orvalis/translations"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)}));
}

} // namespace
