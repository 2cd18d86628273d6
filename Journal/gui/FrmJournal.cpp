// The journal window: grid layout, empty-log notice, pop-up menu and the
// question asked before an unsaved search result closes.
#include "gui/FrmJournal.h"

#include "core/JournalColumns.h"
#include "core/JournalSlots.h"
#include "core/LogModel.h"
#include "gui/JournalIcons.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QTableView>

namespace Journal {

using BasJournal::JournalColumns::Count;

namespace {

constexpr int WidthTwips = 8295;
constexpr int HeightTwips = 4800;
constexpr int CellPadding = 12;
constexpr int SampledRows = 500;

// Texts a column holds in any log, beside those of its first rows.
QStringList fixedSamples(int column, int rowCount) {
    switch (static_cast<BasJournal::JournalColumn>(column)) {
    case BasJournal::JournalColumn::Numero:
        return {QString(QString::number(qMax(rowCount, 1)).size(), QLatin1Char('0'))};
    case BasJournal::JournalColumn::Libelle:
        return {QStringLiteral("* Remise à zéro du Coût Total")};
    default:
        return {QStringLiteral("##:##:##"), QStringLiteral("00:00:00")};
    }
}

// The width that shows the column's texts whole: the twips width of the
// layout, widened when the screen's font needs more.
int columnWidth(const QTableView* grid, int column, int twipsWidth) {
    const QAbstractItemModel* model = grid->model();
    QStringList texts = fixedSamples(column, model->rowCount());
    texts.append(BasJournal::JournalColumns::header(column));
    if (column != int(BasJournal::JournalColumn::Numero)) {
        for (int row = 0; row < qMin(model->rowCount(), SampledRows); ++row)
            texts.append(model->index(row, column).data().toString());
    }
    const QFontMetrics metrics = grid->fontMetrics();
    int needed = 0;
    for (const QString& text : texts)
        needed = qMax(needed, metrics.horizontalAdvance(text.trimmed()));
    return qMax(twipsWidth, needed + CellPadding);
}

} // namespace

FrmJournal::FrmJournal(int index, std::unique_ptr<BasJournal::JournalModel> model,
                       const QString& caption, BasJournal::JournalSlots& journalSlots,
                       QWidget* parent)
    : QMdiSubWindow(parent)
    , m_index(index)
    , m_model(std::move(model))
    , m_slots(journalSlots)
    , m_Grille(new QTableView(this))
    , m_txtVide(new QLabel(QStringLiteral("Ce fichier journal est vide"), m_Grille->viewport())) {
    setObjectName(QStringLiteral("FrmJournal%1").arg(index));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    setWindowIcon(JournalIcons::programIcon());

    m_Grille->setObjectName(QStringLiteral("Grille"));
    m_Grille->setModel(m_model.get());
    PrepareGrid();
    setWidget(m_Grille);

    m_txtVide->setObjectName(QStringLiteral("txtVide"));
    m_txtVide->setFrameShape(QFrame::Box);
    m_txtVide->setMargin(4);
    m_txtVide->setAutoFillBackground(true);
    m_txtVide->adjustSize();
    m_txtVide->move(8, 8);
    m_txtVide->setVisible(m_model->rowCount() == 0);
    connect(m_model.get(), &BasJournal::JournalModel::recordsChanged, this,
            &FrmJournal::followRecords);

    for (QWidget* area : {static_cast<QWidget*>(m_Grille), static_cast<QWidget*>(m_txtVide)}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this, [this, area](const QPoint& pos) {
            QWidget* origin = area == m_Grille ? m_Grille->viewport() : area;
            emit windowMenuRequested(origin->mapToGlobal(pos));
        });
    }

    resize(initialSize());
}

int FrmJournal::index() const {
    return m_index;
}

const BasJournal::JournalModel& FrmJournal::model() const {
    return *m_model;
}

BasJournal::LogModel* FrmJournal::log() const {
    return qobject_cast<BasJournal::LogModel*>(m_model.get());
}

QTableView* FrmJournal::grid() const {
    return m_Grille;
}

bool FrmJournal::isEmptyNoticeShown() const {
    return !m_txtVide->isHidden();
}

QSize FrmJournal::initialSize() const {
    int columns = m_Grille->verticalHeader()->width();
    for (int column = 1; column < Count; ++column)
        columns += m_Grille->columnWidth(column);
    const int frame = 2 * style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this) +
                      2 * m_Grille->frameWidth() +
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {qMax(Twips::toPixels(WidthTwips, logicalDpiX()), columns + frame),
            Twips::toPixels(HeightTwips, logicalDpiX())};
}

void FrmJournal::holdOpen(bool held) {
    m_heldOpen = held;
}

bool FrmJournal::isHeldOpen() const {
    return m_heldOpen;
}

void FrmJournal::PrepareGrid() {
    m_Grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Grille->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_Grille->setWordWrap(false);
    m_Grille->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_Grille->verticalHeader()->setDefaultSectionSize(m_Grille->fontMetrics().height() + 6);
    m_Grille->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_Grille->horizontalHeader()->setHighlightSections(false);
    m_Grille->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    // Trailing blanks are part of the stored fields: they are cut, never elided.
    m_Grille->setTextElideMode(Qt::ElideNone);
    for (int column = 0; column < Count; ++column) {
        const int twips =
            Twips::toPixels(BasJournal::JournalColumns::widthTwips(column), logicalDpiX());
        m_Grille->setColumnWidth(column, columnWidth(m_Grille, column, twips));
    }
    // The row numbers stay in place when the grid scrolls sideways: the
    // fixed column is the grid's row header.
    fitRowNumbers();
    m_Grille->setColumnHidden(int(BasJournal::JournalColumn::Numero), true);
}

void FrmJournal::followRecords() {
    m_txtVide->setVisible(m_model->rowCount() == 0);
    // Appended records may bring a number with one more digit.
    fitRowNumbers();
}

void FrmJournal::fitRowNumbers() {
    const int numero = int(BasJournal::JournalColumn::Numero);
    const int twips =
        Twips::toPixels(BasJournal::JournalColumns::widthTwips(numero), logicalDpiX());
    m_Grille->verticalHeader()->setFixedWidth(columnWidth(m_Grille, numero, twips));
}

void FrmJournal::closeEvent(QCloseEvent* event) {
    if (m_heldOpen) {
        event->ignore();
        QApplication::beep();
        return;
    }
    if (m_slots.isUnsaved(m_index)) {
        const auto answer = QMessageBox::question(
            this, windowTitle(), QStringLiteral("Voulez-vous enregistrer la recherche ?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            emit saveRequested(this);
        m_slots.setUnsaved(m_index, false);
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed(this);
}

} // namespace Journal
