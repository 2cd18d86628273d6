// The recent-file list in the settings store.
#include "core/RecentFiles.h"
#include "platform/SettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using BasJournal::RecentFiles;

namespace {

const QString Section = QStringLiteral("Recent Files");

class RecentFilesTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    SettingsStore m_store{m_dir.filePath(QStringLiteral("Orvalis.ini"))};
    RecentFiles m_recent{m_store};

    void store(const QStringList& names) {
        for (int i = 0; i < names.size(); ++i)
            m_store.write(Section, QStringLiteral("RecentFile%1").arg(i + 1), names[i]);
    }
};

} // namespace

TEST_F(RecentFilesTest, NoKeyMeansNoEntries) {
    EXPECT_TRUE(m_recent.entries().isEmpty());
}

TEST_F(RecentFilesTest, AnEmptyFirstKeyHidesTheOthers) {
    store({QString(), QStringLiteral("B")});
    EXPECT_TRUE(m_recent.entries().isEmpty());
}

TEST_F(RecentFilesTest, ANewNamePushesTheFourthOff) {
    store({"A", "B", "C", "D"});
    m_recent.NoteRecentFile(QStringLiteral("E"));
    EXPECT_EQ(m_recent.entries(), (QStringList{"E", "A", "B", "C"}));
}

TEST_F(RecentFilesTest, AListedNameLeavesTheListUnchanged) {
    store({"A", "B", "C", "D"});
    m_recent.NoteRecentFile(QStringLiteral("A"));
    m_recent.NoteRecentFile(QStringLiteral("C"));
    EXPECT_EQ(m_recent.entries(), (QStringList{"A", "B", "C", "D"}));
}

TEST_F(RecentFilesTest, ANameListedInAnotherCaseKeepsItsPlaceWithTheNewestSpelling) {
    store({"A", "nov.2026.ccm", "B"});
    m_recent.NoteRecentFile(QStringLiteral("NOV.2026.CCM"));
    EXPECT_EQ(m_recent.entries(), (QStringList{"A", "NOV.2026.CCM", "B"}));
}

TEST_F(RecentFilesTest, FirstNamesFillTheListFromTheTop) {
    m_recent.NoteRecentFile(QStringLiteral("A"));
    m_recent.NoteRecentFile(QStringLiteral("B"));
    EXPECT_EQ(m_recent.entries(), (QStringList{"B", "A"}));
    EXPECT_EQ(m_store.read(Section, QStringLiteral("RecentFile2")), QStringLiteral("A"));
}

TEST_F(RecentFilesTest, ARenamedLogKeepsItsPlaceUnderItsNewName) {
    store({"A", "nov.2026.ccm", "B"});
    m_recent.rename(QStringLiteral("NOV.2026.CCM"), QStringLiteral("novembre.ccm"));
    m_recent.rename(QStringLiteral("absent.ccm"), QStringLiteral("C"));
    EXPECT_EQ(m_recent.entries(), (QStringList{"A", "novembre.ccm", "B"}));
}

TEST_F(RecentFilesTest, ADeletedLogLeavesTheListAndTheLaterOnesMoveUp) {
    store({"A", "nov.2026.ccm", "B", "C"});
    m_recent.forget(QStringLiteral("NOV.2026.CCM"));
    EXPECT_EQ(m_recent.entries(), (QStringList{"A", "B", "C"}));
    EXPECT_FALSE(m_store.contains(Section, QStringLiteral("RecentFile4")));
    m_recent.forget(QStringLiteral("A"));
    m_recent.forget(QStringLiteral("B"));
    m_recent.forget(QStringLiteral("C"));
    EXPECT_TRUE(m_recent.entries().isEmpty());
}
