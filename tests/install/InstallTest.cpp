// The suite installed into a temporary prefix: its four programs alone in
// bin, its entries, icons, metadata, bus services, manual pages and
// completion in share, each entry and metadata file accepted by the
// desktop's own validators, and the programs started by the entries' command
// lines and by a call to their names on a bus that reads the services.
// Installed beside no log folder of its own, the calculator logs in the
// user's data folder.
#include "e2e/CalculatorRun.h"
#include "e2e/PrivateBus.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "common/LogFile.h"
#include "common/RemoteControl.h"
#include "desktop/JournalViewer.h"
#include "platform/SettingsStore.h"

#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDirIterator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace BasOrvalis;

namespace {

struct Finished {
    int exitCode = -1;
    QString output;
};

Finished runToEnd(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, program + QStringLiteral(" did not end normally")};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

// The value of `key` in the main group of a desktop entry.
QString entryValue(const QString& path, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QRegularExpression line(QLatin1Char('^') + QRegularExpression::escape(key) +
                                  QStringLiteral("=(.*)$"));
    while (!file.atEnd()) {
        const QRegularExpressionMatch match =
            line.match(QString::fromUtf8(file.readLine()).trimmed());
        if (match.hasMatch())
            return match.captured(1);
    }
    return QString();
}

class Installed : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_prefix.isValid());
        const Finished install =
            runToEnd(QStringLiteral(ORVALIS_CMAKE),
                     {QStringLiteral("--install"), QStringLiteral(ORVALIS_BUILD_DIR),
                      QStringLiteral("--prefix"), m_prefix.path()});
        ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    }

    QString path(const QString& relative) const { return QDir(m_prefix.path()).filePath(relative); }

    QStringList installedFiles() const {
        QStringList files;
        QDirIterator entries(m_prefix.path(), QDir::Files | QDir::Hidden | QDir::System,
                             QDirIterator::Subdirectories);
        while (entries.hasNext())
            files.append(QDir(m_prefix.path()).relativeFilePath(entries.next()));
        files.sort();
        return files;
    }

    // The program that a desktop entry starts: its Exec line, one path.
    QString startedBy(const QString& entry) const {
        return entryValue(path(entry), QStringLiteral("Exec"));
    }

private:
    QTemporaryDir m_prefix;
};

const QString OrvalisEntry = QStringLiteral("share/applications/org.orvalis.Orvalis.desktop");
const QString JournalEntry = QStringLiteral("share/applications/org.orvalis.Journal.desktop");
const QString AutostartTemplate = QStringLiteral("share/Orvalis/autostart/Tavelnor.desktop");
const QString OrvalisService = QStringLiteral("share/dbus-1/services/org.orvalis.Orvalis.service");
const QString JournalService = QStringLiteral("share/dbus-1/services/org.orvalis.Journal.service");

TEST_F(Installed, LaysOutItsProgramsAndTheirDesktopFilesAndNothingElse) {
    const QStringList expected{
        QStringLiteral("bin/Journal"),
        QStringLiteral("bin/Orvalis"),
        QStringLiteral("bin/Tavelnor"),
        QStringLiteral("bin/orvalis-cli"),
        AutostartTemplate,
        JournalEntry,
        OrvalisEntry,
        QStringLiteral("share/bash-completion/completions/orvalis-cli"),
        JournalService,
        OrvalisService,
        QStringLiteral("share/doc/orvalis/changelog.gz"),
        QStringLiteral("share/doc/orvalis/copyright"),
        QStringLiteral("share/icons/hicolor/scalable/apps/org.orvalis.Journal.svg"),
        QStringLiteral("share/icons/hicolor/scalable/apps/org.orvalis.Orvalis.svg"),
        QStringLiteral("share/icons/hicolor/scalable/apps/org.orvalis.Tavelnor.svg"),
        QStringLiteral("share/man/man1/Journal.1.gz"),
        QStringLiteral("share/man/man1/Orvalis.1.gz"),
        QStringLiteral("share/man/man1/Tavelnor.1.gz"),
        QStringLiteral("share/man/man1/orvalis-cli.1.gz"),
        QStringLiteral("share/metainfo/org.orvalis.Journal.metainfo.xml"),
        QStringLiteral("share/metainfo/org.orvalis.Orvalis.metainfo.xml"),
    };
    EXPECT_EQ(installedFiles(), expected);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("bin/Journaux"))));

    for (const QString& entry : {OrvalisEntry, JournalEntry, AutostartTemplate}) {
        const QString icon = entryValue(path(entry), QStringLiteral("Icon"));
        EXPECT_TRUE(QFileInfo::exists(
            path(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(icon))))
            << entry.toStdString();
    }
}

TEST_F(Installed, DesktopValidatorsAcceptTheEntriesAndMetadata) {
    for (const char* validator : {"desktop-file-validate", "appstreamcli"})
        ASSERT_FALSE(QStandardPaths::findExecutable(QLatin1String(validator)).isEmpty())
            << validator << " is missing (scripts/lib/deps.sh installs it)";
    for (const QString& entry : {OrvalisEntry, JournalEntry, AutostartTemplate}) {
        const Finished check = runToEnd(QStringLiteral("desktop-file-validate"), {path(entry)});
        EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
        EXPECT_TRUE(check.output.isEmpty()) << check.output.toStdString();
    }
    for (const char* component : {"org.orvalis.Orvalis", "org.orvalis.Journal"}) {
        const Finished check = runToEnd(
            QStringLiteral("appstreamcli"),
            {QStringLiteral("validate"), QStringLiteral("--no-net"),
             path(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(QLatin1String(component)))});
        EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    }
}

TEST_F(Installed, EntriesStartTheInstalledPrograms) {
    if (!CalculatorRun::sessionAvailable())
        GTEST_SKIP() << "needs an X display and a session bus (scripts/test)";
    CalculatorRun run;
    // As a user has it: no log folder named in the environment.
    run.removeEnvironment(QStringLiteral("ORVALIS_JOURNAUX"));
    SettingsStore store(run.storePath());
    store.write(Sections::Parametres, Keys::Initialisation, QStringLiteral("1"));
    store.write(Sections::Parametres, Keys::TypeDefaut, TypeText(CommunicationType::Standard));
    store.write(Sections::Parametres, Keys::NumeroDefaut, Numbers::AppelLocal);

    EXPECT_EQ(startedBy(OrvalisEntry), path(QStringLiteral("bin/Orvalis")));
    ASSERT_TRUE(run.startAndWaitForBus(15000, startedBy(OrvalisEntry)));
    QDBusInterface control(RemoteControl::ServiceName, RemoteControl::ObjectPath,
                           RemoteControl::InterfaceName, QDBusConnection::sessionBus());
    ASSERT_TRUE(
        QDBusReply<bool>(control.call(QStringLiteral("Execute"), QStringLiteral("start"))).value());
    QThread::msleep(1500);
    ASSERT_TRUE(
        QDBusReply<bool>(control.call(QStringLiteral("Execute"), QStringLiteral("stop"))).value());
    QVector<CallRecord> records;
    EXPECT_TRUE(LogFile::readAll(QDir(run.dataFolder())
                                     .filePath(QStringLiteral("Orvalis/Journaux/") +
                                               LogFile::monthlyName(QDate::currentDate())),
                                 &records));
    EXPECT_EQ(records.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("bin/Journaux"))));

    for (const auto& [entry, name] :
         {std::pair{JournalEntry, "Journal"}, std::pair{AutostartTemplate, "Tavelnor"}}) {
        EXPECT_EQ(startedBy(entry), path(QStringLiteral("bin/") + QLatin1String(name)));
        QProcess program;
        run.start(program, startedBy(entry));
        ASSERT_TRUE(program.waitForStarted(10000));
        EXPECT_TRUE(run.waitForLock(QLatin1String(name), program.processId(), 15000)) << name;
        CalculatorRun::stop(program);
    }
}

TEST_F(Installed, ACallToTheirNamesStartsTheCalculatorAndTheViewer) {
    if (!CalculatorRun::sessionAvailable())
        GTEST_SKIP() << "needs an X display and a session bus (scripts/test)";
    CalculatorRun run;
    SettingsStore(run.storePath())
        .write(Sections::Parametres, Keys::Initialisation, QStringLiteral("1"));
    PrivateBus bus(run, path(QStringLiteral("share/dbus-1/services")));
    const QDBusConnection connection = bus.connection();
    ASSERT_TRUE(connection.isConnected());

    const struct {
        QString service;
        QString name;
        QString path;
        QString interface;
        QString method;
        QVariant argument;
    } programs[] = {
        {OrvalisService, QStringLiteral("Orvalis"), RemoteControl::ObjectPath,
         RemoteControl::InterfaceName, QStringLiteral("Request"), RemoteControl::StatusItem},
        {JournalService, QStringLiteral("Journal"), JournalViewer::ObjectPath,
         JournalViewer::InterfaceName, JournalViewer::CommandLineMethod, QStringList()},
    };
    for (const auto& program : programs) {
        EXPECT_EQ(entryValue(path(program.service), QStringLiteral("Exec")),
                  path(QStringLiteral("bin/") + program.name));
        const QString name = entryValue(path(program.service), QStringLiteral("Name"));
        ASSERT_FALSE(connection.interface()->isServiceRegistered(name).value());
        QDBusMessage call =
            QDBusMessage::createMethodCall(name, program.path, program.interface, program.method);
        call << program.argument;
        const QDBusMessage answer = connection.call(call, QDBus::Block, 60000);
        EXPECT_EQ(answer.type(), QDBusMessage::ReplyMessage)
            << program.name.toStdString() << ": " << answer.errorMessage().toStdString();

        // The copy that answered is the one the bus started, from the
        // installed program, and it runs on.
        const qint64 pid = connection.interface()->servicePid(name).value();
        ASSERT_GT(pid, 0) << program.name.toStdString();
        EXPECT_TRUE(run.waitForLock(program.name, pid, 15000)) << program.name.toStdString();
        EXPECT_EQ(QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget(),
                  path(QStringLiteral("bin/") + program.name));
        EXPECT_TRUE(PrivateBus::terminate(pid, 10000)) << program.name.toStdString();
    }
}

} // namespace
