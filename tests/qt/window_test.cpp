// The real window, offscreen: the widgets that stand for the controls, and how input reaches
// the game.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <csignal>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "assets/commands.h"
#include "game/game.h"
#include "qt/qt_platform.h"
#include "qt/quit_signals.h"

namespace pv::qt {
namespace {

class RealWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        game.instance = platform.GetModuleHandleA(nullptr);
        CreateMainWindow(game);
        RunQueued();  // the start-up command shows the window
        ASSERT_NE(platform.Main(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(platform.Main()));
    }

    void TearDown() override {
        if (platform.Find(game.mainWindow) != nullptr) platform.DestroyWindow(game.mainWindow);
    }

    // Lets Qt deliver what is pending and returns the messages that reached the queue, without
    // running them.
    std::vector<MSG> Collect() {
        QCoreApplication::processEvents();
        std::vector<MSG> out;
        MSG message;
        while (platform.PeekMessageA(&message)) {
            if (message.message != WM_TIMER) out.push_back(message);
        }
        return out;
    }

    void RunQueued() {
        QCoreApplication::processEvents();
        MSG message;
        while (platform.PeekMessageA(&message)) platform.DispatchMessageA(&message);
    }

    QWidget* WidgetOf(HWND control) { return platform.Widget(control); }

    // Input as the user gives it: to the window at a point, so that Qt picks the widget under
    // it the way it does for a real pointer.
    QPoint At(QWidget* widget, QPoint local) { return widget->mapTo(platform.Main(), local); }
    void Move(QWidget* widget, QPoint local) {
        QTest::mouseMove(platform.Main()->windowHandle(), At(widget, local));
    }
    void Click(QWidget* widget, QPoint local) {
        QWindow* window = platform.Main()->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, At(widget, local));
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, At(widget, local));
    }

    QtPlatform platform;
    Game game{platform};
};

TEST_F(RealWindow, ShowsTheDrillControlsOnly) {
    QWidget* client = platform.Main()->Client();
    EXPECT_EQ(client->size(), QSize(243, 252));
    EXPECT_EQ(platform.Main()->windowTitle(), QStringLiteral("Pondivar 2.01"));
    std::vector<HWND> drill = {game.questionDisplay, game.leftFace, game.rightFace, game.levelLabel,
                               game.questionsLeftLabel};
    drill.insert(drill.end(), game.answerButtons.begin(), game.answerButtons.end());
    drill.insert(drill.end(), game.toolButtons.begin(), game.toolButtons.end());
    int visible = 0;
    for (HWND child : platform.Children(game.mainWindow)) {
        QWidget* w = WidgetOf(child);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->isVisible(), platform.IsWindowVisible(child) != 0);
        if (w->isVisible()) ++visible;
        const Window* model = platform.Find(child);
        EXPECT_EQ(w->geometry(), QRect(model->x, model->y, model->width, model->height));
    }
    for (HWND control : drill) EXPECT_TRUE(WidgetOf(control)->isVisible());
    EXPECT_GE(visible, 16);  // the hint label shows only while a hint is up
    EXPECT_LE(visible, 17);
    for (int i = 0; i < 4; ++i) {
        auto* button = qobject_cast<QPushButton*>(WidgetOf(game.answerButtons[i]));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::number(game.choices[i]));
        EXPECT_TRUE(button->isEnabled());
    }
    auto* question = qobject_cast<QPushButton*>(WidgetOf(game.questionDisplay));
    ASSERT_NE(question, nullptr);
    EXPECT_FALSE(question->isEnabled());
    EXPECT_EQ(question->text().toStdString(), platform.Find(game.questionDisplay)->text);
}

// A click is judged before Qt delivers the next input, as the game's own desktop does it.
TEST_F(RealWindow, AnswerButtonClickIsJudgedAtOnce) {
    int right = 0;
    while (game.choices[right] != game.correctAnswer) ++right;
    for (int i = 0; i < 4; ++i) {
        if (i == right) continue;
        Click(WidgetOf(game.answerButtons[i]), QPoint(25, 14));
        EXPECT_EQ(platform.Find(game.answerButtons[i])->text, "") << "button " << i;
        EXPECT_EQ(platform.QueuedMessages(), 0u);
    }
    std::uint32_t before = game.score;
    Click(WidgetOf(game.answerButtons[right]), QPoint(25, 14));
    EXPECT_EQ(game.score, before + 113) << "right, though not at the first try";
}

TEST_F(RealWindow, TwoClicksBeforeTheGameRunsAreNotBothJudged) {
    int right = 0;
    while (game.choices[right] != game.correctAnswer) ++right;
    QWidget* wrong = WidgetOf(game.answerButtons[(right + 1) % 4]);
    std::uint32_t before = game.score;
    Click(WidgetOf(game.answerButtons[right]), QPoint(25, 14));
    Click(wrong, QPoint(25, 14));
    RunQueued();
    EXPECT_EQ(game.score, before + 186);
    EXPECT_EQ(game.missedThisRound, 0) << "the second click met a disabled button";
    EXPECT_FALSE(wrong->isEnabled());
}

TEST_F(RealWindow, PointerOverDisabledPicturesReachesTheWindow) {
    QWidget* client = platform.Main()->Client();
    QWidget* sound = WidgetOf(game.toolButtons[0]);  // at (10, 160), disabled
    Move(sound, QPoint(5, 6));
    std::vector<MSG> moved = Collect();
    ASSERT_FALSE(moved.empty());
    EXPECT_EQ(moved.back().message, WM_MOUSEMOVE);
    EXPECT_EQ(LOWORD(moved.back().lParam), 15);
    EXPECT_EQ(HIWORD(moved.back().lParam), 166);

    Click(sound, QPoint(20, 20));
    std::vector<MSG> pressed = Collect();
    bool sawPress = false;
    for (const MSG& m : pressed) {
        if (m.message == WM_LBUTTONDOWN) {
            sawPress = true;
            EXPECT_EQ(LOWORD(m.lParam), 30);
            EXPECT_EQ(HIWORD(m.lParam), 180);
        }
        EXPECT_NE(m.message, WM_COMMAND) << "a disabled picture sends no command itself";
    }
    EXPECT_TRUE(sawPress);

    // The bare window between controls reports too.
    Move(client, QPoint(5, 140));
    std::vector<MSG> bare = Collect();
    ASSERT_FALSE(bare.empty());
    EXPECT_EQ(bare.back().message, WM_MOUSEMOVE);
}

TEST_F(RealWindow, RestingOnAToolShowsItsFlashingHintAndAClickActsLikeTheMenu) {
    QWidget* sound = WidgetOf(game.toolButtons[0]);
    auto* hint = qobject_cast<QPushButton*>(WidgetOf(game.hintLabel));
    ASSERT_NE(hint, nullptr);
    Move(sound, QPoint(18, 18));
    RunQueued();
    platform.SendMessageA(game.mainWindow, WM_TIMER, 1, 0);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), QStringLiteral("sound on"));
    platform.SendMessageA(game.mainWindow, WM_TIMER, 1, 0);
    EXPECT_EQ(hint->text(), QStringLiteral("SOUND ON")) << "the hint flashes between cases";

    Click(sound, QPoint(18, 18));
    RunQueued();
    EXPECT_EQ(game.soundOn, 0xFF);
    EXPECT_TRUE(platform.MenuAction(1401)->isChecked()) << "as the menu item would";
    platform.SendMessageA(game.mainWindow, WM_TIMER, 1, 0);
    EXPECT_EQ(hint->text().toLower(), QStringLiteral("sound off")) << "now it offers the opposite";

    Move(platform.Main()->Client(), QPoint(120, 140));  // off every picture
    RunQueued();
    platform.SendMessageA(game.mainWindow, WM_TIMER, 1, 0);
    EXPECT_FALSE(hint->isVisible());
}

TEST_F(RealWindow, EnabledButtonsKeepTheirInput) {
    QWidget* button = WidgetOf(game.answerButtons[1]);
    const std::uint32_t before = game.score;
    Move(button, QPoint(10, 10));
    Click(button, QPoint(10, 10));
    for (const MSG& m : Collect()) {
        EXPECT_NE(m.message, WM_MOUSEMOVE);
        EXPECT_NE(m.message, WM_LBUTTONDOWN);
    }
    EXPECT_TRUE(game.missedThisRound != 0 || game.score != before) << "the click was judged";
}

TEST_F(RealWindow, MenuPicksRunAsCommandsAndFollowTheModel) {
    QAction* remember = platform.MenuAction(1405);
    ASSERT_NE(remember, nullptr);
    EXPECT_EQ(remember->text(), QStringLiteral("Save &Window Position"));
    remember->setCheckable(true);
    platform.PostMessageA(game.mainWindow, WM_COMMAND, 1405, 0);  // a pick the game already has
    remember->trigger();
    EXPECT_EQ(platform.QueuedMessages(), 0u) << "what waited ran first, then the pick";
    EXPECT_EQ(game.rememberPosition, 0) << "toggled twice";
    EXPECT_FALSE(remember->isChecked()) << "checked as the game has it, not as Qt toggled it";
    remember->trigger();
    EXPECT_TRUE(remember->isChecked());
    EXPECT_FALSE(platform.MenuAction(1303)->isEnabled()) << "the stored operation is greyed";
    EXPECT_TRUE(platform.MenuAction(1301)->isEnabled());
}

TEST_F(RealWindow, CloseButtonGoesThroughTheGame) {
    platform.Main()->close();
    std::vector<MSG> asked = Collect();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].message, WM_SYSCOMMAND);
    platform.DispatchMessageA(&asked[0]);
    EXPECT_EQ(platform.Find(game.mainWindow), nullptr);
    MSG quit;
    ASSERT_TRUE(platform.PeekMessageA(&quit));
    EXPECT_EQ(quit.message, WM_QUIT);
}

TEST_F(RealWindow, EndOfSessionSignalClosesThroughTheGame) {
    QuitSignals quit([this]() { platform.Main()->close(); }, [] {});
    for (int signal : {SIGTERM, SIGHUP}) {
        ASSERT_EQ(raise(signal), 0);
        std::vector<MSG> asked = Collect();
        ASSERT_EQ(asked.size(), 1u) << "signal " << signal;
        EXPECT_EQ(asked[0].message, WM_SYSCOMMAND);
        EXPECT_EQ(asked[0].wParam, static_cast<WPARAM>(SC_CLOSE));
    }
}

// Started under nohup: the hangup stays ignored, the other requests still close.
TEST_F(RealWindow, SignalIgnoredAtStartStaysIgnored) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction before {};
    sigaction(SIGHUP, &ignore, &before);
    {
        QuitSignals quit([this]() { platform.Main()->close(); }, [] {});
        ASSERT_EQ(raise(SIGHUP), 0);
        EXPECT_TRUE(Collect().empty());
        ASSERT_EQ(raise(SIGTERM), 0);
        EXPECT_EQ(Collect().size(), 1u);
    }
    struct sigaction after {};
    sigaction(SIGHUP, nullptr, &after);
    EXPECT_EQ(after.sa_handler, SIG_IGN) << "and stays so once the game is done with signals";
    sigaction(SIGHUP, &before, nullptr);
}

// A close that does not get through (the window was destroyed by another program) is followed,
// after the grace time, by the end that saves and leaves; once, however many signals came.
TEST(QuitSignalsAlone, CloseThatDoesNotEndTheProgramIsFollowedByTheEnd) {
    int closes = 0;
    int ends = 0;
    QuitSignals quit([&closes]() { ++closes; }, [&ends]() { ++ends; },
                     std::chrono::milliseconds(50));
    ASSERT_EQ(raise(SIGTERM), 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(raise(SIGINT), 0);
    QTest::qWait(300);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(ends, 1);
}

// Keys no control takes reach the game as key messages; the menu shows its shortcuts.
TEST_F(RealWindow, KeysReachTheGameAndShortcutsShowInTheMenu) {
    auto keyMessages = [this]() {
        std::vector<std::pair<UINT, WPARAM>> keys;
        for (const MSG& m : Collect()) {
            if (m.message == WM_CHAR || m.message == WM_KEYDOWN)
                keys.emplace_back(m.message, m.wParam);
        }
        return keys;
    };
    using Keys = std::vector<std::pair<UINT, WPARAM>>;
    QTest::keyClick(platform.Main(), Qt::Key_3);
    EXPECT_EQ(keyMessages(), (Keys{{WM_CHAR, '3'}}));
    QTest::keyClick(platform.Main(), Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(keyMessages(), (Keys{{WM_CHAR, '2'}}));
    QTest::keyClick(platform.Main(), Qt::Key_Escape);
    EXPECT_EQ(keyMessages(), (Keys{{WM_KEYDOWN, VK_ESCAPE}}));
    // On AZERTY the top row's first key types "&" unshifted: it is still the key of 1.
    QKeyEvent azerty(QEvent::KeyPress, Qt::Key_Ampersand, Qt::NoModifier, 10, 0x26, 0,
                     QStringLiteral("&"));
    QApplication::sendEvent(platform.Main(), &azerty);
    EXPECT_EQ(keyMessages(), (Keys{{WM_CHAR, '1'}}));
    QTest::keyClick(platform.Main(), Qt::Key_A);
    EXPECT_TRUE(keyMessages().empty());

    // What is typed into the name box stays there.
    QWidget* name = WidgetOf(game.nameEdit);
    ASSERT_NE(name, nullptr);
    name->show();
    name->setFocus();
    QTest::keyClick(name, Qt::Key_1);
    EXPECT_TRUE(keyMessages().empty());

    EXPECT_EQ(platform.MenuAction(Command::Exit)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(platform.MenuAction(Command::Help)->shortcut(), QKeySequence(Qt::Key_F1));
}

// A key held down repeats, marked as such or (on X11) as a release and a press at one instant.
TEST_F(RealWindow, AHeldDigitAnswersOnce) {
    int wrong = 0;
    while (game.choices[static_cast<std::size_t>(wrong)] == game.correctAnswer) ++wrong;
    auto send = [&](QEvent::Type type, quint64 at, bool marked = false) {
        QKeyEvent key(type, Qt::Key_1 + wrong, Qt::NoModifier, 10 + wrong, 0, 0,
                      QString::number(wrong + 1), marked);
        key.setTimestamp(at);
        QApplication::sendEvent(platform.Main(), &key);
    };
    send(QEvent::KeyPress, 1000);
    for (quint64 at : {1500, 1580}) {  // the first repeat marked by Qt, the second not
        send(QEvent::KeyRelease, at, at == 1500);
        send(QEvent::KeyPress, at, at == 1500);
    }
    send(QEvent::KeyRelease, 1700);
    send(QEvent::KeyPress, 1800);
    RunQueued();
    EXPECT_EQ(game.wrongClicks, 2u) << "the first press and the one after letting go";
}

// A shortcut held down runs its command once, its repeats marked by Qt or (on X11) not.
TEST_F(RealWindow, AHeldShortcutRunsOnce) {
    QTest::simulateEvent(platform.Main(), true, Qt::Key_F1, Qt::NoModifier, {}, false);
    ASSERT_NE(game.aboutOpen, 0);
    platform.SendMessageA(game.mainWindow, WM_COMMAND, Command::CloseAbout, 0);
    QTest::simulateEvent(platform.Main(), true, Qt::Key_F1, Qt::NoModifier, {}, true);
    EXPECT_EQ(game.aboutOpen, 0);
    auto send = [this](QEvent::Type type) {
        QKeyEvent key(type, Qt::Key_F1, Qt::NoModifier, 67, 0, 0);
        key.setTimestamp(900);
        QApplication::sendEvent(platform.Main(), &key);
        return key.isAccepted();
    };
    send(QEvent::KeyRelease);
    EXPECT_TRUE(send(QEvent::ShortcutOverride)) << "the window keeps it from the shortcut";
}

// The key held down that opened a menu (Alt+D) picks nothing in it; a new press does.
TEST_F(RealWindow, AHeldKeyPicksNothingInTheMenuItOpened) {
    QMenu* drill = platform.MenuBar()->actions()[0]->menu();
    drill->popup(platform.Main()->mapToGlobal(QPoint(0, 0)));
    auto send = [drill](QEvent::Type type, quint64 at, bool marked = false) {
        QKeyEvent key(type, Qt::Key_D, Qt::AltModifier, 40, 0, 0, QStringLiteral("d"), marked);
        key.setTimestamp(at);
        QApplication::sendEvent(drill, &key);
    };
    send(QEvent::KeyPress, 500, true);
    send(QEvent::KeyRelease, 600);
    send(QEvent::KeyPress, 600);
    RunQueued();
    EXPECT_EQ(game.operation, 'x');
    send(QEvent::KeyPress, 900);
    RunQueued();
    EXPECT_NE(game.operation, 'x') << "Divide, at a press of its own";
}

// A minimised window hides the question: its clock stops until the window comes back.
TEST_F(RealWindow, MinimisingTheWindowStopsTheQuestionsClock) {
    platform.Main()->showMinimized();
    RunQueued();
    EXPECT_FALSE(game.questionInView);
    platform.Main()->showNormal();
    RunQueued();
    EXPECT_TRUE(game.questionInView);
}

}  // namespace
}  // namespace pv::qt
