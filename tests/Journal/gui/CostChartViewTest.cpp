// The cost chart of two months: as many day labels as fit side by side at
// its width, its amounts titled with their unit, and a bar's day and value
// told when the mouse is over it.
#include "gui/CostChartView.h"

#include <QBarSeries>
#include <QBarSet>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>

#include <gtest/gtest.h>

using Journal::CostChartView;

TEST(CostChartViewTest, LabelsFitTheWidthAndABarTellsItsValue) {
    BasJournal::JournalStatistics statistics;
    statistics.period = {QDate(2027, 1, 1), QDate(2027, 3, 2)};
    statistics.byDay.append({QDate(2027, 1, 4), {1, 60, 12.5}});
    const auto bars =
        BasJournal::CostCharts::costOverTime(statistics, QLocale(QLocale::French, QLocale::France));
    CostChartView view;
    view.setBars(bars);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    qsizetype narrowCount = 0;
    for (const int width : {700, 1270}) {
        view.resize(width, 300);
        QTest::qWait(50);
        const QList<int> labelled = view.labelledBars();
        ASSERT_GE(labelled.size(), 2) << width;
        // Each label has the room of the bars up to the next one.
        const qreal room = (labelled.at(1) - labelled.at(0)) * view.chart()->plotArea().width() /
                           qreal(bars.values.size());
        const QFontMetrics metrics(view.chart()->axes(Qt::Horizontal).first()->labelsFont());
        for (const int bar : labelled)
            EXPECT_LT(metrics.horizontalAdvance(bars.categories.at(bar)), room) << width;
        EXPECT_GT(labelled.size(), narrowCount);
        narrowCount = labelled.size();
    }
    const auto* amounts = qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Vertical).first());
    EXPECT_TRUE(amounts->titleText().endsWith(QStringLiteral("(F)")));

    auto* series = qobject_cast<QBarSeries*>(view.chart()->series().first());
    emit series->hovered(true, 3, series->barSets().first());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("lundi 4 janvier 2027 : 12,50 F"));
}
