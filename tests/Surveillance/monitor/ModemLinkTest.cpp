// The link test over a sysfs tree: only a PPP interface that is up and
// running is a connection; anything unreadable is none.
#include "Surveillance/MonitorRig.h"

#include <gtest/gtest.h>

namespace {

struct Interface {
    const char* name;
    QByteArray type;
    QByteArray flags;
    QByteArray operstate;
};

struct LinkCase {
    const char* name;
    std::vector<Interface> interfaces;
    bool connected;
};

class ModemLinkTest : public ::testing::TestWithParam<LinkCase> {};

} // namespace

TEST_P(ModemLinkTest, SeesAConnectionOnlyOnAPppInterfaceUpAndRunning) {
    QTemporaryDir folder;
    for (const Interface& i : GetParam().interfaces)
        writeInterface(folder.path(), QLatin1String(i.name), i.type, i.flags, i.operstate);
    EXPECT_EQ(ModemLink(folder.path()).IsModemConnected(), GetParam().connected);
}

INSTANTIATE_TEST_SUITE_P(
    Sysfs, ModemLinkTest,
    ::testing::Values(
        LinkCase{"NoInterface", {}, false},
        LinkCase{"EthernetUp", {{"eth0", "1", "0x1043", "up"}}, false},
        LinkCase{"PppFlagsUpAndRunning", {{"ppp0", "512", "0x10d1", {}}}, true},
        LinkCase{"PppAsTheKernelShowsIt", {{"ppp0", "512", "0x1091", "unknown"}}, true},
        LinkCase{"PppUpNotRunning", {{"ppp0", "512", "0x1091", {}}}, false},
        LinkCase{"PppDown", {{"ppp0", "512", "0x1090", "unknown"}}, false},
        LinkCase{"SecondInterfaceIsPpp",
                 {{"eth0", "1", "0x1043", "up"}, {"ppp1", "512", "0x10d1", {}}},
                 true},
        LinkCase{"UnreadableFlags", {{"ppp0", "512", "up", "up"}}, false},
        LinkCase{"UnreadableType", {{"ppp0", "", "0x10d1", "up"}}, false}),
    [](const ::testing::TestParamInfo<LinkCase>& info) { return info.param.name; });

TEST(ModemLink, AMissingFolderIsNoConnection) {
    EXPECT_FALSE(ModemLink(QStringLiteral("/nonexistent/sys/class/net")).IsModemConnected());
}
