// Draws the table of hours: the hour marks along the top, then one row for
// Monday to Friday and one for Saturday, Sunday and public holidays.
#include "forms/HorairesPicture.h"

#include <QPainter>

namespace Orvalis {

namespace {

const QColor Normal(0xFF, 0x00, 0x00);
const QColor Reduit(0x00, 0x00, 0xFF);

// Left column of the day names, then the 24 hours over the rest, short of
// a margin where the last hour mark ends.
constexpr int DaysWidth = 86;
constexpr int RightMargin = 10;
constexpr int MarksHeight = 15;
constexpr int RowHeight = 31;

int hourX(int hour) {
    return DaysWidth + (HorairesPicture::Width - 1 - RightMargin - DaysWidth) * hour / 24;
}

void band(QPainter& painter, int top, int from, int to, const QColor& colour, const QString& text) {
    const QRect rect(QPoint(hourX(from), top), QPoint(hourX(to), top + RowHeight - 1));
    painter.fillRect(rect, colour);
    painter.setPen(Qt::black);
    painter.drawRect(rect);
    if (!text.isEmpty()) {
        painter.setPen(Qt::white);
        painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, text);
    }
}

} // namespace

HorairesPicture::HorairesPicture(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(Width, Height);
}

void HorairesPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);

    painter.setPen(Qt::black);
    for (const int hour : {0, 8, 12, 19, 24}) {
        const QRect mark(hourX(hour) - 11, 0, 22, MarksHeight);
        painter.drawText(mark, Qt::AlignCenter, QStringLiteral("%1h").arg(hour));
    }

    const int week = MarksHeight;
    const int weekEnd = MarksHeight + RowHeight;
    painter.drawText(QRect(0, week, DaysWidth - 2, RowHeight),
                     Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                     QStringLiteral("Lundi au vendredi"));
    painter.drawText(QRect(0, weekEnd, DaysWidth - 2, RowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Samedi Dimanche\nJours Fériés"));

    band(painter, week, 0, 8, Reduit, QString());
    band(painter, week, 8, 19, Normal, QStringLiteral("Tarif normal"));
    band(painter, week, 19, 24, Reduit, QString());
    band(painter, weekEnd, 0, 24, Reduit, QStringLiteral("Tarif réduit"));
}

} // namespace Orvalis
