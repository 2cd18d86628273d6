// The INI store: sections, keys with the store's own punctuation, deletion.
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Orvalis.ini")); }
    QTemporaryDir m_dir;
};

TEST_F(SettingsStoreTest, AbsentKeyReadsAsTheDefault) {
    SettingsStore store(iniPath());
    EXPECT_EQ(
        store.read(QStringLiteral("Parametres"), QStringLiteral("Cout Total"), QStringLiteral("0")),
        QStringLiteral("0"));
    EXPECT_FALSE(store.contains(QStringLiteral("Parametres"), QStringLiteral("Cout Total")));
}

TEST_F(SettingsStoreTest, KeysOfTheTableRoundTripAsText) {
    const QStringList keys{
        QStringLiteral("Credit Temps Appel d<25 Kms"), QStringLiteral("Perso - Numéro d'appel"),
        QStringLiteral("Primaliste: Numero 1"), QStringLiteral("Fenetre reduite Pos.H"),
        QStringLiteral("RAZ Auto Total : Last RAZ")};
    const QStringList values{QStringLiteral("0,742"), QStringLiteral("01-45-45-45-45"),
                             QStringLiteral("Non Configuré"), QStringLiteral("-120"),
                             QStringLiteral("08/12/26")};
    {
        SettingsStore store(iniPath());
        for (int i = 0; i < keys.size(); ++i)
            store.write(QStringLiteral("Tarification"), keys.at(i), values.at(i));
    }
    SettingsStore reopened(iniPath());
    for (int i = 0; i < keys.size(); ++i)
        EXPECT_EQ(reopened.read(QStringLiteral("Tarification"), keys.at(i)), values.at(i));
    EXPECT_EQ(reopened.keys(QStringLiteral("Tarification")).size(), keys.size());
}

TEST_F(SettingsStoreTest, DeletesAKeyOrAWholeSection) {
    SettingsStore store(iniPath());
    store.write(QStringLiteral("Parametres"), QStringLiteral("Orvalis : Path"),
                QStringLiteral("c:"));
    store.write(QStringLiteral("Parametres"), QStringLiteral("Initialisation"),
                QStringLiteral("1"));
    store.write(QStringLiteral("Surveillance"), QStringLiteral("A"), QStringLiteral("-1"));
    store.write(QStringLiteral("Surveillance"), QStringLiteral("B"), QStringLiteral("0"));

    store.remove(QStringLiteral("Parametres"), QStringLiteral("Orvalis : Path"));
    store.remove(QStringLiteral("Parametres"), QStringLiteral("No such key"));
    store.removeSection(QStringLiteral("Surveillance"));

    EXPECT_FALSE(store.contains(QStringLiteral("Parametres"), QStringLiteral("Orvalis : Path")));
    EXPECT_TRUE(store.contains(QStringLiteral("Parametres"), QStringLiteral("Initialisation")));
    EXPECT_TRUE(store.keys(QStringLiteral("Surveillance")).isEmpty());
}

TEST_F(SettingsStoreTest, WritesAreSeenByAnotherProgramAtOnce) {
    SettingsStore calculator(iniPath());
    SettingsStore monitor(iniPath());
    EXPECT_TRUE(
        monitor.read(QStringLiteral("Parametres"), QStringLiteral("Defaut Numero")).isEmpty());
    calculator.write(QStringLiteral("Parametres"), QStringLiteral("Defaut Numero"),
                     QStringLiteral("Appel N° Local"));
    EXPECT_TRUE(QFile::exists(iniPath()));
    EXPECT_EQ(monitor.read(QStringLiteral("Parametres"), QStringLiteral("Defaut Numero")),
              QStringLiteral("Appel N° Local"));
}

TEST_F(SettingsStoreTest, HandWrittenCommaValueReadsAsItsText) {
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Parametres]\nCout Total=12,5\n");
    file.close();
    SettingsStore store(iniPath());
    EXPECT_EQ(store.read(QStringLiteral("Parametres"), QStringLiteral("Cout Total")),
              QStringLiteral("12,5"));
}

TEST_F(SettingsStoreTest, SyncToDiskTellsAStoreThatCannotBeWritten) {
    SettingsStore store(iniPath());
    store.write(QStringLiteral("Parametres"), QStringLiteral("Cout Total"), QStringLiteral("1"));
    EXPECT_TRUE(store.syncToDisk());

    // Its folder is a file.
    const QString lostPath = QDir(iniPath()).filePath(QStringLiteral("Orvalis.ini"));
    SettingsStore lost(lostPath);
    lost.write(QStringLiteral("Parametres"), QStringLiteral("Cout Total"), QStringLiteral("2"));
    EXPECT_FALSE(lost.syncToDisk());
    EXPECT_FALSE(lost.lastError().isEmpty());

    // The folder comes back: the value waiting reaches the file.
    ASSERT_TRUE(QFile::remove(iniPath()));
    ASSERT_TRUE(QDir().mkpath(iniPath()));
    EXPECT_TRUE(lost.syncToDisk());
    QFile written(lostPath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("Total=2"));
}

TEST(SettingsStorePath, FollowsXdgConfigHome) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    EXPECT_EQ(SettingsStore::userStorePath(), dir.filePath(QStringLiteral("Orvalis/Orvalis.ini")));
}

} // namespace
