// How the file manager's list draws its items: a click anywhere on an item
// ticks it, so the check box leaves the mouse to the click (the space bar
// still ticks the current item); in the large-icon view every name is shown
// whole, wrapped under its icon.
#pragma once

#include <QStyledItemDelegate>

namespace Journal {

class FileItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The width of an item whose name wraps to it; 0 (no wrapping) in the
    // other views.
    void setWrapWidth(int width);

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    int m_wrapWidth = 0;
};

} // namespace Journal
