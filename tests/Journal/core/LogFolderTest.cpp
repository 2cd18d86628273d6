// Log names: bare names only, matched without regard to case, and never a
// second file beside an existing one.
#include "core/LogFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using BasJournal::LogFolder;

namespace {

class RefusedName : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(RefusedName, IsNotALogName) {
    EXPECT_FALSE(LogFolder::isAcceptableName(QString::fromUtf8(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Names, RefusedName,
                         ::testing::Values("", ".", "..", "../déc.2026.ccm", "a/b.ccm",
                                           "/etc/passwd", "sous\\dossier.ccm", "..\\x.ccm",
                                           "x..ccm"));

TEST(LogFolder, AcceptsBareNames) {
    for (const char* name : {"déc.2026.ccm", "RECHERCHE3.CCM", "janv.2027.ccm", "a b.ccm"})
        EXPECT_TRUE(LogFolder::isAcceptableName(QString::fromUtf8(name))) << name;
}

TEST(LogFolder, ACaptionShowsTheLogWhateverTheCaseOfTheName) {
    EXPECT_EQ(LogFolder::captionFor(QStringLiteral("déc.2026.ccm")),
              QStringLiteral("DÉC.2026.CCM"));
    EXPECT_TRUE(
        LogFolder::captionShows(QStringLiteral("DÉC.2026.CCM"), QStringLiteral("déc.2026.ccm")));
    EXPECT_TRUE(
        LogFolder::captionShows(QStringLiteral("DÉC.2026.CCM"), QStringLiteral("Déc.2026.CCM")));
    EXPECT_FALSE(
        LogFolder::captionShows(QStringLiteral("déc.2026.ccm"), QStringLiteral("déc.2026.ccm")));
    EXPECT_FALSE(
        LogFolder::captionShows(QStringLiteral("NOV.2026.CCM"), QStringLiteral("déc.2026.ccm")));
}

TEST(LogFolder, TheCurrentMonthIsNamedAsTheCalculatorWritesIt) {
    EXPECT_EQ(
        LogFolder::currentMonthName(QDate(2026, 12, 8), QLocale(QLocale::French, QLocale::France)),
        QStringLiteral("déc.2026.ccm"));
}

TEST(LogFolder, AnUpperCaseNameOpensTheExistingFile) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("déc.2026.ccm"));
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();

    const LogFolder folder(dir.path());
    EXPECT_EQ(folder.pathOf(QStringLiteral("DÉC.2026.CCM")), existing);
    EXPECT_TRUE(folder.exists(QStringLiteral("DÉC.2026.CCM")));
    ASSERT_TRUE(folder.createIfMissing(QStringLiteral("DÉC.2026.CCM")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"déc.2026.ccm"});
    EXPECT_EQ(QFileInfo(existing).size(), 1);
}

TEST(LogFolder, AMissingLogIsCreatedEmptyInTheFolder) {
    QTemporaryDir dir;
    const LogFolder folder(dir.filePath(QStringLiteral("Journaux")));
    QString error;
    ASSERT_TRUE(folder.createIfMissing(QStringLiteral("janv.2027.ccm"), &error))
        << error.toStdString();
    const QFileInfo created(dir.filePath(QStringLiteral("Journaux/janv.2027.ccm")));
    EXPECT_TRUE(created.isFile());
    EXPECT_EQ(created.size(), 0);
}
