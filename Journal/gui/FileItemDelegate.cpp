// The items of the file manager's list: ticked by a click, names wrapped
// whole in the large-icon view.
#include "gui/FileItemDelegate.h"

#include <QApplication>
#include <QStyle>

namespace Journal {

namespace {

const QChar BreakHere(0x200B); // a zero-width space: a line may break there, unseen

const QStyle* styleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

// The style's margin on each side of an item's text.
int textMargin(const QStyleOptionViewItem& option) {
    return styleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
}

// The column of the check box, left of the icon and the name.
int checkWidth(const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (!index.data(Qt::CheckStateRole).isValid())
        return 0;
    return styleOf(option)->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, option.widget) +
           2 * textMargin(option);
}

// `text` with a line break allowed after every character of `breakAfter`,
// or after every character when `breakAfter` is empty.
QString breakableAfter(const QString& text, const QString& breakAfter) {
    QString breakable;
    for (const QChar ch : text) {
        breakable += ch;
        if (breakAfter.isEmpty() || breakAfter.contains(ch))
            breakable += BreakHere;
    }
    return breakable;
}

// Lines break between words; a word wider than a line also breaks after its
// dots, dashes and underscores, and a piece of it still wider after any
// of its characters.
QString breakable(const QString& text, const QFontMetrics& metrics, int lineWidth) {
    const auto fits = [&metrics, lineWidth](const QString& piece) {
        return metrics.horizontalAdvance(piece) <= lineWidth;
    };
    QStringList words = text.split(QLatin1Char(' '));
    for (QString& word : words) {
        if (fits(word))
            continue;
        QStringList pieces = breakableAfter(word, QStringLiteral("._-")).split(BreakHere);
        for (QString& piece : pieces) {
            if (!fits(piece))
                piece = breakableAfter(piece, QString());
        }
        word = pieces.join(BreakHere);
    }
    return words.join(QLatin1Char(' '));
}

} // namespace

void FileItemDelegate::setWrapWidth(int width) {
    m_wrapWidth = width;
}

bool FileItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return false;
    default:
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
}

QSize FileItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    if (m_wrapWidth == 0)
        return QStyledItemDelegate::sizeHint(option, index);
    // The name is measured at the width it is painted at: the item's beside
    // its check box, less the style's margins.
    QStyleOptionViewItem wrapped = option;
    wrapped.rect = QRect(0, 0, m_wrapWidth - checkWidth(option, index), QWIDGETSIZE_MAX);
    return {m_wrapWidth, QStyledItemDelegate::sizeHint(wrapped, index).height()};
}

void FileItemDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (m_wrapWidth == 0)
        return;
    option->features |= QStyleOptionViewItem::WrapText;
    option->textElideMode = Qt::ElideNone;
    const int lineWidth = m_wrapWidth - checkWidth(*option, index) - 2 * textMargin(*option);
    option->text = breakable(option->text, option->fontMetrics, lineWidth);
}

} // namespace Journal
