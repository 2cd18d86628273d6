// The four views of the file manager's list.
#include "gui/FileListViews.h"

#include <QHeaderView>
#include <QListView>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace Journal {

namespace {

// A click anywhere on an item ticks it, so the check box itself leaves the
// mouse to the click; the space bar still ticks the current item.
class ClickTicksDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return false;
        default:
            return QStyledItemDelegate::editorEvent(event, model, option, index);
        }
    }
};

constexpr int BigIconSize = 32;
constexpr int SmallIconSize = 16;

} // namespace

FileListViews::FileListViews(QAbstractItemModel* model, QWidget* parent)
    : QStackedWidget(parent)
    , m_icons(new QListView(this))
    , m_details(new QTreeView(this)) {
    m_icons->setObjectName(QStringLiteral("lvGestionIcons"));
    m_icons->setModel(model);
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setUniformItemSizes(true);

    m_details->setObjectName(QStringLiteral("lvGestionDetails"));
    m_details->setModel(model);
    m_details->setRootIsDecorated(false);
    m_details->setItemsExpandable(false);
    m_details->setAllColumnsShowFocus(true);
    m_details->setSortingEnabled(true);
    m_details->sortByColumn(0, Qt::AscendingOrder);
    m_details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_details->header()->setStretchLastSection(true);

    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(m_icons), static_cast<QAbstractItemView*>(m_details)}) {
        wire(view);
        addWidget(view);
    }
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
    m_icons->setGridSize(big ? QSize(BigIconSize * 4, BigIconSize * 2 + 8) : QSize());
    m_icons->setSpacing(big ? 0 : 4);
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
    const QModelIndex item = selectedItem();
    if (!item.isValid())
        return;
    currentView()->setCurrentIndex(item);
    currentView()->edit(item);
}

void FileListViews::wire(QAbstractItemView* view) {
    view->setItemDelegate(new ClickTicksDelegate(view));
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
