// Lays out the reductions panel for what the engine shows: one indicator
// over the whole width, or three side by side.
#include "forms/ReductionPanelView.h"

#include <QGridLayout>
#include <QLabel>

namespace Orvalis {

namespace {

constexpr int Columns = 3;
// LblTextes(5..7) head the indicators, LblTextes(10) is the panel's title.
constexpr int FirstHeadingIndex = 5;
constexpr int TitleIndex = 10;

QLabel* makeLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

ReductionPanelView::ReductionPanelView(QWidget* parent)
    : QWidget(parent)
    , m_grid(new QGridLayout(this)) {
    m_grid->setContentsMargins(0, 0, 0, 0);
    QLabel* title = makeLabel(QString(), QStringLiteral("LblTextes_%1").arg(TitleIndex), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    m_LblTextes[TitleIndex] = title;
    m_grid->addWidget(title, 0, 0, 1, Columns);

    const std::array<QString, 3> headings{
        QStringLiteral("Horaire"), QStringLiteral("Supplementaire"), QStringLiteral("Totale")};
    for (std::size_t i = 0; i < m_LblReduction.size(); ++i) {
        const int column = static_cast<int>(i);
        m_LblTextes[FirstHeadingIndex + column] = makeLabel(
            headings[i], QStringLiteral("LblTextes_%1").arg(FirstHeadingIndex + column), this);
        m_LblReduction[i] =
            makeLabel(QStringLiteral("0 %"), QStringLiteral("LblReduction_%1").arg(column), this);
        m_LblReduction[i]->setFrameShape(QFrame::Panel);
        m_LblReduction[i]->setFrameShadow(QFrame::Sunken);
        m_LblReduction[i]->setMinimumWidth(70);
        m_grid->addWidget(m_LblTextes[FirstHeadingIndex + column], 1, column);
        m_grid->addWidget(m_LblReduction[i], 2, column);
    }
    display(ReductionPanel());
}

QColor ReductionPanelView::colourOf(IndicatorColour colour) {
    return colour == IndicatorColour::Blue ? QColor(0x00, 0x00, 0xFF) : QColor(0xFF, 0x00, 0x00);
}

void ReductionPanelView::placeFirstColumn(int span) {
    m_grid->addWidget(m_LblTextes[FirstHeadingIndex], 1, 0, 1, span);
    m_grid->addWidget(m_LblReduction[0], 2, 0, 1, span);
}

void ReductionPanelView::display(const ReductionPanel& panel) {
    m_LblTextes[TitleIndex]->setText(panel.title);
    m_LblTextes[FirstHeadingIndex + 1]->setText(panel.heading1);
    placeFirstColumn(panel.singleIndicator ? Columns : 1);
    for (std::size_t i = 0; i < m_LblReduction.size(); ++i) {
        const Indicator& indicator = panel.indicators[i];
        m_LblReduction[i]->setText(indicator.text);
        m_LblReduction[i]->setToolTip(indicator.tip);
        m_LblReduction[i]->setVisible(indicator.visible);
        m_LblTextes[FirstHeadingIndex + static_cast<int>(i)]->setVisible(indicator.visible);
    }
    m_LblReduction[0]->setStyleSheet(QStringLiteral("background-color: %1; color: white;")
                                         .arg(colourOf(panel.hourColour).name()));
}

} // namespace Orvalis
