// The layout of a printed journal: on every page a title, the journal's
// caption, the column headers, the rules and the page number; the rows from
// y = 2170 down, a new page once a row ends at or below H - 1000. The rows
// are laid out one at a time so that the printing window can show the page
// and be cancelled between two rows.
#pragma once

#include "core/JournalRows.h"
#include "core/PrintedPage.h"

#include <QSize>

namespace BasPrint {

class JournalPrint final {
public:
    static const QString Title;
    static constexpr int TitleY = 800;
    static constexpr int HeaderY = 1800;
    static constexpr int FirstRowY = 2170;
    static constexpr int RuleLeft = 750;
    static constexpr int RuleRight = 10850;
    static constexpr int RuleTop = 1750;
    static constexpr int RuleBelowHeaders = 2150;
    // Distances from the bottom of the page.
    static constexpr int RowsEndAbove = 1000;
    static constexpr int RuleBottomAbove = 750;
    static constexpr int PageNumberAbove = 500;
    static constexpr int PageNumberLeftOfRight = 1500;

    // `rows` is a copy of the journal's rows taken when printing starts;
    // `page` the printable area in twips. Page 1's header is laid out at once.
    JournalPrint(BasJournal::JournalRows rows, const QString& caption, QSize page,
                 const TextMeasure& measure);

    // Lays out the next row, on a new page when the last row ended at or
    // below H - 1000. False when every row is laid out.
    bool PrintNextRow();

    int pageNumber() const;
    // The pages laid out so far; all but the last are finished while rows remain.
    const QVector<PrintedPage>& pages() const;
    int finishedPages() const;

private:
    void PrintPageHeader();
    // Prints at (x, y) in the current font; the current y moves one line down.
    void print(int x, int y, const QString& text);
    void printCentred(int y, const QString& text);
    void rule(int x1, int y1, int x2, int y2);

    BasJournal::JournalRows m_rows;
    QString m_caption;
    int m_width;
    int m_height;
    const TextMeasure& m_measure;
    QVector<PrintedPage> m_pages;
    PrintFont m_font;
    int m_currentY = 0;
    int m_nextRow = 0;
};

} // namespace BasPrint
