// Every control of every screen, as creation leaves it.
#include <gtest/gtest.h>

#include <set>

#include "controls/controls.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

class Controls : public GameTest {
  protected:
    void SetUp() override { Create(); }

    const FontSpec& FontOf(HWND control) {
        const GdiObject* font = platform.FindObject(W(control).font);
        if (font == nullptr) throw std::runtime_error("no font");
        return font->font;
    }
};

struct Expected {
    const char* name;
    HWND GameState::*field;
    const char* className;
    const char* text;
    int x, y, width, height;
    DWORD style;
    DWORD exStyle;
    UINT id;
    bool visible;
    bool enabled;
};

constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPicture = 0x50000103;

TEST_F(Controls, EachSingleControlIsMadeAsLaidOut) {
    const Expected table[] = {
        {"questionDisplay", &GameState::questionDisplay, "BUTTON", "hi", 10, 48, 224, 50,
         kChildVisible | WS_DLGFRAME, 0, 2000, true, false},
        {"leftFace", &GameState::leftFace, "STATIC", "", 80, 5, 38, 38, kPicture,
         WS_EX_DLGMODALFRAME, 2012, true, false},
        {"rightFace", &GameState::rightFace, "STATIC", "", 126, 5, 38, 38, kPicture,
         WS_EX_DLGMODALFRAME, 2013, true, false},
        {"levelLabel", &GameState::levelLabel, "BUTTON", "hi", 56, 159, 133, 21,
         kChildVisible | WS_BORDER, 0, 1999, true, false},
        {"questionsLeftLabel", &GameState::questionsLeftLabel, "BUTTON", "hi", 56, 177, 133, 21,
         kChildVisible | WS_BORDER, 0, 1999, true, false},
        {"hintLabel", &GameState::hintLabel, "BUTTON", "hi", 10, 142, 224, 17, kChildVisible, 0,
         1999, true, false},
        {"movesLabel", &GameState::movesLabel, "BUTTON", "SCORE", 3, 5, 44, 19, kChildVisible, 0,
         3101, false, true},
        {"byeButton", &GameState::byeButton, "BUTTON", "bye", 197, 5, 44, 19, kChildVisible, 0,
         3101, false, true},
        {"aboutPicture", &GameState::aboutPicture, "STATIC", "", 0, 123, 98, 98, 0x5000010E,
         WS_EX_DLGMODALFRAME, 1801, false, true},
        {"aboutText", &GameState::aboutText, "EDIT", nullptr, 0, 0, 243, 125, 0x50000845,
         WS_EX_DLGMODALFRAME, 1999, false, true},
        {"contactText", &GameState::contactText, "EDIT", nullptr, 66, 123, 177, 103, 0x50000845,
         WS_EX_DLGMODALFRAME, 1999, false, true},
        {"aboutOkButton", &GameState::aboutOkButton, "BUTTON", "ok", 0, 224, 243, 28, kChildVisible,
         0, 1801, false, true},
        {"colourOkButton", &GameState::colourOkButton, "BUTTON", "ok", 15, 215, 215, 25,
         kChildVisible, 0, 2098, false, true},
        {"scoreList", &GameState::scoreList, "LISTBOX", "", 10, 69, 223, 95, 0x50A00140,
         WS_EX_CLIENTEDGE, 2096, false, true},
        {"scoreStore", &GameState::scoreStore, "LISTBOX", "", 10, 69, 223, 95, 0x50A00142,
         WS_EX_CLIENTEDGE, 2096, false, true},
        {"scoreHeader", &GameState::scoreHeader, "BUTTON", "SCORE", 10, 50, 92, 20, kChildVisible,
         0, 1999, false, false},
        {"nameHeader", &GameState::nameHeader, "BUTTON", "NAME", 101, 50, 133, 20, kChildVisible, 0,
         1999, false, false},
        {"yourScoreLabel", &GameState::yourScoreLabel, "BUTTON", "IS YOUR SCORE", 10, 165, 224, 20,
         kChildVisible, 0, 1999, false, false},
        {"yourNameLabel", &GameState::yourNameLabel, "BUTTON", "YOUR NAME", 10, 185, 99, 27,
         kChildVisible, 0, 1999, false, false},
        {"nameEdit", &GameState::nameEdit, "EDIT", "", 109, 185, 125, 27, kChildVisible,
         WS_EX_DLGMODALFRAME, 1999, false, true},
        {"scoresOkButton", &GameState::scoresOkButton, "BUTTON", "ok", 35, 224, 175, 20,
         kChildVisible, 0, 2097, false, true},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.name);
        const Window& w = W(game.*e.field);
        EXPECT_EQ(w.className, e.className);
        if (e.text != nullptr) {
            EXPECT_EQ(w.text, e.text);
        }
        EXPECT_EQ(w.x, e.x);
        EXPECT_EQ(w.y, e.y);
        EXPECT_EQ(w.width, e.width);
        EXPECT_EQ(w.height, e.height);
        EXPECT_EQ(w.style, e.style);
        EXPECT_EQ(w.exStyle, e.exStyle);
        EXPECT_EQ(w.id, e.id);
        EXPECT_EQ(w.visible, e.visible);
        EXPECT_EQ(w.enabled, e.enabled);
        EXPECT_EQ(w.parent, game.mainWindow);
    }
}

TEST_F(Controls, ArraysOfControlsAreLaidOutInRows) {
    for (int i = 0; i < 4; ++i) {
        const Window& b = W(game.answerButtons[i]);
        EXPECT_EQ(b.x, 10 + 58 * i);
        EXPECT_EQ(b.y, 105);
        EXPECT_EQ(b.width, 50);
        EXPECT_EQ(b.height, 28);
        EXPECT_EQ(b.id, 2001u + i);
        EXPECT_EQ(b.style, kChildVisible | WS_BORDER);
        EXPECT_TRUE(b.visible && b.enabled);
    }
    const int tools[7][3] = {{10, 160, 1401},  {10, 205, 1402},  {56, 205, 2007}, {103, 205, 1403},
                             {150, 205, 2009}, {196, 205, 2010}, {196, 160, 2011}};
    for (int i = 0; i < 7; ++i) {
        const Window& t = W(game.toolButtons[i]);
        EXPECT_EQ(t.x, tools[i][0]);
        EXPECT_EQ(t.y, tools[i][1]);
        EXPECT_EQ(t.id, static_cast<UINT>(tools[i][2]));
        EXPECT_TRUE(t.visible);
        EXPECT_FALSE(t.enabled);
    }
    for (int i = 0; i < 3; ++i) {
        const Window& bar = W(game.colourBars[i]);
        EXPECT_EQ(bar.className, "SCROLLBAR");
        EXPECT_EQ(bar.x, 15);
        EXPECT_EQ(bar.y, 120 + 25 * i);
        EXPECT_EQ(bar.width, 115);
        EXPECT_EQ(bar.height, 20);
        EXPECT_EQ(bar.id, 0u);
        EXPECT_EQ(bar.scrollMin, 0);
        EXPECT_EQ(bar.scrollMax, 255);
        EXPECT_FALSE(bar.visible);
        const Window& label = W(game.colourLabels[i]);
        EXPECT_EQ(label.x, 130);
        EXPECT_EQ(label.y, 120 + 25 * i);
        EXPECT_EQ(label.width, 100);
        EXPECT_EQ(label.id, 1999u);
        EXPECT_FALSE(label.visible || label.enabled);
    }
}

TEST_F(Controls, CardsSitOnASixByFiveGrid) {
    EXPECT_EQ(CardX(0), 3);
    EXPECT_EQ(CardY(0), 50);
    EXPECT_EQ(CardX(5), 203);
    EXPECT_EQ(CardY(5), 50);
    EXPECT_EQ(CardX(6), 3);
    EXPECT_EQ(CardY(6), 90);
    EXPECT_EQ(CardX(29), 203);
    EXPECT_EQ(CardY(29), 210);
    for (int i = 0; i < 30; ++i) {
        const Window& card = W(game.cardButtons[i]);
        EXPECT_EQ(card.x, CardX(i));
        EXPECT_EQ(card.y, CardY(i));
        EXPECT_EQ(card.id, 3000u + i);
        EXPECT_FALSE(card.visible);
        EXPECT_TRUE(card.enabled);
    }
}

TEST_F(Controls, OnlyTheSeventeenDrillControlsAreOnView) {
    std::set<HWND> drill = {game.questionDisplay, game.leftFace,           game.rightFace,
                            game.levelLabel,      game.questionsLeftLabel, game.hintLabel};
    drill.insert(game.answerButtons.begin(), game.answerButtons.end());
    drill.insert(game.toolButtons.begin(), game.toolButtons.end());
    ASSERT_EQ(drill.size(), 17u);
    std::set<HWND> visible;
    for (HWND child : platform.Children(game.mainWindow)) {
        if (Visible(child)) visible.insert(child);
    }
    EXPECT_EQ(visible, drill);
    EXPECT_EQ(platform.Children(game.mainWindow).size(), 17u + 2 + 4 + 30 + 3 + 3 + 1 + 2 + 6);
}

TEST_F(Controls, ThreeHeavyCourierFontsAndTheStockFixedFont) {
    const FontSpec& large = FontOf(game.questionDisplay);
    EXPECT_EQ(large.height, 55);
    EXPECT_EQ(large.width, 25);
    EXPECT_EQ(large.weight, FW_HEAVY);
    EXPECT_EQ(large.face, "courier");
    EXPECT_EQ(large.pitchAndFamily, DEFAULT_PITCH | FF_ROMAN);
    EXPECT_EQ(FontOf(game.answerButtons[2]).height, 28);
    EXPECT_EQ(FontOf(game.answerButtons[2]).width, 10);
    for (HWND small :
         {game.levelLabel, game.hintLabel, game.movesLabel, game.byeButton, game.aboutOkButton,
          game.colourLabels[1], game.colourOkButton, game.scoreHeader, game.scoresOkButton}) {
        EXPECT_EQ(FontOf(small).height, 15);
        EXPECT_EQ(FontOf(small).width, 18);
    }
    EXPECT_EQ(W(game.leftFace).font, 0u);
    EXPECT_EQ(W(game.nameEdit).font, 0u) << "the name box keeps the system font";
    EXPECT_EQ(W(game.aboutText).font, 0u);
    EXPECT_EQ(platform.FindObject(W(game.scoreList).font)->kind, GdiKind::StockFont);
    EXPECT_EQ(W(game.scoreList).font, W(game.scoreStore).font);
}

TEST_F(Controls, AboutPanelHoldsItsTextsAndBitmap) {
    const GdiObject* bitmap = platform.FindObject(W(game.aboutPicture).image);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->resource, 905u);
    EXPECT_EQ(W(game.aboutPicture).imageType, IMAGE_BITMAP);
    EXPECT_NE(
        Text(game.aboutText)
            .find("\r\n\r\nHi.. Just click on any button.  A happy face means that you chose the "
                  "correct one.. bye\r\n\r\n"),
        std::string::npos);
    EXPECT_EQ(Text(game.contactText).rfind("Send comments to:\r\n\r\n", 0), 0u);
}

TEST_F(Controls, TimerAndStartUpCommand) {
    EXPECT_EQ(game.timerId, 1u);
    EXPECT_EQ(platform.timerIntervals, std::vector<UINT>{300});
    MSG message;
    ASSERT_TRUE(platform.PeekMessageA(&message));
    EXPECT_EQ(message.message, WM_COMMAND);
    EXPECT_EQ(message.wParam, 2093u);
    EXPECT_EQ(message.lParam, 0);
}

TEST_F(Controls, SetLabelNumberFormatsOneOrTwoNumbers) {
    SetLabelNumber(game, game.questionDisplay, "%d x %d", 7, 8);
    EXPECT_EQ(Text(game.questionDisplay), "7 x 8");
    SetLabelNumber(game, game.levelLabel, "%d", 0, 0);
    EXPECT_EQ(Text(game.levelLabel), "0");
    SetLabelNumber(game, game.levelLabel, "%d questions", 25, 0);
    EXPECT_EQ(Text(game.levelLabel), "25 questions");
}

}  // namespace
}  // namespace pv::testing
