// The file manager's list: sizes and counts as the viewer reads them, the
// totals of the ticked logs or of all, and the renames it refuses.
#include "core/LogFilesModel.h"
#include "Journal/JournalLogs.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using BasJournal::LogFileColumn;
using BasJournal::LogFilesModel;

namespace {

class LogFilesModelTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    LogFilesModel m_model{BasJournal::LogFolder(m_dir.path())};

    void writeBytes(const QString& name, qint64 size) {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(size));
    }

    QString cell(int row, LogFileColumn column) const {
        return m_model.index(row, int(column)).data().toString();
    }

    QStringList column(LogFileColumn column) const {
        QStringList texts;
        for (int row = 0; row < m_model.rowCount(); ++row)
            texts.append(cell(row, column));
        return texts;
    }

    QString totals() const {
        const BasJournal::LogFileTotals totals = m_model.totals();
        return QStringLiteral("%1/%2").arg(totals.files).arg(totals.communications);
    }

    // Types `name` as the log's new name, as the list's editor does.
    bool rename(int row, const QString& name) {
        return m_model.setData(m_model.index(row, 0), name);
    }
};

} // namespace

TEST_F(LogFilesModelTest, SizesAreRoundedHalfToEvenKilobytes) {
    for (const auto& [name, size] : {std::pair{"a.ccm", 1536},
                                     {"b.ccm", 2560},
                                     {"c.ccm", 3584},
                                     {"d.ccm", 1535},
                                     {"e.ccm", 0}})
        writeBytes(QLatin1String(name), size);
    m_model.load();
    EXPECT_EQ(column(LogFileColumn::Taille), (QStringList{"2 Ko", "2 Ko", "4 Ko", "1 Ko", "0 Ko"}));
}

TEST_F(LogFilesModelTest, CountsAndTotalsOfAllLogsOrOfTheTickedOnes) {
    writeBytes(QStringLiteral("janv.2027.ccm"), 0);
    ASSERT_TRUE(JournalLogs::appendAll(
        m_dir.filePath(QStringLiteral("déc.2026.ccm")),
        {JournalLogs::call("A"), JournalLogs::call("B"), JournalLogs::call("C")}));
    m_model.load();
    ASSERT_EQ(column(LogFileColumn::Fichier), (QStringList{"déc.2026.ccm", "janv.2027.ccm"}));
    EXPECT_EQ(column(LogFileColumn::Communications), (QStringList{"3", "0"}));
    EXPECT_EQ(totals(), QStringLiteral("2/3"));
    EXPECT_FALSE(m_model.anyTicked());

    m_model.setTicked(1, true);
    EXPECT_EQ(totals(), QStringLiteral("1/0"));
    m_model.setTicked(1, false);
    EXPECT_EQ(totals(), QStringLiteral("2/3"));
}

TEST_F(LogFilesModelTest, TotalsGoBeyondSixteenBits) {
    writeBytes(QStringLiteral("a.ccm"), 94LL * 30000);
    writeBytes(QStringLiteral("b.ccm"), 94LL * 30000);
    m_model.load();
    EXPECT_EQ(totals(), QStringLiteral("2/60000"));
}

TEST_F(LogFilesModelTest, ListsEveryLogInLowerCaseAndNothingElse) {
    for (const char* name : {"RECHERCHE3.CCM", "nov.2026.ccm", "notes.txt", "nov.2026.ccm.bak"})
        writeBytes(QLatin1String(name), 94);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("dossier.ccm")));
    m_model.load();
    EXPECT_EQ(column(LogFileColumn::Fichier), (QStringList{"nov.2026.ccm", "recherche3.ccm"}));
    EXPECT_EQ(m_model.fileName(1), QStringLiteral("RECHERCHE3.CCM"));
}

TEST_F(LogFilesModelTest, RenamesTheFileOnDiskAndKeepsItsTick) {
    writeBytes(QStringLiteral("RECHERCHE3.CCM"), 94);
    m_model.load();
    m_model.setTicked(0, true);
    QSignalSpy renamed(&m_model, &LogFilesModel::renamed);

    ASSERT_TRUE(rename(0, QStringLiteral("appels du soir")));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"appels du soir.ccm"});
    EXPECT_EQ(cell(0, LogFileColumn::Fichier), QStringLiteral("appels du soir.ccm"));
    ASSERT_EQ(renamed.size(), 1);
    EXPECT_EQ(renamed[0][0].toString(), QStringLiteral("RECHERCHE3.CCM"));
    EXPECT_EQ(renamed[0][1].toString(), QStringLiteral("appels du soir.ccm"));

    m_model.load();
    EXPECT_TRUE(m_model.isTicked(0));
}

TEST_F(LogFilesModelTest, TheLogsOwnNameInAnotherCaseIsTaken) {
    writeBytes(QStringLiteral("RECHERCHE3.CCM"), 94);
    m_model.load();
    ASSERT_TRUE(rename(0, QStringLiteral("Recherche3.ccm")));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"Recherche3.ccm"});
    // Confirming the name as shown changes nothing on disk.
    ASSERT_TRUE(rename(0, QStringLiteral("recherche3.ccm")));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"Recherche3.ccm"});
}

TEST_F(LogFilesModelTest, RefusedRenamesLeaveEveryFileAsItWas) {
    writeBytes(QStringLiteral("a.ccm"), 94);
    writeBytes(QStringLiteral("NOV.2026.CCM"), 188);
    m_model.load();
    QSignalSpy refused(&m_model, &LogFilesModel::renameRefused);
    for (const char* name : {"nov.2026.ccm", "NOV.2026", "../x", "sous/x.ccm", "", "  "})
        EXPECT_FALSE(rename(0, QLatin1String(name))) << name;
    ASSERT_EQ(refused.size(), 6);
    EXPECT_EQ(refused[0][0].toString(), QStringLiteral("Un fichier de même nom existe déja."));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), (QStringList{"a.ccm", "NOV.2026.CCM"}));
    EXPECT_EQ(cell(0, LogFileColumn::Fichier), QStringLiteral("a.ccm"));
}

TEST_F(LogFilesModelTest, PassesTheItemModelChecks) {
    writeBytes(QStringLiteral("a.ccm"), 94);
    QAbstractItemModelTester tester(&m_model,
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    m_model.load();
    m_model.setTicked(0, true);
    EXPECT_EQ(m_model.rowCount(), 1);
}
