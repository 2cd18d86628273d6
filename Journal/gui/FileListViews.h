// The list of the file manager in the four views of a list view: large
// icons (each name whole, wrapped under its icon), small icons, list and
// details, all over one model. A click on an item ticks or unticks it; the
// details view sorts by a header click; F2 renames the current row.
#pragma once

#include <QStackedWidget>

class QAbstractItemModel;
class QAbstractItemView;
class QListView;
class QTreeView;

namespace Journal {

class FileItemDelegate;

class FileListViews final : public QStackedWidget {
    Q_OBJECT

public:
    enum class View { BigIcon, SmallIcon, Liste, Detail };

    explicit FileListViews(QAbstractItemModel* model, QWidget* parent = nullptr);

    void setView(View view);
    View view() const;
    QAbstractItemView* currentView() const;
    QTreeView* details() const;

    // The selected item's first column, invalid when none is selected.
    QModelIndex selectedItem() const;
    // Starts editing the label of the selected item.
    void editSelected();

signals:
    void itemClicked(const QModelIndex& index);
    void contextMenuRequested(const QPoint& globalPos);

private:
    void wire(QAbstractItemView* view);
    void editItem(const QModelIndex& item);

    QListView* m_icons;
    QTreeView* m_details;
    FileItemDelegate* m_iconsDelegate;
    View m_view = View::Detail;
};

} // namespace Journal
