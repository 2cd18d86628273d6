// FindOrvalis: the bus says whether the calculator runs; only its own
// windows are counted, and the only one is brought up. A window of another
// program is never touched, whatever its caption.
#include "Surveillance/MonitorRig.h"

#include <gtest/gtest.h>

using WindowSearch::ShowCommand;
using WindowSearch::WindowId;

namespace {

constexpr qint64 Calculator = 4242;
constexpr qint64 Terminal = 777;

struct FinderCase {
    const char* name;
    bool running;
    QList<FakeMonitorDesktop::Window> windows;
    bool launch;
    bool found;
    WindowId broughtUp; // 0: no window touched
    bool started;
};

class CalculatorFinderTest : public ::testing::TestWithParam<FinderCase> {
protected:
    MonitorRig rig;
};

const FakeMonitorDesktop::Window Main{0x400007, QStringLiteral("Orvalis V3.04"), Calculator};
const FakeMonitorDesktop::Window Compact{0x400011, QStringLiteral("Orvalis V3.04"), Calculator};
const FakeMonitorDesktop::Window Minimised{0x400007, QStringLiteral("1,234 - 00:05:12"),
                                           Calculator};
const FakeMonitorDesktop::Window Clock{0x600003, QStringLiteral("Horloge - 12:30:45"), Terminal};
const FakeMonitorDesktop::Window Stranger{0x600009, QStringLiteral("Orvalis V3.04"), Terminal};

} // namespace

TEST_P(CalculatorFinderTest, FindsTheCalculatorOnTheBusAndBringsUpItsOnlyWindow) {
    const FinderCase& c = GetParam();
    rig.client.running = c.running;
    rig.client.process = Calculator;
    rig.desktop.windows = c.windows;
    EXPECT_EQ(rig.finder.FindOrvalis(c.launch), c.found);
    if (c.broughtUp) {
        using Shown = QPair<WindowId, ShowCommand>;
        EXPECT_EQ(rig.desktop.shown, (QList<Shown>{{c.broughtUp, ShowCommand::Hide},
                                                   {c.broughtUp, ShowCommand::ShowNormal}}));
    } else {
        EXPECT_TRUE(rig.desktop.shown.isEmpty());
    }
    EXPECT_EQ(rig.desktop.started,
              c.started ? QStringList{MonitorRig::ProgramFolder + "/Orvalis"} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Windows, CalculatorFinderTest,
    ::testing::Values(
        FinderCase{"NotRunningStarted", false, {Clock, Stranger}, true, false, 0, true},
        FinderCase{"NotRunningLeftAlone", false, {Clock}, false, false, 0, false},
        FinderCase{"MainWindow", true, {Clock, Main}, true, true, Main.id, false},
        FinderCase{"Minimised", true, {Minimised, Stranger}, true, true, Minimised.id, false},
        FinderCase{"CompactWindow", true, {Main, Compact}, true, true, 0, false},
        FinderCase{"ThreeWindows",
                   true,
                   {Main, Compact, {0x400021, Main.caption, Calculator}},
                   true,
                   false,
                   0,
                   false},
        FinderCase{"NoWindowToSee", true, {}, true, true, 0, false},
        FinderCase{"OnlyOthersWindows", true, {Clock, Stranger}, true, true, 0, false}),
    [](const ::testing::TestParamInfo<FinderCase>& info) { return info.param.name; });
