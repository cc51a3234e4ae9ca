// The game's commands: what its menu items, buttons and pictures send, and what it posts to
// itself. A control's identifier is the command it sends. The numbers are fixed: the menu
// template and the tests rely on them.
#pragma once

#include <cstdint>

namespace pv {

namespace Command {
enum : std::uint32_t {
    Exit = 1000,
    Add = 1301,
    Subtract = 1302,
    Multiply = 1303,
    Divide = 1304,
    SoundToggle = 1401,
    MusicToggle = 1402,
    Colour = 1403,
    RandomColoursToggle = 1404,
    RememberPositionToggle = 1405,
    HighColourToggle = 1406,
    CloseAbout = 1801,  // the about picture and its "ok"
    Help = 1900,
    QuestionDisplay = 2000,  // asks for a new question like the refresh tool, were it enabled
    FirstAnswer = 2001,      // 2001..2004: the four answer buttons
    LastAnswer = 2004,
    Refresh = 2007,
    ViewScores = 2009,
    ExitTool = 2010,
    MemoryGame = 2011,
    LeftFace = 2012,
    RightFace = 2013,
    LoadAndStart = 2093,  // posted once the controls are made
    CloseScores = 2097,
    CloseColourPanel = 2098,
    BigTablesToggle = 2109,
    FirstCard = 3000,  // 3000..3029: the memory cards
    LastCard = 3029,
    LeaveMemoryGame = 3101,  // the memory game's "bye" and its move counter
    NewPlayer = 3300,
    FirstPlayer = 3301,  // 3301..3364: the players, as the Drill menu lists them
    LastPlayer = 3364,
    Progress = 3400,
    PracticeToggle = 3401,
    FirstZoom = 3410,  // 3410..3413: the window at 1x..4x its size, in the Options menu
    LastZoom = 3413,
    LanguageMenu = 3419,     // the pop-up of the languages, in the Options menu
    DesktopLanguage = 3420,  // the desktop's language, then 3421..3484: the languages the
    FirstLanguage = 3421,    // game has catalogues for, in the platform's order
    LastLanguage = 3484,
};
}  // namespace Command

}  // namespace pv
