// Fonts and drawing of printed pages.
#include "gui/PagePainter.h"

#include "platform/Twips.h"

#include <QFontMetricsF>
#include <QPainter>

namespace Journal {

namespace {

constexpr int TwipsPerPoint = Twips::PerInch / 72;
// One pixel of a standard screen: thin, and seen on any printer.
constexpr int RuleWidth = Twips::PerInch / Twips::StandardDotsPerInch;

} // namespace

QFont PagePainter::fontOf(const BasPrint::PrintFont& font) {
    QFont printed;
    printed.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    // The painter draws in twips: a size in twips is the size in points.
    printed.setPixelSize(font.points * TwipsPerPoint);
    printed.setBold(font.bold);
    printed.setHintingPreference(QFont::PreferNoHinting);
    return printed;
}

int PagePainter::width(const QString& text, const BasPrint::PrintFont& font) const {
    return qRound(QFontMetricsF(fontOf(font)).horizontalAdvance(text));
}

int PagePainter::lineHeight(const BasPrint::PrintFont& font) const {
    return qRound(QFontMetricsF(fontOf(font)).height());
}

void PagePainter::paintPage(QPainter& painter, const BasPrint::PrintedPage& page) const {
    const QPaintDevice* device = painter.device();
    painter.resetTransform();
    painter.scale(double(device->logicalDpiX()) / Twips::PerInch,
                  double(device->logicalDpiY()) / Twips::PerInch);
    painter.setPen(QPen(Qt::black, RuleWidth));
    for (const BasPrint::PrintedLine& line : page.lines)
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    for (const BasPrint::PrintedText& text : page.texts) {
        const QFont font = fontOf(text.font);
        painter.setFont(font);
        // Placed by the top of its line, as the layout gives it.
        painter.drawText(QPointF(text.x, text.y + QFontMetricsF(font).ascent()), text.text);
    }
}

} // namespace Journal
