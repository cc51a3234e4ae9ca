// The message queue and the default handling that every platform shares.
#include <gtest/gtest.h>

#include <vector>

#include "support/recording_platform.h"

namespace pv::testing {
namespace {

struct Seen {
    std::vector<UINT> messages;
    bool refuseCreate = false;
    HWND watch = 0;
    bool watchAliveAtDestroy = false;
};

LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class Queue : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSEXA c;
        c.lpfnWndProc = Procedure;
        c.context = this;
        c.lpszClassName = "Test";
        platform.RegisterClassExA(&c);
        window = platform.CreateWindowExA(0, "Test", "t", 0, 0, 0, 10, 10, 0, 0, 1, nullptr);
    }

  public:
    RecordingPlatform platform;
    Seen seen;
    HWND window = 0;
};

LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* test = static_cast<Queue*>(context);
    test->seen.messages.push_back(message);
    if (message == WM_CREATE && test->seen.refuseCreate) return -1;
    if (message == WM_DESTROY) {
        test->seen.watchAliveAtDestroy = test->platform.Find(test->seen.watch) != nullptr;
        test->platform.PostQuitMessage(3);
    }
    return test->platform.DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(Queue, CreationSendsCreateBeforeReturning) {
    EXPECT_NE(window, 0u);
    EXPECT_EQ(seen.messages, std::vector<UINT>{WM_CREATE});
}

TEST_F(Queue, QuitComesAfterEveryPostedMessage) {
    platform.PostQuitMessage(0);
    platform.PostMessageA(window, WM_COMMAND, 1, 0);
    platform.PostMessageA(window, WM_COMMAND, 2, 0);
    MSG m;
    ASSERT_EQ(platform.GetMessageA(&m, 0, 0, 0), 1);
    EXPECT_EQ(m.wParam, 1u);
    ASSERT_EQ(platform.GetMessageA(&m, 0, 0, 0), 1);
    EXPECT_EQ(m.wParam, 2u);
    EXPECT_EQ(platform.GetMessageA(&m, 0, 0, 0), 0);
    EXPECT_EQ(m.message, WM_QUIT);
    EXPECT_EQ(platform.GetMessageA(&m, 0, 0, 0), -1) << "nothing more can come";
}

TEST_F(Queue, AtMostOneTickWaits) {
    platform.SetTimer(window, 1, 300, nullptr);
    platform.TimerFired(window, 1);
    platform.TimerFired(window, 1);
    EXPECT_EQ(platform.QueuedMessages(), 1u);
    platform.KillTimer(window, 1);
    EXPECT_EQ(platform.QueuedMessages(), 0u) << "killing a timer drops its waiting tick";
    platform.TimerFired(window, 1);
    EXPECT_EQ(platform.QueuedMessages(), 0u);
}

TEST_F(Queue, CloseRequestDestroysThroughTheDefaultHandling) {
    platform.SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(seen.messages, (std::vector<UINT>{WM_CREATE, WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
    EXPECT_EQ(platform.Find(window), nullptr);
    MSG m;
    EXPECT_EQ(platform.GetMessageA(&m, 0, 0, 0), 0);
    EXPECT_EQ(m.wParam, 3u);
}

TEST_F(Queue, ChildrenStillExistWhileTheParentHearsOfItsEnd) {
    seen.watch =
        platform.CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 0, 0, 5, 5, window, 7, 1, nullptr);
    platform.DestroyWindow(window);
    EXPECT_TRUE(seen.watchAliveAtDestroy);
    EXPECT_EQ(platform.Find(seen.watch), nullptr);
}

TEST_F(Queue, CreationRefusedByTheProcedureGivesNoWindow) {
    seen.refuseCreate = true;
    EXPECT_EQ(platform.CreateWindowExA(0, "Test", "t", 0, 0, 0, 1, 1, 0, 0, 1, nullptr), 0u);
}

TEST_F(Queue, ScrollPositionsStayInRange) {
    HWND bar = platform.CreateWindowExA(0, "SCROLLBAR", nullptr, WS_CHILD, 0, 0, 5, 5, window, 0, 1,
                                        nullptr);
    platform.SetScrollRange(bar, SB_CTL, 0, 255, FALSE);
    EXPECT_EQ(platform.SetScrollPos(bar, SB_CTL, 300, TRUE), 0);
    EXPECT_EQ(platform.GetScrollPos(bar, SB_CTL), 255);
    platform.SetScrollPos(bar, SB_CTL, -4, TRUE);
    EXPECT_EQ(platform.GetScrollPos(bar, SB_CTL), 0);
}

TEST_F(Queue, MenuItemsByCommandAndByPosition) {
    HMENU menu = platform.LoadMenuA(1, 890);
    ASSERT_NE(menu, 0u);
    EXPECT_EQ(platform.LoadMenuA(1, 891), 0u);
    EXPECT_EQ(platform.CheckMenuItem(menu, 1401, 0xFF), MF_UNCHECKED);
    EXPECT_EQ(platform.CheckMenuItem(menu, 1401, 0), MF_CHECKED);
    EXPECT_EQ(platform.CheckMenuItem(menu, 4242, MF_CHECKED), MENU_ITEM_MISSING);
    platform.EnableMenuItem(menu, 0, MF_BYPOSITION | MF_DISABLED);
    const Menu* m = platform.FindMenu(menu);
    EXPECT_TRUE(m->bar[0].disabled);
    EXPECT_FALSE(m->bar[0].grayed) << "disabled on the bar, not greyed";
    platform.EnableMenuItem(menu, 2, MF_BYPOSITION | MF_DISABLED);
    EXPECT_TRUE(m->bar[2].disabled);
    EXPECT_FALSE(platform.FindMenuItem(menu, 1900)->grayed);
    platform.EnableMenuItem(menu, 1404, MF_GRAYED);
    EXPECT_TRUE(platform.FindMenuItem(menu, 1404)->grayed);
    EXPECT_EQ(platform.EnableMenuItem(menu, 3, MF_BYPOSITION), MENU_ITEM_MISSING);
}

}  // namespace
}  // namespace pv::testing
