// The log folder and the case-insensitive names inside it.
#include "platform/AppFolders.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(AppFolders, BareFileNames) {
    EXPECT_TRUE(AppFolders::isBareFileName(QStringLiteral("déc.2026.ccm")));
    EXPECT_TRUE(AppFolders::isBareFileName(QStringLiteral("RECHERCHE 1.CCM")));
    for (const char* refused : {"", ".", "..", "../x.ccm", "a/b.ccm", "/etc/passwd", "..\\x.ccm"})
        EXPECT_FALSE(AppFolders::isBareFileName(QString::fromUtf8(refused))) << refused;
}

TEST(AppFolders, ResolvesAnExistingEntryWithoutRegardToCase) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("déc.2026.ccm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(AppFolders::resolveInFolder(dir.path(), QStringLiteral("DÉC.2026.CCM")),
              file.fileName());
    EXPECT_EQ(AppFolders::resolveInFolder(dir.path(), QStringLiteral("JAN.2027.CCM")),
              dir.filePath(QStringLiteral("JAN.2027.CCM")));
}

TEST(AppFolders, EnvironmentNamesTheLogFolder) {
    QTemporaryDir dir;
    qputenv("ORVALIS_JOURNAUX", dir.path().toUtf8());
    EXPECT_EQ(AppFolders::logFolder(), dir.path());
    qunsetenv("ORVALIS_JOURNAUX");
    EXPECT_TRUE(AppFolders::logFolder().endsWith(QLatin1String("Journaux")));
}

} // namespace
