// The window search over X11: captions matched case-sensitively, hidden
// windows found too, and a found window withdrawn and shown again.
#include "platform/x11/WindowSearch.h"
#include "desktop/CaptionSearch.h"
#include "e2e/CalculatorRun.h"

#include <QThread>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

using WindowSearch::ShowCommand;

namespace {

// A top-level window of the test's own, with a caption, never mapped.
class TestWindow final {
public:
    explicit TestWindow(const QByteArray& caption)
        : m_connection(xcb_connect(nullptr, nullptr)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 10, 10, 120,
                          40, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_NAME,
                            XCB_ATOM_STRING, 8, static_cast<std::uint32_t>(caption.size()),
                            caption.constData());
        xcb_flush(m_connection);
        sync();
    }
    ~TestWindow() {
        xcb_destroy_window(m_connection, m_window);
        xcb_disconnect(m_connection);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    WindowSearch::WindowId id() const { return m_window; }

    // Says that the window belongs to process `pid`, as toolkits do.
    void setProcess(std::uint32_t pid) {
        const char name[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, sizeof name - 1, name), nullptr);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, atom->atom,
                            XCB_ATOM_CARDINAL, 32, 1, &pid);
        std::free(atom);
        sync();
    }

    bool mapped() {
        xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, m_window), nullptr);
        const bool viewable = reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
        std::free(reply);
        return viewable;
    }

private:
    void sync() {
        std::free(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_window = 0;
};

class WindowSearchTest : public ::testing::Test {
protected:
    // An X server resets, destroying every window, when its last client
    // leaves: one connection is held open over the tests so that the
    // windows of one test are not lost to the end of the previous one.
    static void SetUpTestSuite() {
        if (CalculatorRun::sessionAvailable())
            s_keeper = xcb_connect(nullptr, nullptr);
    }
    static void TearDownTestSuite() {
        if (s_keeper)
            xcb_disconnect(s_keeper);
        s_keeper = nullptr;
    }
    void SetUp() override {
        if (!CalculatorRun::sessionAvailable())
            GTEST_SKIP() << "needs an X display (scripts/test)";
    }

    static xcb_connection_t* s_keeper;
};

xcb_connection_t* WindowSearchTest::s_keeper = nullptr;

} // namespace

TEST_F(WindowSearchTest, FindsHiddenWindowsByCaptionPattern) {
    TestWindow window("Orvalis - Journal de suivi [d\xe9"
                      "c.2026.ccm]");
    ASSERT_FALSE(window.mapped());
    const auto found =
        CaptionSearch::FindWindowsByCaption(QStringLiteral("*Orvalis - Journal de suivi*"));
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.first(), window.id());
    EXPECT_TRUE(
        CaptionSearch::FindWindowsByCaption(QStringLiteral("*orvalis - journal*")).isEmpty());
    EXPECT_TRUE(
        CaptionSearch::FindWindowsByCaption(QStringLiteral("*Orvalis - Gestion*")).isEmpty());
}

TEST_F(WindowSearchTest, CountsEveryMatchingWindow) {
    TestWindow first("Orvalis - Gestion des journaux");
    TestWindow second("Orvalis - Gestion des journaux");
    EXPECT_EQ(CaptionSearch::FindWindowsByCaption(QStringLiteral("*Orvalis - Gestion*")).size(), 2);
    EXPECT_TRUE(CaptionSearch::FindWindowsByCaption(QStringLiteral("Rien de tel ?#")).isEmpty());
}

TEST_F(WindowSearchTest, ShowsAndWithdrawsAWindow) {
    TestWindow window("Orvalis - Journal de suivi");
    ASSERT_TRUE(WindowSearch::ShowWindow(window.id(), ShowCommand::ShowMaximized));
    EXPECT_TRUE(window.mapped());
    ASSERT_TRUE(WindowSearch::ShowWindow(window.id(), ShowCommand::Hide));
    EXPECT_FALSE(window.mapped());
    // Still found while hidden.
    EXPECT_EQ(
        CaptionSearch::FindWindowsByCaption(QStringLiteral("Orvalis - Journal de suivi")).size(),
        1);
    ASSERT_TRUE(WindowSearch::ShowWindow(window.id(), ShowCommand::ShowNormal));
    EXPECT_TRUE(window.mapped());
}

TEST_F(WindowSearchTest, TellsTheProcessThatSaysItOwnsAWindow) {
    TestWindow silent("Orvalis V3.04");
    EXPECT_EQ(WindowSearch::WindowProcess(silent.id()), 0);
    TestWindow owned("Orvalis V3.04");
    owned.setProcess(4321);
    EXPECT_EQ(WindowSearch::WindowProcess(owned.id()), 4321);
}
