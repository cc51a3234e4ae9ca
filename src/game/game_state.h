// The one value that holds the whole game, from program start to exit, in parts by lifetime: a
// player's game (with the settings their file keeps), the window, and the run. The store code lays
// the settings block out field by field, not from these structs' memory.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/operations.h"
#include "game/tools.h"
#include "platform/win32.h"

namespace pv {

// One 39-bit shift register of the generator: bits 0..31 in low, bits 32..38 in high.
struct RandomRegister {
    std::uint32_t low = 0;
    std::uint8_t high = 0;
};

constexpr std::size_t kHintTextSize = 20;

constexpr std::size_t kGridSize = kLargestTable;
constexpr std::size_t kCardCount = 30;
constexpr std::size_t kPlaylistLength = 47;
constexpr std::size_t kAboutTextSize = 256;

using FactGrid = std::array<std::array<std::uint32_t, kGridSize + 1>, kGridSize + 1>;

// What the settings and score file keeps of a player's game, in file order. The file also lays
// out the window's timer, font and bitmap handles between missedThisRound and hoverActive: those
// belong to the window and outlive a switch of player, so they are in WindowParts.
struct StoredSettings {
    std::array<char, 4> magic = {'P', 'V', '2', '1'};
    std::uint8_t missedThisRound = 0;
    std::uint32_t hoverActive = 0;
    std::uint8_t aboutOpen = 0;
    std::uint8_t memoryOpen = 0;
    std::uint8_t colourOpen = 0;
    std::uint8_t scoresOpen = 0;
    std::uint8_t operation = 'x';
    std::uint8_t soundOn = 0;
    std::uint8_t musicOn = 0;
    std::uint8_t randomColours = 0;  // stored in two bytes, the second always 0
    std::uint32_t bgGreen = 195;
    std::uint32_t bgRed = 188;
    std::uint32_t bgBlue = 187;
    std::uint32_t scoreCount = 1;
    std::uint8_t rememberPosition = 0;
    std::int32_t windowX = 123;
    std::int32_t windowY = 123;
    std::uint8_t highColour = 0;
    std::uint8_t saveCount = 0;
    std::uint8_t bigTables = 0;
    std::uint32_t tableSize = 2;
    std::uint32_t score = 1;
    std::int32_t actionDelay = 0;
    std::int32_t labelDelay = 0;
    std::uint32_t pendingQuestion = 0;
    std::uint32_t pendingBoardRedraw = 0;
    std::uint32_t hintCasePhase = 0;
    std::uint32_t labelPhase = 0;
    // The hover hints; the settings block ends inside "music off".
    std::array<std::array<char, kHintTextSize>, kHintCount> hintTexts = {{
        {"about Pondivar"},
        {"sound on"},
        {"sound off"},
        {"music on"},
        {"music off"},
        {"refresh question"},
        {"color"},
        {"high scores"},
        {"exit Pondivar"},
        {"memory game"},
    }};

    bool operator==(const StoredSettings&) const = default;
};

// One player's game: their stored settings and everything their play has led to. A switch of
// player puts all of it back to how a start finds it, then loads the other player's files.
struct PlayersGame : StoredSettings {
    // Drill
    FactGrid factGrid = {};
    FactGrid factGridBackup = {};
    std::uint32_t operandA = 0;
    std::uint32_t operandB = 0;
    std::uint32_t correctAnswer = 0;
    std::array<std::uint32_t, 4> choices = {};
    std::array<char, 8> questionFormat = {"%d x %d"};
    std::array<char, 13> questionsLeftFormat = {"%d questions"};
    std::uint32_t questionsLeft = 0;  // as the label last showed it
    std::uint32_t currentFace = 0;

    // The question on view, as its answer log entry will tell it: how long it could be seen and
    // answered (until questionInViewSince, when it last came back into view, if it is in view now),
    // the clicks on it so far, the wrong ones among them, and the time to the first. Practice of
    // missed facts, and the table numbers it last asked.
    std::uint32_t questionSeenMs = 0;
    std::uint32_t questionInViewSince = 0;
    bool questionInView = false;
    std::uint8_t answerClicks = 0;
    std::uint8_t wrongClicks = 0;
    std::uint32_t firstClickMs = 0;
    std::uint8_t practiceOn = 0;
    std::array<std::uint32_t, 2> lastPractised = {};

    // Hotspots and hints
    std::array<Hotspot, kHotspotCount + 1> hotspots = InitialHotspots();
    std::uint32_t currentHint = kHintAbout;

    // Memory game
    std::array<HICON, kCardCount> cardIcons = {};
    std::array<std::uint32_t, kCardCount> cardRevealed = {};
    HICON cardBack = 0;
    std::uint32_t firstCardShown = 0;
    std::uint32_t firstCardSlot = 0;
    std::uint32_t memoryMoves = 0;
    // The memory card the keyboard is on; -1 until an arrow key is first pressed.
    std::int32_t cardFocus = -1;

    // The variant number played last, which the next sound of any kind is not.
    std::uint32_t lastSoundVariant = 0;

    bool operator==(const PlayersGame&) const = default;
};

// The window: its controls and the handles it owns, made once as it opens.
struct WindowParts {
    HWND mainWindow = 0;
    HMENU menu = 0;
    int zoom = 1;  // how many times its size the window is shown at, 1 to 4
    std::uint32_t timerId = 0;
    HFONT largeFont = 0;
    HFONT mediumFont = 0;
    HFONT smallFont = 0;
    HBITMAP aboutBitmap = 0;

    HWND questionDisplay = 0;
    std::array<HWND, 4> answerButtons = {};
    HWND leftFace = 0;
    HWND rightFace = 0;
    HWND levelLabel = 0;
    HWND questionsLeftLabel = 0;
    HWND hintLabel = 0;
    HWND movesLabel = 0;
    HWND byeButton = 0;
    std::array<HWND, kToolCount> toolButtons = {};
    // The pictures the tool buttons show, ended by 0: a tick gives one a picture none has had.
    std::array<std::uint32_t, kToolCount + 1> toolIcons = {1, 1, 1, 1, 1, 1, 1, 0};
    HWND aboutPicture = 0;
    HWND aboutText = 0;
    HWND contactText = 0;
    HWND aboutOkButton = 0;
    std::array<HWND, kCardCount> cardButtons = {};
    std::array<HWND, 3> colourBars = {};
    std::array<HWND, 3> colourLabels = {};
    HWND colourOkButton = 0;
    HWND scoreList = 0;
    HWND scoreStore = 0;
    HWND scoreHeader = 0;
    HWND nameHeader = 0;
    HWND yourScoreLabel = 0;
    HWND yourNameLabel = 0;
    HWND nameEdit = 0;
    HWND scoresOkButton = 0;
    std::array<char, kAboutTextSize> aboutTextContent = {
        "Copyright (c) 2026 the Pondivar developers\r\n"
        "\r\n"
        "Hi.. Just click on any button.  A happy face means that you chose the correct one.. "
        "bye\r\n"
        "\r\n"
        "https://pondivar.example.org/\r\n"
        "https://pondivar.example.org/help/"};
    std::array<char, kAboutTextSize> contactTextContent = {
        "Send comments to:\r\n"
        "\r\n"
        "hello@pondivar.example.org\r\n"
        "\r\n"
        "bugs@pondivar.example.org"};
};

// What lives from program start to exit, whoever plays.
struct RunState {
    // Generator
    RandomRegister rngA{3401014, 6};
    RandomRegister rngB{183845, 9};
    std::uint8_t rngToggle = 0;
    // Tests watch the ranges drawn through this; the game leaves it empty.
    void (*randomObserver)(void* context, std::uint32_t n) = nullptr;
    void* randomObserverContext = nullptr;

    // Shell
    std::array<char, 14> caption = {"Pondivar 2.01"};
    const char* commandLine = nullptr;
    HINSTANCE instance = 0;

    // The folder of the player's files, handed in at start-up: the current directory of a game
    // run by hand, the data folder of the installed one. Empty: the game keeps no files at all.
    std::filesystem::path dataFolder;
    // The settings and score file in it, settled as the settings are loaded.
    std::filesystem::path settingsFilePath;
    // The settings file was there but could not be read: saving would put defaults over its
    // scores.
    bool settingsUnreadable = false;

    // Players: the data folder that holds a folder per player (empty when the game keeps only
    // the files of dataFolder, as tools and tests run it), who plays (UTF-8), and the players as
    // the menu lists them.
    std::filesystem::path playersRoot;
    std::string playerName;
    std::vector<std::string> playerNames;
    // The language the player chose ("de", "en", "es", "fr"), "" for the desktop's, as the
    // platform was last told.
    std::string language;

    // Music: the shuffled songs, where the player is in them, and where the song file goes,
    // settled on first use ("" when there is no safe place).
    std::array<std::uint32_t, kPlaylistLength + 1> playlist = {};
    std::uint32_t songPos = 0;
    std::uint32_t currentSong = 0;
    std::uint8_t musicPlaying = 0;
    std::uint8_t tempMidiWritten = 0;
    std::uint8_t musicPathChosen = 0;
    std::string musicPath;
    std::string musicOpenCommand;
};

// The one value that holds the whole game, its parts split by how long they live. Routines name
// fields through it, whichever part holds them.
struct GameState : PlayersGame, WindowParts, RunState {};

}  // namespace pv
