// The calculator's executable at start: the first copy marks the store, a
// second copy leaves at once without a trace.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString ProgramPath() {
    const QString folder = qEnvironmentVariableIsSet("ORVALIS_BIN_DIR")
                               ? qEnvironmentVariable("ORVALIS_BIN_DIR")
                               : QStringLiteral(ORVALIS_BIN_DIR);
    return QDir(folder).filePath(QStringLiteral("Orvalis"));
}

class OrvalisStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        QDir home(m_home.path());
        for (const char* folder : {"config", "data", "runtime", "Journaux"})
            ASSERT_TRUE(home.mkpath(QString::fromLatin1(folder)));
        QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           home.filePath(QStringLiteral("runtime")));
        environment.insert(QStringLiteral("ORVALIS_JOURNAUX"),
                           home.filePath(QStringLiteral("Journaux")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment = environment;
    }
    void TearDown() override {
        if (m_first.state() != QProcess::NotRunning) {
            m_first.kill();
            m_first.waitForFinished(5000);
        }
    }

    void start(QProcess& process) {
        process.setProcessEnvironment(m_environment);
        process.start(ProgramPath(), QStringList());
        ASSERT_TRUE(process.waitForStarted(10000)) << ProgramPath().toStdString();
    }
    QString storePath() const {
        return QDir(m_home.path()).filePath(QStringLiteral("config/Orvalis/Orvalis.ini"));
    }
    // The first copy has run its start-up once the store is marked.
    bool waitForMark() const {
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            if (QSettings(storePath(), QSettings::IniFormat)
                    .value(QStringLiteral("Parametres/Initialisation"))
                    .toString() == QLatin1String("1"))
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    QTemporaryDir m_home;
    QProcessEnvironment m_environment;
    QProcess m_first;
};

TEST_F(OrvalisStartTest, FirstStartMarksTheStoreOnly) {
    start(m_first);
    ASSERT_TRUE(waitForMark());
    QSettings store(storePath(), QSettings::IniFormat);
    EXPECT_EQ(store.allKeys(), QStringList{QStringLiteral("Parametres/Initialisation")});
    EXPECT_EQ(m_first.state(), QProcess::Running);
}

TEST_F(OrvalisStartTest, SecondCopyLeavesWithoutTrace) {
    start(m_first);
    ASSERT_TRUE(waitForMark());
    QFile::remove(storePath());

    QProcess second;
    start(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(storePath()));
    EXPECT_TRUE(QDir(m_environment.value(QStringLiteral("ORVALIS_JOURNAUX")))
                    .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                    .isEmpty());
    EXPECT_EQ(m_first.state(), QProcess::Running);
}

} // namespace
