// A frame over a log folder and a settings store of its own, both in a
// temporary folder, with helpers to write logs and read the frame's state.
#pragma once

#include "Journal/JournalLogs.h"
#include "gui/FrmJournal.h"
#include "gui/FrmPrincipale.h"
#include "gui/JournalMenus.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

class FrameFixture : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    QString m_logs = m_dir.filePath(QStringLiteral("Journaux"));
    // Where journals are printed: the machine has no printer.
    QString m_documents = m_dir.filePath(QStringLiteral("Documents"));
    SettingsStore m_store{m_dir.filePath(QStringLiteral("Orvalis.ini"))};
    std::unique_ptr<Journal::FrmPrincipale> m_frame;

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(m_logs));
        m_frame = std::make_unique<Journal::FrmPrincipale>(m_logs, m_store);
        m_frame->setDocumentsFolder(m_documents);
        m_frame->show();
        QApplication::setActiveWindow(m_frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
    }

    void writeLog(const QString& name, int records) {
        QVector<CallRecord> rows;
        for (int i = 1; i <= records; ++i)
            rows.append(JournalLogs::call(QStringLiteral("%1 appel %2").arg(name).arg(i)));
        ASSERT_TRUE(JournalLogs::appendAll(QDir(m_logs).filePath(name), rows));
    }

    QStringList logFiles() const { return QDir(m_logs).entryList(QDir::Files); }

    QAction* command(Journal::JournalMenus::Command command) const {
        return m_frame->menus()->action(command);
    }

    QToolButton* button(const char* key) const {
        return m_frame->findChild<QToolButton*>(QLatin1String(key));
    }

    // The File menu now on the menu bar.
    QMenu* fileMenu() const { return m_frame->menuBar()->actions().value(0)->menu(); }

    // The texts of the visible recent-file entries of a File menu.
    static QStringList recentEntries(const QMenu* file) {
        QStringList names;
        for (const QAction* action : file->actions()) {
            if (action->objectName().startsWith(QLatin1String("mnuRecentFile")) &&
                action->isVisible() && !action->isSeparator())
                names.append(action->text());
        }
        return names;
    }

    bool separatorShown(const QMenu* file) const {
        for (const QAction* action : file->actions()) {
            if (action->objectName() == QLatin1String("mnuRecentFile0"))
                return action->isVisible();
        }
        return false;
    }
};
