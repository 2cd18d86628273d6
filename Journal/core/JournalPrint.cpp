// The printed journal laid out page by page.
#include "core/JournalPrint.h"

#include "core/JournalColumns.h"

#include <array>

namespace BasPrint {

namespace {

struct PrintedColumn {
    int headerX;
    int cellX;
    int ruleX; // the rule on the column's left
};

// Date, Libelle, HeureDebut, HeureFin, Duree, Cout, Total; the row number is
// not printed.
constexpr std::array<PrintedColumn, 7> Columns{{{1100, 900, 750},
                                                {2400, 2000, 1900},
                                                {5600, 5450, 5350},
                                                {6750, 6550, 6450},
                                                {7700, 7600, 7450},
                                                {8800, 8700, 8600},
                                                {9900, 9700, 9550}}};

constexpr PrintFont FirstHeaderFont{14, true};
constexpr int HeaderPoints = 12;
constexpr PrintFont RowFont{12, false};

} // namespace

const QString JournalPrint::Title =
    QStringLiteral("Journal de suivi des communications téléphoniques");

JournalPrint::JournalPrint(BasJournal::JournalRows rows, const QString& caption, QSize page,
                           const TextMeasure& measure)
    : m_rows(std::move(rows))
    , m_caption(caption)
    , m_width(page.width())
    , m_height(page.height())
    , m_measure(measure)
    , m_font(FirstHeaderFont) {
    PrintPageHeader();
    m_currentY = FirstRowY;
}

bool JournalPrint::PrintNextRow() {
    if (m_nextRow >= m_rows.count())
        return false;
    // A page is started only for a row that goes on it, never left with its
    // header alone after the last row.
    if (m_currentY >= m_height - RowsEndAbove) {
        PrintPageHeader();
        m_currentY = FirstRowY;
    }
    m_font = RowFont;
    const int rowY = m_currentY;
    for (int c = 0; c < int(Columns.size()); ++c) {
        const int field = BasJournal::JournalColumns::fieldOf(c + 1);
        print(Columns[c].cellX, rowY, m_rows.field(m_nextRow, field));
    }
    ++m_nextRow;
    return true;
}

int JournalPrint::pageNumber() const {
    return int(m_pages.size());
}

const QVector<PrintedPage>& JournalPrint::pages() const {
    return m_pages;
}

int JournalPrint::finishedPages() const {
    return m_nextRow < m_rows.count() ? pageNumber() - 1 : pageNumber();
}

void JournalPrint::PrintPageHeader() {
    // The first page's header is in the bold 14-point font of the start; the
    // later ones in the 12-point regular font the rows leave.
    PrintedPage page;
    page.number = pageNumber() + 1;
    m_pages.append(page);

    printCentred(TitleY, Title);
    printCentred(m_currentY, m_caption);
    m_font.points = HeaderPoints;
    for (int c = 0; c < int(Columns.size()); ++c)
        print(Columns[c].headerX, HeaderY, BasJournal::JournalColumns::header(c + 1));

    const int ruleBottom = m_height - RuleBottomAbove;
    for (const int y : {RuleTop, RuleBelowHeaders, ruleBottom})
        rule(RuleLeft, y, RuleRight, y);
    for (const PrintedColumn& column : Columns)
        rule(column.ruleX, RuleTop, column.ruleX, ruleBottom);
    rule(RuleRight, RuleTop, RuleRight, ruleBottom);

    print(m_width - PageNumberLeftOfRight, m_height - PageNumberAbove,
          QStringLiteral("Page %1").arg(page.number));
}

void JournalPrint::print(int x, int y, const QString& text) {
    m_pages.last().texts.append({x, y, text, m_font});
    m_currentY = y + m_measure.lineHeight(m_font);
}

void JournalPrint::printCentred(int y, const QString& text) {
    print(m_width / 2 - m_measure.width(text, m_font) / 2, y, text);
}

void JournalPrint::rule(int x1, int y1, int x2, int y2) {
    m_pages.last().lines.append({x1, y1, x2, y2});
}

} // namespace BasPrint
