// The file manager driven as a user would: ticks by clicks, the totals, the
// views, the sort, the questions before deleting and the rename in place,
// with the journal windows and the recent files kept in step.
#include "gui/FrmGestion.h"
#include "Journal/gui/FrameFixture.h"
#include "gui/FileListViews.h"
#include "support/ModalAnswerer.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QToolBar>
#include <QTreeView>

using namespace Journal;

namespace {

class FrmGestionTest : public FrameFixture {
protected:
    FrmGestion* open() {
        FrmGestion* gestion = m_frame->showGestion();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(gestion));
        return gestion;
    }

    static QTreeView* details(const FrmGestion* gestion) { return gestion->lvGestion()->details(); }

    static QStringList names(const FrmGestion* gestion) {
        QStringList texts;
        const QAbstractItemModel* model = details(gestion)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts.append(model->index(row, 0).data().toString());
        return texts;
    }

    static QString status(const FrmGestion* gestion, int panel) {
        return gestion->findChild<QLabel*>(QStringLiteral("stbStatus%1").arg(panel))->text();
    }

    static QToolButton* button(const FrmGestion* gestion, const char* key) {
        return gestion->findChild<QToolButton*>(QLatin1String(key));
    }

    // A click on the row of the details view, as on its name.
    static void click(FrmGestion* gestion, int row) {
        QTreeView* view = details(gestion);
        const QRect item = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }

    // Renames the row through the pop-up menu and the item's editor.
    static void rename(FrmGestion* gestion, int row, const QString& name) {
        QTreeView* view = details(gestion);
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect |
                                           QItemSelectionModel::Rows);
        emit view->customContextMenuRequested(
            view->visualRect(view->model()->index(row, 0)).center());
        auto* menu = gestion->findChild<QMenu*>(QStringLiteral("MnuFile"));
        ASSERT_TRUE(menu->isVisible());
        menu->actions().constFirst()->trigger();
        menu->close();
        auto* editor = view->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(name);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::qWait(20);
    }

    void writeBytes(const QString& name, int size) {
        QFile file(QDir(m_logs).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(size));
    }
};

} // namespace

TEST_F(FrmGestionTest, ClicksTickTheLogsAndTheTotalsFollow) {
    writeLog(QStringLiteral("déc.2026.ccm"), 3);
    writeLog(QStringLiteral("janv.2027.ccm"), 0);
    writeBytes(QStringLiteral("janv.2027.ccm"), 0);
    FrmGestion* gestion = open();
    EXPECT_EQ(gestion->windowTitle(), QStringLiteral("Orvalis - Gestion des journaux"));
    EXPECT_EQ(status(gestion, 1), QStringLiteral("Total Fichiers : 2"));
    EXPECT_EQ(status(gestion, 2), QStringLiteral("Total Communications : 3"));
    for (const char* key : {"Open", "Print", "Kill"})
        EXPECT_FALSE(button(gestion, key)->isEnabled()) << key;

    click(gestion, 1);
    EXPECT_EQ(status(gestion, 1), QStringLiteral("Total Fichiers : 1"));
    EXPECT_EQ(status(gestion, 2), QStringLiteral("Total Communications : 0"));
    for (const char* key : {"Open", "Print", "Kill"})
        EXPECT_TRUE(button(gestion, key)->isEnabled()) << key;
    EXPECT_TRUE(details(gestion)->selectionModel()->selectedIndexes().isEmpty());

    click(gestion, 1);
    EXPECT_EQ(status(gestion, 1), QStringLiteral("Total Fichiers : 2"));
    EXPECT_FALSE(button(gestion, "Open")->isEnabled());
}

TEST_F(FrmGestionTest, TheToolbarSwitchesTheFourViews) {
    writeLog(QStringLiteral("a.ccm"), 1);
    FrmGestion* gestion = open();
    auto* icons = gestion->findChild<QListView*>(QStringLiteral("lvGestionIcons"));
    EXPECT_EQ(gestion->lvGestion()->currentWidget(), details(gestion));
    const struct {
        const char* key;
        QListView::ViewMode mode;
        QListView::Flow flow;
    } views[] = {{"BigIcon", QListView::IconMode, QListView::LeftToRight},
                 {"SmallIcon", QListView::ListMode, QListView::LeftToRight},
                 {"Liste", QListView::ListMode, QListView::TopToBottom}};
    for (const auto& view : views) {
        button(gestion, view.key)->click();
        EXPECT_EQ(gestion->lvGestion()->currentWidget(), icons) << view.key;
        EXPECT_EQ(icons->viewMode(), view.mode) << view.key;
        EXPECT_EQ(icons->flow(), view.flow) << view.key;
    }
    button(gestion, "Detail")->click();
    EXPECT_EQ(gestion->lvGestion()->currentWidget(), details(gestion));
    EXPECT_EQ(button(gestion, "SmallIcon")->toolTip(),
              QStringLiteral("Affichage mode Petites Icônes\t"));
}

TEST_F(FrmGestionTest, LargeIconsShowWholeNamesWrappedUnderTheirIcons) {
    const QString longName = QStringLiteral("appels_du_soir_et_du_week-end_de_decembre_2026.ccm");
    writeLog(QStringLiteral("a.ccm"), 1);
    writeLog(longName, 1);
    FrmGestion* gestion = open();
    button(gestion, "BigIcon")->click();
    auto* icons = gestion->findChild<QListView*>(QStringLiteral("lvGestionIcons"));
    const QRect shortItem = icons->visualRect(icons->model()->index(0, 0));
    const QRect longItem = icons->visualRect(icons->model()->index(1, 0));
    ASSERT_EQ(icons->model()->index(1, 0).data().toString(), longName);
    // As wide as the others, and high enough for every line of the name.
    EXPECT_EQ(longItem.width(), shortItem.width());
    const QFontMetrics metrics(icons->font());
    const int lines =
        (metrics.horizontalAdvance(longName) + longItem.width() - 1) / longItem.width();
    EXPECT_GT(lines, 1);
    EXPECT_GE(longItem.height(), icons->iconSize().height() + lines * metrics.lineSpacing());
    EXPECT_TRUE(gestion->findChild<QToolBar*>(QStringLiteral("picToolBar"))->isMovable());
}

TEST_F(FrmGestionTest, F2RenamesTheCurrentRow) {
    writeLog(QStringLiteral("a.ccm"), 1);
    writeLog(QStringLiteral("b.ccm"), 1);
    FrmGestion* gestion = open();
    click(gestion, 1);
    QApplication::setActiveWindow(gestion);
    QTest::keyClick(details(gestion), Qt::Key_F2);
    auto* editor = details(gestion)->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("b.ccm"));
    editor->setText(QStringLiteral("soir.ccm"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(logFiles(), (QStringList{"a.ccm", "soir.ccm"}));
}

TEST_F(FrmGestionTest, AHeaderClickSortsSizesAsNumbers) {
    writeBytes(QStringLiteral("a.ccm"), 2048);
    writeBytes(QStringLiteral("b.ccm"), 10240);
    writeBytes(QStringLiteral("c.ccm"), 1024);
    FrmGestion* gestion = open();
    QHeaderView* header = details(gestion)->header();
    const auto clickHeader = [header](int section) {
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
    };
    clickHeader(1);
    EXPECT_EQ(names(gestion), (QStringList{"c.ccm", "a.ccm", "b.ccm"}));
    clickHeader(1);
    EXPECT_EQ(names(gestion), (QStringList{"b.ccm", "a.ccm", "c.ccm"}));
}

TEST_F(FrmGestionTest, DeletingAsksFirstThenClosesTheLogsWindowAndForgetsIt) {
    for (const char* name : {"a.ccm", "b.ccm", "c.ccm"})
        writeLog(QLatin1String(name), 1);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("b.ccm")));
    FrmGestion* gestion = open();
    for (int row = 0; row < 3; ++row)
        click(gestion, row);
    {
        ModalAnswerer answerer(QMessageBox::No);
        button(gestion, "Kill")->click();
        EXPECT_EQ(answerer.titles(), QStringList{"Suppression des Journaux"});
        EXPECT_EQ(answerer.texts(),
                  QStringList{"Êtes-vous sûr de vouloir supprimer les fichiers séléctionnés ?"});
    }
    EXPECT_EQ(logFiles().size(), 3);
    EXPECT_EQ(names(gestion).size(), 3);

    click(gestion, 0);
    click(gestion, 2);
    ModalAnswerer answerer(QMessageBox::Yes);
    button(gestion, "Kill")->click();
    EXPECT_EQ(answerer.titles(), QStringList{"Suppression du Journal"});
    EXPECT_EQ(answerer.texts(),
              QStringList{"Êtes-vous sûr de vouloir supprimer le fichier séléctionné ?"});
    EXPECT_EQ(logFiles(), (QStringList{"a.ccm", "c.ccm"}));
    EXPECT_EQ(names(gestion), (QStringList{"a.ccm", "c.ccm"}));
    EXPECT_EQ(status(gestion, 1), QStringLiteral("Total Fichiers : 2"));
    EXPECT_TRUE(m_frame->journals().isEmpty());
    EXPECT_TRUE(recentEntries(fileMenu()).isEmpty());
}

TEST_F(FrmGestionTest, RenamingInPlaceRenamesTheFileItsWindowAndItsRecentEntry) {
    writeLog(QStringLiteral("RECHERCHE3.CCM"), 2);
    writeLog(QStringLiteral("nov.2026.ccm"), 1);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("recherche3.ccm")));
    FrmGestion* gestion = open();
    ASSERT_EQ(names(gestion), (QStringList{"nov.2026.ccm", "recherche3.ccm"}));

    rename(gestion, 1, QStringLiteral("appels du soir.ccm"));
    EXPECT_EQ(logFiles(), (QStringList{"appels du soir.ccm", "nov.2026.ccm"}));
    EXPECT_EQ(m_frame->currentJournal()->windowTitle(), QStringLiteral("APPELS DU SOIR.CCM"));
    EXPECT_TRUE(m_frame->windowTitle().endsWith(QStringLiteral(" - APPELS DU SOIR.CCM")));
    EXPECT_EQ(recentEntries(fileMenu()), QStringList{"APPELS DU SOIR.CCM"});

    ModalAnswerer answerer;
    rename(gestion, 0, QStringLiteral("NOV.2026.ccm"));
    rename(gestion, 0, QStringLiteral("../x"));
    EXPECT_EQ(answerer.titles(),
              (QStringList{"Erreur en renommant le fichier", "Erreur en renommant le fichier"}));
    EXPECT_EQ(answerer.texts().value(0), QStringLiteral("Un fichier de même nom existe déja."));
    EXPECT_EQ(logFiles(), (QStringList{"appels du soir.ccm", "nov.2026.ccm"}));
    EXPECT_EQ(names(gestion), (QStringList{"appels du soir.ccm", "nov.2026.ccm"}));
}

TEST_F(FrmGestionTest, StartedAloneItOpensTheTickedLogsInTheFrame) {
    writeLog(QStringLiteral("a.ccm"), 2);
    writeLog(QStringLiteral("b.ccm"), 1);
    FrmPrincipale frame(m_logs, m_store);
    FrmGestion* gestion = frame.showGestion();
    EXPECT_TRUE(gestion->isVisible());
    EXPECT_FALSE(frame.isVisible());

    click(gestion, 0);
    click(gestion, 1);
    button(gestion, "Open")->click();
    EXPECT_TRUE(frame.isVisible());
    ASSERT_EQ(frame.journals().size(), 2);
    EXPECT_EQ(frame.journals()[0]->windowTitle(), QStringLiteral("A.CCM"));
    EXPECT_EQ(frame.journals()[1]->windowTitle(), QStringLiteral("B.CCM"));
}
