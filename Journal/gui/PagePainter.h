// The printer's side of a printed journal: the fonts, measured in twips
// for the layout, and the pages drawn on a printer or a PDF, one sheet each.
#pragma once

#include "core/PrintedPage.h"

#include <QFont>

class QPagedPaintDevice;

namespace Journal {

class PagePainter final : public BasPrint::TextMeasure {
public:
    // Times New Roman, or Liberation Serif, which has its metrics, sized in twips.
    static QFont fontOf(const BasPrint::PrintFont& font);

    int width(const QString& text, const BasPrint::PrintFont& font) const override;
    int lineHeight(const BasPrint::PrintFont& font) const override;

    // False when the device cannot be painted on.
    bool paint(QPagedPaintDevice& device, const QVector<BasPrint::PrintedPage>& pages) const;
};

} // namespace Journal
