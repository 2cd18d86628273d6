// A printed page as what is drawn on it, in twips from the top-left corner
// of the printable area: texts placed by the top of their line, and rules.
#pragma once

#include <QString>
#include <QVector>

namespace BasPrint {

// Times New Roman (or its metric twin Liberation Serif) at a size in points.
struct PrintFont {
    int points = 12;
    bool bold = false;

    friend bool operator==(const PrintFont& a, const PrintFont& b) {
        return a.points == b.points && a.bold == b.bold;
    }
};

struct PrintedText {
    int x = 0;
    int y = 0; // the top of the text's line, not its baseline
    QString text;
    PrintFont font;
};

struct PrintedLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

struct PrintedPage {
    int number = 1;
    QVector<PrintedText> texts;
    QVector<PrintedLine> lines;
};

// The printed size of texts, in twips, as the printer's fonts give it.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int width(const QString& text, const PrintFont& font) const = 0;
    // The height of a line: printing a text moves the current y down by it.
    virtual int lineHeight(const PrintFont& font) const = 0;
};

} // namespace BasPrint
