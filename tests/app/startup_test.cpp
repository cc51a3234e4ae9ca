// Start-up, the main window, the menu and the command table.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "random/random.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

TEST(CentreOrigin, HalvesEachSizeBeforeSubtracting) {
    EXPECT_EQ(CentreOrigin(248, 1024), 388);
    EXPECT_EQ(CentreOrigin(295, 768), 237);
    EXPECT_EQ(CentreOrigin(248, 800), 276);
    EXPECT_EQ(CentreOrigin(295, 600), 153);
    EXPECT_EQ(CentreOrigin(248, 1023), 387);
    EXPECT_EQ(CentreOrigin(295, 200), -47);  // a screen smaller than the window
}

class Startup : public GameTest {};

TEST_F(Startup, WindowIsCreatedHiddenCentredAndCaptioned) {
    platform.screenWidth = 800;
    platform.screenHeight = 600;
    Create();
    const Window& main = W(game.mainWindow);
    EXPECT_EQ(main.text, "Pondivar 2.01");
    EXPECT_EQ(main.style, 0x060A0000u);
    EXPECT_EQ(main.exStyle, WS_EX_WINDOWEDGE);
    EXPECT_EQ(main.x, 276);
    EXPECT_EQ(main.y, 153);
    EXPECT_EQ(main.width, 248);
    EXPECT_EQ(main.height, 295);
    EXPECT_EQ(main.windowClass->style, 0x2003u);
    EXPECT_STREQ(main.windowClass->lpszClassName, "Template_Class");
    EXPECT_FALSE(main.visible);
    EXPECT_EQ(main.menu, game.menu);
    // The start-up command waits in the queue; until it runs the window stays hidden.
    EXPECT_EQ(platform.QueuedMessages(), 1u);
    EXPECT_EQ(Drain(), 1);
    EXPECT_TRUE(Visible(game.mainWindow));
}

TEST_F(Startup, WindowIsShownOnlyAtTheEndOfTheStartUpCommand) {
    Start();
    std::size_t shown = 0;
    for (std::size_t i = 0; i < platform.reflected.size(); ++i) {
        const Reflected& r = platform.reflected[i];
        if (r.window == game.mainWindow && r.what == Change::Visible && r.visible) shown = i;
    }
    EXPECT_EQ(shown, platform.reflected.size() - 1) << "showing the window is the last change";
}

// The first draw after seeding is the icon, then one picture per picture control in creation
// order: the two faces, the seven tools, the thirty cards.
TEST_F(Startup, PicturesAreDrawnInCreationOrder) {
    WatchDraws();
    Create(4321);
    ASSERT_GE(ranges.size(), 40u);
    std::vector<std::uint32_t> last40(ranges.end() - 40, ranges.end());
    EXPECT_EQ(last40, std::vector<std::uint32_t>(40, 301));

    GameState replica;
    SeedRandomWith(replica, 4321);
    EXPECT_EQ(W(game.mainWindow).icon, 500 + Random(replica, 301));
    std::vector<HWND> order = {game.leftFace, game.rightFace};
    order.insert(order.end(), game.toolButtons.begin(), game.toolButtons.end());
    order.insert(order.end(), game.cardButtons.begin(), game.cardButtons.end());
    for (HWND control : order) {
        HANDLE picture = W(control).image;
        EXPECT_EQ(picture, 500 + Random(replica, 301));
        EXPECT_GE(picture, 500u);
        EXPECT_LE(picture, 800u);
    }
}

TEST_F(Startup, MenuTreeHasItsItemsAndIdentifiers) {
    Create();
    const Menu* menu = platform.FindMenu(game.menu);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->bar.size(), 3u);
    EXPECT_EQ(menu->bar[0].text, "&Drill");
    EXPECT_EQ(menu->bar[1].text, "&Options");
    EXPECT_EQ(menu->bar[2].text, "&Help");
    EXPECT_EQ(menu->bar[2].id, 1900u);
    EXPECT_FALSE(menu->bar[2].popup);

    auto layout = [](const MenuItem& popup) {
        std::vector<std::pair<std::string, UINT>> out;
        for (const MenuItem& item : popup.items) {
            out.emplace_back(item.separator ? "-" : item.text, item.id);
        }
        return out;
    };
    using L = std::vector<std::pair<std::string, UINT>>;
    EXPECT_EQ(layout(menu->bar[0]), (L{{"&Add", 1301},
                                       {"&Subtract", 1302},
                                       {"&Multiply", 1303},
                                       {"&Divide", 1304},
                                       {"-", 0},
                                       {"Memory &Game", 2011},
                                       {"-", 0},
                                       {"&View Scores", 2009},
                                       {"-", 0},
                                       {"&Exit", 1000}}));
    EXPECT_EQ(layout(menu->bar[1]), (L{{"&Sound Effects", 1401},
                                       {"&Background Music", 1402},
                                       {"-", 0},
                                       {"Save &Window Position", 1405},
                                       {"-", 0},
                                       {"&High Color Pictures", 1406},
                                       {"&Random Colors", 1404},
                                       {"-", 0},
                                       {"&Include Tables 11 to 17", 2109}}));
    for (UINT id : {1301, 1302, 1303, 1304, 2011, 2009, 1000, 1401, 1402, 1405, 1406, 1404, 2109}) {
        EXPECT_FALSE(Item(id).checked) << id;
        EXPECT_FALSE(Item(id).grayed) << id;
    }
}

TEST_F(Startup, DefaultSettingsAreAppliedToTheMenu) {
    Start();
    EXPECT_TRUE(Item(1303).grayed) << "multiplication is the stored operation";
    for (UINT id : {1301, 1302, 1304}) EXPECT_FALSE(Item(id).grayed) << id;
    for (UINT id : {1401, 1402, 1404, 1405, 1406, 2109}) EXPECT_FALSE(Item(id).checked) << id;
}

TEST_F(Startup, StoredBackgroundBecomesTheClassBrush) {
    Start();
    HBRUSH brush = platform.ClassBackground(game.mainWindow);
    const GdiObject* object = platform.FindObject(brush);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->kind, GdiKind::Brush);
    EXPECT_EQ(object->colour, 188u + 195u * 256u + 187u * 65536u);
    EXPECT_EQ(platform.GetScrollPos(game.colourBars[0], SB_CTL), 188);
    EXPECT_EQ(platform.GetScrollPos(game.colourBars[1], SB_CTL), 195);
    EXPECT_EQ(platform.GetScrollPos(game.colourBars[2], SB_CTL), 187);
}

class Commands : public GameTest {
  protected:
    void SetUp() override { Start(); }
};

TEST_F(Commands, OptionTogglesFlipTheirFlagAndCheckMark) {
    struct Option {
        UINT id;
        std::uint8_t GameState::*flag;
    };
    for (Option option :
         {Option{1405, &GameState::rememberPosition}, Option{1406, &GameState::highColour},
          Option{2109, &GameState::bigTables}, Option{1401, &GameState::soundOn}}) {
        Command(option.id);
        EXPECT_EQ(game.*option.flag, 0xFF) << option.id;
        EXPECT_TRUE(Item(option.id).checked) << option.id;
        Command(option.id);
        EXPECT_EQ(game.*option.flag, 0) << option.id;
        EXPECT_FALSE(Item(option.id).checked) << option.id;
    }
}

TEST_F(Commands, NotificationCodesAndNeighboursMatchNothing) {
    for (WPARAM value :
         {WPARAM{0x00011405}, WPARAM{0x03001405}, WPARAM{0x00001300}, WPARAM{0x00001305},
          WPARAM{0x00010000 | 1000}, WPARAM{2999}, WPARAM{3030}}) {
        Command(value);
    }
    EXPECT_EQ(game.rememberPosition, 0);
    EXPECT_NE(platform.Find(game.mainWindow), nullptr) << "the window is still open";
    EXPECT_TRUE(Item(1303).grayed);
}

class Shutdown : public GameTest {
  protected:
    void SetUp() override { Start(); }

    void ExpectClosedCleanly() {
        EXPECT_EQ(platform.Find(game.mainWindow), nullptr);
        EXPECT_FALSE(platform.TimerRunning(1));
        EXPECT_EQ(platform.CountObjects(GdiKind::Font), 0u);
        EXPECT_EQ(platform.CountObjects(GdiKind::Bitmap), 0u);
        MSG message;
        ASSERT_TRUE(platform.PeekMessageA(&message));
        EXPECT_EQ(message.message, WM_QUIT);
        EXPECT_EQ(message.wParam, 0u);
    }
};

TEST_F(Shutdown, ExitMenuItemClosesLikeTheCloseButton) {
    Send(WM_COMMAND, 1000, 0);
    ExpectClosedCleanly();
}

TEST_F(Shutdown, ExitToolClosesLikeTheCloseButton) {
    Send(WM_COMMAND, 2010, 0);
    ExpectClosedCleanly();
}

TEST_F(Shutdown, CloseButtonEndsTheLoopWithExitCodeZero) {
    platform.PostMessageA(game.mainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(RunMessageLoop(game), 0);
    EXPECT_EQ(platform.Find(game.mainWindow), nullptr);
}

}  // namespace
}  // namespace pv::testing
