// The four views of the file manager's list.
#include "gui/FileListViews.h"

#include "gui/FileItemDelegate.h"

#include <QAction>
#include <QHeaderView>
#include <QListView>
#include <QTreeView>

namespace Journal {

namespace {

constexpr int BigIconSize = 32;
constexpr int SmallIconSize = 16;
// The width of an item of the large-icon view, its name wrapped to it.
constexpr int BigItemWidth = BigIconSize * 4;

} // namespace

FileListViews::FileListViews(QAbstractItemModel* model, QWidget* parent)
    : QStackedWidget(parent)
    , m_icons(new QListView(this))
    , m_details(new QTreeView(this))
    , m_iconsDelegate(new FileItemDelegate(m_icons)) {
    m_icons->setObjectName(QStringLiteral("lvGestionIcons"));
    m_icons->setModel(model);
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setItemDelegate(m_iconsDelegate);

    m_details->setObjectName(QStringLiteral("lvGestionDetails"));
    m_details->setModel(model);
    m_details->setRootIsDecorated(false);
    m_details->setItemsExpandable(false);
    m_details->setAllColumnsShowFocus(true);
    m_details->setSortingEnabled(true);
    m_details->sortByColumn(0, Qt::AscendingOrder);
    m_details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_details->header()->setStretchLastSection(true);

    m_details->setItemDelegate(new FileItemDelegate(m_details));

    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(m_icons), static_cast<QAbstractItemView*>(m_details)}) {
        wire(view);
        addWidget(view);
    }
    // F2 renames the current row, wherever its current cell is.
    auto* rename = new QAction(this);
    rename->setShortcut(QKeySequence(Qt::Key_F2));
    rename->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(rename);
    connect(rename, &QAction::triggered, this,
            [this] { editItem(currentView()->currentIndex().siblingAtColumn(0)); });
    setView(View::Detail);
}

void FileListViews::setView(View view) {
    m_view = view;
    if (view == View::Detail) {
        setCurrentWidget(m_details);
        return;
    }
    const bool big = view == View::BigIcon;
    m_icons->setViewMode(big ? QListView::IconMode : QListView::ListMode);
    // The icon mode makes items movable and the list mode stops wrapping.
    m_icons->setMovement(QListView::Static);
    m_icons->setFlow(view == View::Liste ? QListView::TopToBottom : QListView::LeftToRight);
    m_icons->setWrapping(true);
    m_icons->setIconSize(big ? QSize(BigIconSize, BigIconSize)
                             : QSize(SmallIconSize, SmallIconSize));
    m_icons->setWordWrap(big);
    m_iconsDelegate->setWrapWidth(big ? BigItemWidth : 0);
    m_icons->setSpacing(big ? 8 : 4);
    // The items are measured again for the view's new delegate width.
    m_icons->doItemsLayout();
    setCurrentWidget(m_icons);
}

FileListViews::View FileListViews::view() const {
    return m_view;
}

QAbstractItemView* FileListViews::currentView() const {
    return qobject_cast<QAbstractItemView*>(currentWidget());
}

QTreeView* FileListViews::details() const {
    return m_details;
}

QModelIndex FileListViews::selectedItem() const {
    const QModelIndexList selected = currentView()->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.constFirst().siblingAtColumn(0);
}

void FileListViews::editSelected() {
    editItem(selectedItem());
}

void FileListViews::editItem(const QModelIndex& item) {
    if (!item.isValid())
        return;
    currentView()->setCurrentIndex(item);
    currentView()->edit(item);
}

void FileListViews::wire(QAbstractItemView* view) {
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QAbstractItemView::clicked, this, &FileListViews::itemClicked);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& pos) {
        emit contextMenuRequested(view->viewport()->mapToGlobal(pos));
    });
}

} // namespace Journal
