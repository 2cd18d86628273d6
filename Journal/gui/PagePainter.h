// The printer's side of a printed journal: the fonts, measured in twips
// for the layout, and each page drawn on a sheet of a printer or a PDF.
#pragma once

#include "core/PrintedPage.h"

#include <QFont>

class QPainter;

namespace Journal {

class PagePainter final : public BasPrint::TextMeasure {
public:
    // Times New Roman, or Liberation Serif, which has its metrics, sized in twips.
    static QFont fontOf(const BasPrint::PrintFont& font);

    int width(const QString& text, const BasPrint::PrintFont& font) const override;
    int lineHeight(const BasPrint::PrintFont& font) const override;

    // Draws the page on the painter's current sheet.
    void paintPage(QPainter& painter, const BasPrint::PrintedPage& page) const;
};

} // namespace Journal
