// A private home for a run of the calculator, and its start.
#include "e2e/CalculatorRun.h"

#include "common/RemoteControl.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

CalculatorRun::CalculatorRun()
    : m_environment(QProcessEnvironment::systemEnvironment()) {
    const QDir home(m_home.path());
    for (const char* folder : {"config/Orvalis", "data", "runtime", "Journaux"})
        home.mkpath(QLatin1String(folder));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                         home.filePath(QStringLiteral("config")));
    m_environment.insert(QStringLiteral("XDG_DATA_HOME"), dataFolder());
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder());
    m_environment.insert(QStringLiteral("ORVALIS_JOURNAUX"), logFolder());
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The French formats of the test process, so both write the same texts.
    m_environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("fr_FR.UTF-8"));
    m_environment.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
}

CalculatorRun::~CalculatorRun() {
    stop(m_process);
}

void CalculatorRun::stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

bool CalculatorRun::sessionAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") && busAvailable();
}

bool CalculatorRun::busAvailable() {
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
}

QString CalculatorRun::fakeTimeLibrary() {
    const QString path = QStringLiteral("/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");
    return QFile::exists(path) ? path : QString();
}

void CalculatorRun::fakeTime(const QString& instant) {
    m_environment.insert(QStringLiteral("LD_PRELOAD"), fakeTimeLibrary());
    m_environment.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + instant);
    m_environment.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    m_environment.insert(QStringLiteral("FAKETIME_NO_CACHE"), QStringLiteral("1"));
}

QProcessEnvironment CalculatorRun::environment() const {
    QProcessEnvironment environment = m_environment;
    if (!environment.contains(QStringLiteral("FAKETIME")))
        return environment;
    // Without a share of its own, libfaketime makes one named after the
    // program's process and removes it only if the program exits normally.
    auto share = std::make_unique<FakeTimeShare>();
    if (share->isValid())
        environment.insert(QStringLiteral("FAKETIME_SHARED"), share->environmentValue());
    m_fakeTimeShares.push_back(std::move(share));
    return environment;
}

void CalculatorRun::setEnvironment(const QString& name, const QString& value) {
    m_environment.insert(name, value);
}

void CalculatorRun::removeEnvironment(const QString& name) {
    m_environment.remove(name);
}

QString CalculatorRun::storePath() const {
    return QDir(m_home.path()).filePath(QStringLiteral("config/Orvalis/Orvalis.ini"));
}

QString CalculatorRun::logFolder() const {
    return QDir(m_home.path()).filePath(QStringLiteral("Journaux"));
}

QString CalculatorRun::dataFolder() const {
    return QDir(m_home.path()).filePath(QStringLiteral("data"));
}

QString CalculatorRun::runtimeFolder() const {
    return QDir(m_home.path()).filePath(QStringLiteral("runtime"));
}

QString CalculatorRun::lockPath(const QString& name) const {
    return QDir(runtimeFolder()).filePath(QStringLiteral("orvalis-%1.lock").arg(name));
}

bool CalculatorRun::waitForLock(const QString& name, qint64 pid, int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        // The lock file's first line is the process that holds it.
        QFile lock(lockPath(name));
        if (lock.open(QIODevice::ReadOnly) && lock.readLine().trimmed().toLongLong() == pid)
            return true;
        QThread::msleep(100);
    }
    return false;
}

QString CalculatorRun::builtProgram(const QString& name) {
    return QDir(qEnvironmentVariable("ORVALIS_BIN_DIR")).filePath(name);
}

void CalculatorRun::start(QProcess& process, const QString& program,
                          const QStringList& arguments) const {
    process.setProcessEnvironment(environment());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
}

namespace {

bool waitForBusName(bool registered, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (QDBusConnection::sessionBus()
                .interface()
                ->isServiceRegistered(RemoteControl::ServiceName)
                .value() == registered)
            return true;
        QThread::msleep(100);
    }
    return false;
}

} // namespace

bool CalculatorRun::startAndWaitForBus(int timeoutMs, const QString& program) {
    start(m_process, program);
    return m_process.waitForStarted(timeoutMs) && waitForBusName(true, timeoutMs);
}

bool CalculatorRun::killAndWaitForBus(int timeoutMs) {
    m_process.kill();
    return m_process.waitForFinished(timeoutMs) && waitForBusName(false, timeoutMs);
}
