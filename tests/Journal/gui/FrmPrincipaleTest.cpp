// The frame with its journal windows: opening and activating logs, the
// caption and toolbar that follow the active window, the close question,
// and the last window closing back to the bare frame.
#include "Journal/gui/FrameFixture.h"
#include "gui/FrmGestion.h"
#include "support/ModalAnswerer.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

#include <functional>

using namespace Journal;

using Command = JournalMenus::Command;

namespace {

const QString Base = QStringLiteral("Orvalis - Journal de suivi des communications téléphoniques");

// The menu bar as text: each menu's title, then its items with their
// shortcuts, "-" for a separator; the recent-file entries are left out.
QStringList menuBarText(const QMenuBar* bar) {
    QStringList lines;
    for (const QAction* menu : bar->actions()) {
        lines.append(menu->text());
        for (const QAction* item : menu->menu()->actions()) {
            if (item->objectName().startsWith(QLatin1String("mnuRecentFile")))
                continue;
            if (item->isSeparator())
                lines.append(QStringLiteral("  -"));
            else
                lines.append(QStringLiteral("  ") + item->text() + QLatin1Char('|') +
                             item->shortcut().toString());
        }
    }
    return lines;
}

} // namespace

TEST_F(FrameFixture, StartsAsTheBareFrame) {
    EXPECT_EQ(m_frame->windowTitle(), Base);
    EXPECT_FALSE(button("Print")->isEnabled());
    EXPECT_FALSE(button("Find")->isEnabled());
    EXPECT_FALSE(button("Stats")->isEnabled());
    EXPECT_FALSE(button("Save")->isEnabled());
    EXPECT_TRUE(button("Open")->isEnabled());
    EXPECT_FALSE(fileMenu()->actions().contains(command(Command::Save)));
    EXPECT_FALSE(separatorShown(fileMenu()));
    EXPECT_TRUE(recentEntries(fileMenu()).isEmpty());
}

TEST_F(FrameFixture, TheFrameAndTheJournalWindowsHaveTheirOwnMenus) {
    EXPECT_EQ(menuBarText(m_frame->menuBar()),
              (QStringList{"&Fichier", "  &Ouvrir...|Ctrl+O", "  &Gérer les journaux|Ctrl+G", "  -",
                           "  Statistiques par &période...|", "  -", "  &Quitter|Ctrl+Q",
                           "Fe&nêtre", "?", "  À &propos du Journal|"}));
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("a.ccm")));
    EXPECT_EQ(menuBarText(m_frame->menuBar()), (QStringList{"&Fichier",
                                                            "  &Ouvrir...|Ctrl+O",
                                                            "  &Gérer les journaux|Ctrl+G",
                                                            "  &Enregistrer|Ctrl+S",
                                                            "  &Fermer|",
                                                            "  -",
                                                            "  &Rechercher|Ctrl+F",
                                                            "  &Statistiques...|",
                                                            "  Statistiques par &période...|",
                                                            "  -",
                                                            "  &Configuration de l'impression|",
                                                            "  &Imprimer...|Ctrl+P",
                                                            "  E&xporter...|",
                                                            "  -",
                                                            "  &Quitter|Ctrl+Q",
                                                            "Fe&nêtre",
                                                            "  Mosaïque &horizontale|",
                                                            "  En &cascade|",
                                                            "  &Réorganiser les icônes|",
                                                            "?",
                                                            "  A propos du Journal...|"}));
}

TEST_F(FrameFixture, TheShortcutsReachTheFrameAndTheJournalWindows) {
    // The frame is made active again after each dialog, as the desktop does.
    const auto press = [this](QWidget* target, Qt::Key key) {
        QApplication::setActiveWindow(m_frame.get());
        QTest::keyClick(target, key, Qt::ControlModifier);
        QTest::qWait(20);
    };
    ModalAnswerer answerer;
    press(m_frame.get(), Qt::Key_O);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("a.ccm")));
    press(m_frame->currentJournal()->grid(), Qt::Key_F);
    EXPECT_EQ(answerer.dialogs(), (QStringList{"Ouvrir", "Rechercher"}));
    press(m_frame->currentJournal()->grid(), Qt::Key_Q);
    EXPECT_FALSE(m_frame->isVisible());
}

TEST_F(FrameFixture, TheToolbarHoldsItsButtonsByIndex) {
    const QList<QAction*> actions =
        m_frame->findChild<QToolBar*>(QStringLiteral("Toolbar"))->actions();
    ASSERT_EQ(actions.size(), 10);
    const QList<QAction*> expected{command(Command::Open),
                                   nullptr,
                                   command(Command::Save),
                                   command(Command::Gerer),
                                   nullptr,
                                   command(Command::Print),
                                   nullptr,
                                   command(Command::Find),
                                   nullptr,
                                   command(Command::Statistics)};
    for (int i = 0; i < 10; ++i) {
        if (expected[i])
            EXPECT_EQ(actions[i], expected[i]) << "button " << i + 1;
        else
            EXPECT_TRUE(actions[i]->isSeparator()) << "button " << i + 1;
    }
    EXPECT_EQ(button("Gerer")->toolTip(), QStringLiteral("Gestion des journaux"));
    EXPECT_EQ(button("Gerer")->text(), QStringLiteral("Gérer"));
    EXPECT_TRUE(m_frame->findChild<QToolBar*>(QStringLiteral("Toolbar"))->isMovable());
}

TEST_F(FrameFixture, OpeningALogShowsItsRowsAndNamesTheFrame) {
    writeLog(QStringLiteral("nov.2026.ccm"), 3);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("nov.2026.ccm")));

    FrmJournal* journal = m_frame->currentJournal();
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(journal->windowTitle(), QStringLiteral("NOV.2026.CCM"));
    EXPECT_EQ(journal->grid()->model()->rowCount(), 3);
    EXPECT_FALSE(journal->isEmptyNoticeShown());
    EXPECT_EQ(m_frame->windowTitle(), Base + QStringLiteral(" - NOV.2026.CCM"));
    EXPECT_TRUE(button("Print")->isEnabled());
    EXPECT_TRUE(button("Find")->isEnabled());
    EXPECT_TRUE(button("Stats")->isEnabled());
    EXPECT_FALSE(button("Save")->isEnabled());
    EXPECT_TRUE(fileMenu()->actions().contains(command(Command::Save)));
    EXPECT_EQ(recentEntries(fileMenu()), QStringList{"NOV.2026.CCM"});
}

TEST_F(FrameFixture, TheRowNumbersStayInPlaceWhenTheGridScrollsSideways) {
    writeLog(QStringLiteral("nov.2026.ccm"), 3);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("nov.2026.ccm")));
    FrmJournal* journal = m_frame->currentJournal();
    journal->resize(300, 200);
    QTest::qWait(20);
    QTableView* grid = journal->grid();
    const QHeaderView* numbers = grid->verticalHeader();
    const QPoint place = numbers->mapTo(journal, QPoint());
    ASSERT_GT(grid->horizontalScrollBar()->maximum(), 0);
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    QTest::qWait(20);

    EXPECT_TRUE(numbers->isVisible());
    EXPECT_EQ(numbers->mapTo(journal, QPoint()), place);
    EXPECT_EQ(grid->model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("3"));
    EXPECT_TRUE(grid->isColumnHidden(0));
}

TEST_F(FrameFixture, StartUpCreatesTheMonthsLogOnceAndShowsItEmpty) {
    ASSERT_TRUE(m_frame->openCurrentMonth(QDate(2026, 12, 8)));
    EXPECT_EQ(logFiles(), QStringList{"déc.2026.ccm"});
    FrmJournal* journal = m_frame->currentJournal();
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(journal->index(), 1);
    EXPECT_EQ(journal->windowTitle(), QStringLiteral("DÉC.2026.CCM"));
    EXPECT_TRUE(journal->isEmptyNoticeShown());
    EXPECT_EQ(journal->findChild<QLabel*>(QStringLiteral("txtVide"))->text(),
              QStringLiteral("Ce fichier journal est vide"));
    EXPECT_EQ(m_store.read(QStringLiteral("Recent Files"), QStringLiteral("RecentFile1")),
              QStringLiteral("DÉC.2026.CCM"));
}

TEST_F(FrameFixture, AnUpperCaseNameShowsTheCalculatorsFile) {
    writeLog(QStringLiteral("déc.2026.ccm"), 2);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("DÉC.2026.CCM")));
    EXPECT_EQ(m_frame->currentJournal()->grid()->model()->rowCount(), 2);
    EXPECT_EQ(logFiles(), QStringList{"déc.2026.ccm"});
}

TEST_F(FrameFixture, TheOpenDialogFindsTheLogWhateverTheCaseTyped) {
    writeLog(QStringLiteral("déc.2026.ccm"), 2);
    ModalAnswerer answerer;
    answerer.typeInFileDialog(QStringLiteral("DÉC.2026.CCM"));
    command(Command::Open)->trigger();
    QTest::qWait(20);
    EXPECT_TRUE(answerer.texts().isEmpty()) << answerer.texts().join('\n').toStdString();
    ASSERT_NE(m_frame->currentJournal(), nullptr);
    EXPECT_EQ(m_frame->currentJournal()->windowTitle(), QStringLiteral("DÉC.2026.CCM"));
    EXPECT_EQ(m_frame->currentJournal()->grid()->model()->rowCount(), 2);
    EXPECT_EQ(logFiles(), QStringList{"déc.2026.ccm"});
}

TEST_F(FrameFixture, TheOpenDialogCreatesNoLogForAMissingName) {
    ModalAnswerer answerer;
    answerer.typeInFileDialog(QStringLiteral("janv.2027.ccm"));
    command(Command::Open)->trigger();
    QTest::qWait(20);
    EXPECT_EQ(answerer.texts().size(), 1);
    EXPECT_TRUE(m_frame->journals().isEmpty());
    EXPECT_TRUE(logFiles().isEmpty());
}

TEST_F(FrameFixture, OpeningAnOpenLogActivatesItsWindow) {
    writeLog(QStringLiteral("oct.2026.ccm"), 1);
    writeLog(QStringLiteral("nov.2026.ccm"), 1);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("OCT.2026.CCM")));
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("nov.2026.ccm")));
    EXPECT_EQ(m_frame->currentJournal()->windowTitle(), QStringLiteral("NOV.2026.CCM"));

    ASSERT_TRUE(m_frame->openLog(QStringLiteral("oct.2026.ccm")));
    EXPECT_EQ(m_frame->journals().size(), 2);
    EXPECT_EQ(m_frame->currentJournal()->windowTitle(), QStringLiteral("OCT.2026.CCM"));
    EXPECT_EQ(m_frame->windowTitle(), Base + QStringLiteral(" - OCT.2026.CCM"));
}

TEST_F(FrameFixture, AClosedWindowsIndexIsGivenToTheNextLog) {
    for (const char* name : {"a.ccm", "b.ccm", "c.ccm"})
        ASSERT_TRUE(m_frame->openLog(QLatin1String(name)));
    QList<FrmJournal*> journals = m_frame->journals();
    journals[1]->close();
    journals[0]->close();
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("d.ccm")));
    EXPECT_EQ(m_frame->currentJournal()->index(), 1);
    EXPECT_EQ(m_frame->currentJournal()->windowTitle(), QStringLiteral("D.CCM"));
}

TEST_F(FrameFixture, TheLastWindowClosingLeavesTheBareFrame) {
    writeLog(QStringLiteral("nov.2026.ccm"), 2);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("nov.2026.ccm")));
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("oct.2026.ccm")));
    for (FrmJournal* journal : m_frame->journals())
        journal->close();

    EXPECT_EQ(m_frame->windowTitle(), Base);
    EXPECT_FALSE(button("Print")->isEnabled());
    EXPECT_FALSE(button("Find")->isEnabled());
    EXPECT_EQ(m_frame->journalSlots().upperBound(), 0);
    EXPECT_FALSE(fileMenu()->actions().contains(command(Command::Save)));
    EXPECT_EQ(recentEntries(fileMenu()), (QStringList{"oct.2026.ccm", "nov.2026.ccm"}));

    ASSERT_TRUE(m_frame->openLog(QStringLiteral("nov.2026.ccm")));
    EXPECT_EQ(m_frame->currentJournal()->index(), 1);
}

TEST_F(FrameFixture, ARecentFileOpensFromTheMenu) {
    writeLog(QStringLiteral("nov.2026.ccm"), 4);
    m_store.write(QStringLiteral("Recent Files"), QStringLiteral("RecentFile1"),
                  QStringLiteral("nov.2026.ccm"));
    FrmPrincipale frame(m_logs, m_store);
    auto* item = frame.findChild<QAction*>(QStringLiteral("mnuRecentFile1"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isVisible());
    item->trigger();
    ASSERT_NE(frame.currentJournal(), nullptr);
    EXPECT_EQ(frame.currentJournal()->grid()->model()->rowCount(), 4);
}

TEST_F(FrameFixture, NamesOutsideTheLogFolderAreRefused) {
    ModalAnswerer answerer;
    for (const char* name : {"../evil.ccm", "sous/nov.ccm", ".."})
        EXPECT_FALSE(m_frame->openLog(QLatin1String(name))) << name;
    EXPECT_EQ(answerer.texts().size(), 3);
    EXPECT_TRUE(m_frame->journals().isEmpty());
    EXPECT_TRUE(logFiles().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("evil.ccm"))));
}

TEST_F(FrameFixture, ARecentEntryWithAPathIsRefused) {
    m_store.write(QStringLiteral("Recent Files"), QStringLiteral("RecentFile1"),
                  QStringLiteral("../evil.ccm"));
    FrmPrincipale frame(m_logs, m_store);
    ModalAnswerer answerer;
    frame.findChild<QAction*>(QStringLiteral("mnuRecentFile1"))->trigger();
    EXPECT_EQ(answerer.texts().size(), 1);
    EXPECT_TRUE(frame.journals().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("evil.ccm"))));
}

TEST_F(FrameFixture, AResultAsksBeforeClosingAndNoLeavesNothingWritten) {
    FrmJournal* result =
        m_frame->showSearchResult(JournalLogs::rowsOf({JournalLogs::call("Audiotel")}));
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(button("Save")->isEnabled());
    EXPECT_TRUE(command(Command::Save)->isEnabled());

    ModalAnswerer answerer(QMessageBox::No);
    result->close();
    QTest::qWait(20);
    EXPECT_EQ(answerer.texts(), QStringList{"Voulez-vous enregistrer la recherche ?"});
    EXPECT_EQ(answerer.titles(), QStringList{"Résultat de la recherche - RECHERCHE1"});
    EXPECT_TRUE(m_frame->journals().isEmpty());
    EXPECT_FALSE(button("Save")->isEnabled());
    EXPECT_TRUE(logFiles().isEmpty());
}

TEST_F(FrameFixture, YesThenCancellingTheSaveDialogStillCloses) {
    FrmJournal* result =
        m_frame->showSearchResult(JournalLogs::rowsOf({JournalLogs::call("Audiotel")}));
    ModalAnswerer answerer(QMessageBox::Yes);
    result->close();
    QTest::qWait(20);
    EXPECT_EQ(answerer.dialogs(), QStringList{"Enregistrer la recherche"});
    EXPECT_TRUE(m_frame->journals().isEmpty());
    EXPECT_TRUE(logFiles().isEmpty());
}

TEST_F(FrameFixture, YesSavesTheResultOverTheLogOfTheSameNameInAnyCase) {
    writeLog(QStringLiteral("recherche1.ccm"), 7);
    QVector<CallRecord> rows;
    for (int i = 1; i <= 5; ++i)
        rows.append(JournalLogs::call(QStringLiteral("Audiotel %1").arg(i)));
    FrmJournal* result = m_frame->showSearchResult(JournalLogs::rowsOf(rows));
    ModalAnswerer answerer(QMessageBox::Yes);
    answerer.typeInFileDialog(QStringLiteral("RECHERCHE1"));
    result->close();
    QTest::qWait(50);

    EXPECT_EQ(answerer.texts(),
              (QStringList{"Voulez-vous enregistrer la recherche ?",
                           "Le dossier des journaux contient déjà « recherche1.ccm ». "
                           "Voulez-vous le remplacer ?"}));
    EXPECT_EQ(logFiles(), QStringList{"recherche1.ccm"});
    EXPECT_EQ(QFileInfo(QDir(m_logs).filePath(QStringLiteral("recherche1.ccm"))).size(), 460);
    EXPECT_TRUE(m_frame->journals().isEmpty());
    EXPECT_EQ(recentEntries(fileMenu()), QStringList{"RECHERCHE1.ccm"});
}

TEST_F(FrameFixture, ALogWindowClosesWithoutQuestion) {
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("nov.2026.ccm")));
    ModalAnswerer answerer;
    m_frame->currentJournal()->close();
    QTest::qWait(20);
    EXPECT_TRUE(answerer.texts().isEmpty());
    EXPECT_TRUE(m_frame->journals().isEmpty());
}

TEST_F(FrameFixture, ASavedResultBecomesALogWindow) {
    QVector<CallRecord> rows;
    for (int i = 1; i <= 5; ++i)
        rows.append(JournalLogs::call(QStringLiteral("Primaliste: %1").arg(i)));
    FrmJournal* result = m_frame->showSearchResult(JournalLogs::rowsOf(rows));
    ASSERT_TRUE(m_frame->saveResultAs(result, QStringLiteral("recherche1.ccm")));

    EXPECT_EQ(QFileInfo(QDir(m_logs).filePath(QStringLiteral("recherche1.ccm"))).size(), 460);
    EXPECT_EQ(result->windowTitle(), QStringLiteral("RECHERCHE1.CCM"));
    EXPECT_EQ(m_frame->windowTitle(), Base + QStringLiteral(" - RECHERCHE1.CCM"));
    EXPECT_FALSE(button("Save")->isEnabled());
    EXPECT_EQ(recentEntries(fileMenu()), QStringList{"RECHERCHE1.CCM"});

    ModalAnswerer answerer;
    result->close();
    QTest::qWait(20);
    EXPECT_TRUE(answerer.texts().isEmpty());
}

TEST_F(FrameFixture, AResultIsNotSavedOutsideTheLogFolder) {
    FrmJournal* result =
        m_frame->showSearchResult(JournalLogs::rowsOf({JournalLogs::call("Audiotel")}));
    ModalAnswerer answerer;
    EXPECT_FALSE(m_frame->saveResultAs(result, QStringLiteral("../dehors.ccm")));
    EXPECT_EQ(answerer.texts().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("dehors.ccm"))));
    EXPECT_TRUE(button("Save")->isEnabled());
}

TEST_F(FrameFixture, TheThirdResultIsNumberedThreeAfterTheFirstTwoClosed) {
    ModalAnswerer answerer(QMessageBox::No);
    m_frame->showSearchResult(JournalLogs::rowsOf({JournalLogs::call("A")}))->close();
    m_frame->showSearchResult(JournalLogs::rowsOf({JournalLogs::call("B")}))->close();
    FrmJournal* third = m_frame->showSearchResult(JournalLogs::rowsOf({JournalLogs::call("C")}));
    EXPECT_EQ(third->windowTitle(), QStringLiteral("Résultat de la recherche - RECHERCHE3"));
    EXPECT_EQ(third->index(), 1);
    EXPECT_EQ(m_frame->windowTitle(),
              Base + QStringLiteral(" - Résultat de la recherche - RECHERCHE3"));
}

TEST_F(FrameFixture, CascadeGivesBackTheInitialSize) {
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("a.ccm")));
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("b.ccm")));
    QList<FrmJournal*> journals = m_frame->journals();
    journals[0]->resize(200, 150);
    journals[1]->showMinimized();
    command(Command::Cascade)->trigger();
    EXPECT_EQ(journals[0]->size(), journals[0]->initialSize());
    EXPECT_TRUE(journals[1]->isMinimized());
}

TEST_F(FrameFixture, TheWindowMenuListsTheWindowsAndPopsUpOverTheGrid) {
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("a.ccm")));
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("b.ccm")));
    QMenu* windowMenu = m_frame->menus()->windowMenu();
    FrmJournal* journal = m_frame->currentJournal();
    emit journal->grid()->customContextMenuRequested(QPoint(10, 10));
    ASSERT_TRUE(windowMenu->isVisible());

    QStringList entries;
    for (const QAction* action : windowMenu->actions()) {
        if (action->isCheckable())
            entries.append(action->text() +
                           (action->isChecked() ? QStringLiteral(" *") : QString()));
    }
    EXPECT_EQ(entries, (QStringList{"&1 A.CCM", "&2 B.CCM *"}));
    windowMenu->close();
}

TEST_F(FrameFixture, HorizontalTilingStacksTheWindowsAboveTheMinimisedOnes) {
    for (const char* name : {"a.ccm", "b.ccm", "c.ccm"})
        ASSERT_TRUE(m_frame->openLog(QLatin1String(name)));
    const QList<FrmJournal*> journals = m_frame->journals();
    journals[1]->showMinimized();
    QTest::qWait(20);
    const QPoint icon = journals[1]->pos();
    command(Command::TileHorizontal)->trigger();

    const QWidget* area = journals[0]->parentWidget();
    EXPECT_EQ(journals[0]->width(), area->width());
    EXPECT_EQ(journals[2]->width(), area->width());
    EXPECT_EQ(journals[0]->y() + journals[0]->height(), journals[2]->y());
    EXPECT_TRUE(journals[1]->isMinimized());
    EXPECT_EQ(journals[1]->pos(), icon);
    EXPECT_LE(journals[2]->y() + journals[2]->height(), icon.y());
}

TEST_F(FrameFixture, QuittingAndTheSessionsEndAskForEveryUnsavedResult) {
    for (const auto& end : {std::function<void()>([this] { command(Command::Quit)->trigger(); }),
                            std::function<void()>([this] { m_frame->endSession(); })}) {
        m_frame->show();
        ASSERT_TRUE(m_frame->openLog(QStringLiteral("a.ccm")));
        m_frame->showSearchResult(JournalLogs::rowsOf({JournalLogs::call("A")}));
        m_frame->showSearchResult(JournalLogs::rowsOf({JournalLogs::call("B")}));
        ModalAnswerer answerer(QMessageBox::No);
        end();
        QTest::qWait(20);
        EXPECT_EQ(answerer.texts().size(), 2);
        EXPECT_TRUE(m_frame->journals().isEmpty());
        EXPECT_FALSE(m_frame->isVisible());
    }
}

TEST_F(FrameFixture, WithoutArgumentTheFrameShowsMaximisedOnTheMonthsLog) {
    FrmPrincipale frame(m_logs, m_store);
    frame.showCurrentMonth(QDate(2026, 12, 8));
    EXPECT_TRUE(frame.isMaximized());
    ASSERT_NE(frame.currentJournal(), nullptr);
    EXPECT_EQ(frame.currentJournal()->windowTitle(), QStringLiteral("DÉC.2026.CCM"));

    frame.showNormal();
    frame.showCurrentMonth(QDate(2026, 12, 9));
    EXPECT_TRUE(frame.isMaximized());
    EXPECT_EQ(frame.journals().size(), 1);
}

TEST_F(FrameFixture, TheToolbarAndTheMenusShowTheFileManager) {
    button("Gerer")->click();
    ASSERT_NE(m_frame->gestion(), nullptr);
    EXPECT_TRUE(m_frame->gestion()->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    m_frame->gestion()->close();
    QTest::qWait(20);
    EXPECT_EQ(m_frame->gestion(), nullptr);

    // The frame's own menu waits until the file manager, shown modally, is closed.
    bool shownModally = false;
    QTimer::singleShot(0, m_frame.get(), [&] {
        FrmGestion* gestion = m_frame->gestion();
        shownModally =
            gestion && gestion->isVisible() && QApplication::activeModalWidget() == gestion;
        if (gestion)
            gestion->close();
    });
    command(Command::GererFrame)->trigger();
    EXPECT_TRUE(shownModally);
    EXPECT_EQ(m_frame->gestion(), nullptr);

    ASSERT_TRUE(m_frame->openLog(QStringLiteral("a.ccm")));
    QApplication::setActiveWindow(m_frame.get());
    QTest::keyClick(m_frame->currentJournal()->grid(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_NE(m_frame->gestion(), nullptr);
    EXPECT_TRUE(m_frame->gestion()->isVisible());
}
