// Ctrl+P in the real log viewer prints the journal on the system's default
// printer: the cups-pdf queue of a print server of the test's own, whose PDF
// holds every row of the journal; nothing goes to the documents folder.
#include "Journal/gui/PdfText.h"
#include "e2e/CalculatorRun.h"
#include "e2e/PrivateCups.h"

#include "common/LogFile.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

QStringList pdfsUnder(const QString& folder) {
    QStringList found;
    QDirIterator files(folder, {QStringLiteral("*.pdf")}, QDir::Files | QDir::Hidden,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        found.append(files.next());
    return found;
}

} // namespace

TEST(PrintTest, CtrlPPrintsTheJournalOnTheDefaultQueue) {
    if (!CalculatorRun::sessionAvailable())
        GTEST_SKIP() << "needs an X display and a session bus";
    const QString unavailable = PrivateCups::unavailableBecause();
    if (!unavailable.isEmpty())
        GTEST_SKIP() << "no print server of the test's own: " << unavailable.toStdString();
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        << "xdotool is missing (scripts/lib/deps.sh installs it)";
    PrivateCups cups;
    QString error;
    ASSERT_TRUE(cups.start(&error)) << error.toStdString();

    CalculatorRun run;
    const QTemporaryDir home;
    run.setEnvironment(QStringLiteral("HOME"), home.path());
    run.setEnvironment(QStringLiteral("CUPS_SERVER"), cups.server());
    // The current month's log, which the viewer shows as it starts.
    const QString log = QDir(run.logFolder()).filePath(LogFile::monthlyName(QDate::currentDate()));
    QStringList libelles;
    // Two pages of rows.
    for (int i = 1; i <= 60; ++i) {
        CallRecord record;
        record.Date = QDate::currentDate().toString(QStringLiteral("dd/MM/yy"));
        record.Libelle = QStringLiteral("Primaliste: 01 42 34 %1").arg(i, 2, 10, QLatin1Char('0'));
        record.HeureDebut = QStringLiteral("10:00:00");
        record.HeureFin = QStringLiteral("10:01:05");
        record.Duree = QStringLiteral("00:01:05");
        record.Cout = QStringLiteral("0.74");
        record.Total = QString::number(i * 0.74, 'f', 2);
        ASSERT_TRUE(LogFile::append(log, record));
        libelles.append(record.Libelle);
    }

    QProcess& viewer = run.process();
    run.start(viewer, CalculatorRun::builtProgram(QStringLiteral("Journal")));
    ASSERT_TRUE(viewer.waitForStarted(10000));
    // Keys typed as a user types them, into the viewer's window once shown.
    QProcess keys;
    keys.start(QStringLiteral("xdotool"),
               {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                QStringLiteral("--name"), QStringLiteral("^Orvalis - Journal de suivi"),
                QStringLiteral("windowfocus"), QStringLiteral("--sync"), QStringLiteral("key"),
                QStringLiteral("ctrl+p")});
    const bool typed = keys.waitForFinished(20000);
    if (!typed)
        keys.kill();
    ASSERT_TRUE(typed) << "no window of the log viewer";
    ASSERT_EQ(keys.exitCode(), 0) << keys.readAllStandardError().toStdString();

    const QStringList printed = cups.printedPdfs(90000);
    ASSERT_EQ(printed.size(), 1) << "no PDF from the default queue";
    QStringList lines;
    for (const QStringList& page : PdfText::pages(printed.first()))
        lines += page;
    const QString text = lines.join(QLatin1Char('\n'));
    for (const QString& libelle : libelles)
        EXPECT_TRUE(text.contains(libelle)) << libelle.toStdString();
    EXPECT_EQ(pdfsUnder(home.path()), QStringList());
    EXPECT_EQ(viewer.state(), QProcess::Running);
}
