// A terminating signal ends the event loop as a normal quit does; Qt's own
// texts come in French from Qt's translations folder.
#include "platform/ProgramStart.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

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

TEST(ProgramStart, QtTextsComeInFrenchFromQtsOwnFolder) {
    QCoreApplication& app = *QCoreApplication::instance();
    ProgramStart::installQtTranslations(app);
    auto* translator = app.findChild<QTranslator*>();
    ASSERT_NE(translator, nullptr)
        << "no qtbase_fr.qm in " << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString()
        << " (qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    delete translator;
}

} // namespace
