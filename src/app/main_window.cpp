#include "app/main_window.h"

#include <algorithm>
#include <cstdint>

#include "animation/hit_test.h"
#include "animation/tick.h"
#include "app/about.h"
#include "app/create_controls.h"
#include "app/keyboard.h"
#include "app/language_menu.h"
#include "app/menu_marks.h"
#include "app/players_menu.h"
#include "app/zoom.h"
#include "assets/catalogue.h"
#include "assets/commands.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "colour/colour.h"
#include "controls/controls.h"
#include "drill/answer_keeper.h"
#include "drill/judge.h"
#include "drill/question.h"
#include "game/operations.h"
#include "memory/memory.h"
#include "random/random.h"
#include "screens/high_scores.h"
#include "screens/screens.h"
#include "store/settings_file.h"

namespace pv {

namespace {

constexpr const char* kClassName = "Template_Class";
constexpr DWORD kMainStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT WindowProcThunk(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return MainWindowProc(*static_cast<Game*>(context), window, message, wParam, lParam);
}

// An option flag is a byte of 0 or 0xFF, flipped by negation; its new value is also the check
// state of its menu item.
void ToggleOption(Game& g, std::uint8_t& flag, UINT item) {
    flag = static_cast<std::uint8_t>(~flag);
    g.platform.CheckMenuItem(g.menu, item, flag);
}

void AskNewQuestion(Game& g) {
    PlaySoundEffect(g, Sound::NewQuestion);
    NextQuestion(g);
}

void CloseMainWindow(Game& g, HWND window) {
    g.platform.SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// Returns false for a value that is no command of the game.
bool OnCommand(Game& g, HWND window, WPARAM command) {
    if (OnPlayerCommand(g, window, command)) return true;
    if (OnZoomCommand(g, command)) return true;
    if (OnLanguageCommand(g, command)) return true;
    if (command >= Command::FirstCard && command <= Command::LastCard) {
        CardClicked(g, static_cast<int>(command - Command::FirstCard));
        return true;
    }
    if (command >= Command::FirstAnswer && command <= Command::LastAnswer) {
        std::size_t i = command - Command::FirstAnswer;
        AnswerClicked(g, g.answerButtons[i], g.choices[i]);
        return true;
    }
    if (IsOperationCommand(command)) {
        SetOperation(g, command);
        return true;
    }
    switch (command) {
        case Command::Exit:
        case Command::ExitTool:
            CloseMainWindow(g, window);
            break;
        case Command::SoundToggle:
            g.soundOn = static_cast<std::uint8_t>(~g.soundOn);
            PlaySoundEffect(g, Sound::SoundSwitchedOn);
            g.platform.CheckMenuItem(g.menu, Command::SoundToggle, g.soundOn);
            break;
        case Command::MusicToggle:
            ToggleOption(g, g.musicOn, Command::MusicToggle);
            UpdateMusic(g, window);
            break;
        case Command::Colour:
            if (g.randomColours == 0) PlaySoundEffect(g, Sound::Click);
            ApplyColour(g);
            break;
        case Command::RandomColoursToggle:
            ToggleOption(g, g.randomColours, Command::RandomColoursToggle);
            ApplyColour(g);
            break;
        case Command::RememberPositionToggle:
            ToggleOption(g, g.rememberPosition, Command::RememberPositionToggle);
            break;
        case Command::HighColourToggle:
            ToggleOption(g, g.highColour, Command::HighColourToggle);
            break;
        case Command::BigTablesToggle:
            ToggleOption(g, g.bigTables, Command::BigTablesToggle);
            break;
        case Command::CloseAbout:
            CloseAbout(g);
            break;
        case Command::Help:
        case Command::LeftFace:
        case Command::RightFace:
            OpenAbout(g);
            break;
        case Command::QuestionDisplay:
        case Command::Refresh:
            AskNewQuestion(g);
            break;
        case Command::ViewScores:
            OpenScores(g);
            break;
        case Command::MemoryGame:
            DealMemoryGame(g);
            break;
        case Command::LoadAndStart:
            LoadAndStart(g, window);
            break;
        case Command::CloseScores:
            CloseScores(g);
            break;
        case Command::CloseColourPanel:
            CloseColourPanel(g);
            break;
        case Command::LeaveMemoryGame:
            PlaySoundEffect(g, Sound::Click);
            LeaveMemoryGame(g);
            break;
        default:
            return false;
    }
    return true;
}

void OnDestroy(Game& g, HWND window) {
    Platform& p = g.platform;
    if (g.timerId != 0) p.KillTimer(window, g.timerId);
    for (HGDIOBJ object : {g.largeFont, g.mediumFont, g.smallFont, g.aboutBitmap}) {
        if (object != 0) p.DeleteObject(object);
    }
    SaveSettingsFile(g, window);
    if (g.musicOn != 0) {
        // Stopping the music must not change the setting already saved: music stays on for the
        // next start.
        g.musicOn = static_cast<std::uint8_t>(~g.musicOn);
        UpdateMusic(g, window);
    }
    RemoveSongFolder(g);
    p.PostQuitMessage(0);
    PlaySoundEffect(g, Sound::Farewell, Wait::Yes);
}

}  // namespace

LONG CentreOrigin(DWORD size, DWORD screenSize) {
    return static_cast<LONG>(screenSize / 2 - size / 2);
}

int ProgramStart(Game& g) {
    g.instance = g.platform.GetModuleHandleA(nullptr);
    g.commandLine = g.platform.GetCommandLineA();
    return RunMainWindow(g, g.instance, 0, g.commandLine, SW_SHOWDEFAULT);
}

int RunMainWindow(Game& g, HINSTANCE /*instance*/, HINSTANCE /*previous*/,
                  const char* /*commandLine*/, int /*showCommand*/) {
    CreateMainWindow(g);
    return RunMessageLoop(g);
}

void CreateMainWindow(Game& g) {
    Platform& p = g.platform;
    WNDCLASSEXA windowClass;
    windowClass.style = CS_BYTEALIGNWINDOW | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProcThunk;
    windowClass.context = &g;
    windowClass.hInstance = g.instance;
    windowClass.hbrBackground = COLOR_BTNSHADOW_BRUSH;
    windowClass.lpszClassName = kClassName;
    SeedRandom(g);
    windowClass.hIcon = p.LoadIconA(g.instance, kFirstPicture + Random(g, kCartoonPictures));
    windowClass.hCursor = p.LoadCursorA(0, IDC_ARROW);
    p.RegisterClassExA(&windowClass);

    LONG x = CentreOrigin(kWindowWidth, p.GetSystemMetrics(SM_CXSCREEN));
    LONG y = CentreOrigin(kWindowHeight, p.GetSystemMetrics(SM_CYSCREEN));
    g.mainWindow = p.CreateWindowExA(WS_EX_WINDOWEDGE, kClassName, g.caption.data(), kMainStyle, x,
                                     y, kWindowWidth, kWindowHeight, 0, 0, g.instance, nullptr);
    g.menu = p.LoadMenuA(g.instance, kMainMenu);
    p.SetMenu(g.mainWindow, g.menu);
    p.ShowWindow(g.mainWindow, SW_HIDE);
    p.UpdateWindow(g.mainWindow);
}

int RunMessageLoop(Game& g) {
    Platform& p = g.platform;
    MSG message;
    // A failure (-1) ends the loop too, rather than spinning on it.
    while (p.GetMessageA(&message, 0, 0, 0) > 0) {
        p.TranslateMessage(&message);
        p.DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void LoadAndStart(Game& g, HWND window) {
    Platform& p = g.platform;
    BuildPlaylist(g);
    LoadSettingsFile(g);
    LoadPlayer(g);
    MarkSettingsInMenu(g);
    if (g.musicOn != 0) UpdateMusic(g, window);
    PlaySoundEffect(g, Sound::SoundSwitchedOn);
    p.SetScrollPos(g.colourBars[0], SB_CTL, static_cast<int>(g.bgRed), FALSE);
    p.SetScrollPos(g.colourBars[1], SB_CTL, static_cast<int>(g.bgGreen), FALSE);
    p.SetScrollPos(g.colourBars[2], SB_CTL, static_cast<int>(g.bgBlue), FALSE);
    // The class starts with a system colour, which is not ours to delete.
    HBRUSH brush = p.CreateSolidBrush(PackColour(g.bgRed, g.bgGreen, g.bgBlue));
    p.SetClassLongA(window, GCL_HBRBACKGROUND, static_cast<LONG>(brush));
    p.InvalidateRect(window, nullptr, TRUE);
    NextQuestion(g);
    if (g.rememberPosition != 0) {
        // A place on a screen that is no longer there would lose the window; it then stays where
        // it was created, and the saved place is left as it is.
        auto edge = [](LONG from, int size) {
            return static_cast<LONG>(std::min<std::int64_t>(std::int64_t{from} + size, INT32_MAX));
        };
        RECT saved{g.windowX, g.windowY, edge(g.windowX, kWindowWidth),
                   edge(g.windowY, kWindowHeight)};
        if (p.MonitorFromRect(&saved, MONITOR_DEFAULTTONULL) != 0) {
            p.MoveWindow(window, g.windowX, g.windowY, kWindowWidth, kWindowHeight, FALSE);
        }
    }
    p.ShowWindow(window, SW_SHOWNORMAL);
}

namespace {

LRESULT OnMessage(Game& g, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return CreateControls(g, window);
        case WM_COMMAND:
            if (OnCommand(g, window, wParam)) return 0;
            break;
        case WM_TIMER:
            OnTick(g);
            return 0;
        case WM_HSCROLL:
            ColourScroll(g, wParam, static_cast<HWND>(lParam));
            return 0;
        case WM_KEYDOWN:
        case WM_CHAR:
            if (WPARAM command = KeyCommand(g, message, wParam, lParam); command != 0) {
                OnCommand(g, window, command);
            }
            return 0;
        case WM_MOUSEMOVE:
            HitTest(g, lParam, Click::No);
            return 0;
        case WM_LBUTTONDOWN:
            HitTest(g, lParam, Click::Yes);
            return 0;
        case WM_PAINT:  // every visible thing is a control on the class background
            return 0;
        case MM_MCINOTIFY:
            if (wParam == MCI_NOTIFY_SUCCESSFUL) UpdateMusic(g, window);
            return 0;
        case WM_DESTROY:
            OnDestroy(g, window);
            return 0;
        default:
            break;
    }
    return g.platform.DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT MainWindowProc(Game& g, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = OnMessage(g, window, message, wParam, lParam);
    // Any message may have put a screen over the question, or a dialog in front of the window
    // (WM_ENABLE), or taken it away.
    FollowQuestionClock(g);
    return result;
}

}  // namespace pv
