// The real window as a screen reader finds it through Qt's accessibility interfaces: names,
// roles and states of every control on every screen, the press action of the picture buttons,
// and what is said aloud after an answer.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/main_window.h"
#include "assets/catalogue.h"
#include "assets/commands.h"
#include "game/game.h"
#include "qt/qt_platform.h"
#include "qt/screen_reader/spoken.h"

namespace pv::qt {
namespace {

// Counts the times a widget is shown: each showing is an announcement to a reader.
struct ShowCounter : QObject {
    int shown = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Show) ++shown;
        return false;
    }
};

class ReaderView : public ::testing::Test {
  protected:
    void SetUp() override {
        game.instance = platform.GetModuleHandleA(nullptr);
        CreateMainWindow(game);
        Run();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(platform.Main()));
    }
    void TearDown() override {
        if (platform.Find(game.mainWindow) != nullptr) platform.DestroyWindow(game.mainWindow);
    }
    void Run() {
        QCoreApplication::processEvents();
        MSG message;
        while (platform.PeekMessageA(&message)) platform.DispatchMessageA(&message);
        QCoreApplication::processEvents();  // what is said, is said once the game is done
    }
    void Send(UINT command) {
        platform.SendMessageA(game.mainWindow, WM_COMMAND, command, 0);
        Run();
    }
    QAccessibleInterface* Reader(HWND control) {
        return QAccessible::queryAccessibleInterface(platform.Widget(control));
    }
    QString Name(HWND control) { return Reader(control)->text(QAccessible::Name); }
    void Press(HWND control) {
        QAccessibleActionInterface* actions = Reader(control)->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_EQ(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());
        actions->doAction(QAccessibleActionInterface::pressAction());
        Run();
    }
    QAccessibleInterface* Announcer() {
        return QAccessible::queryAccessibleInterface(
            platform.Main()->Client()->findChild<QWidget*>(QStringLiteral("pv-announcer")));
    }
    HWND Tool(std::uint32_t command) {
        return game.toolButtons[HotspotOf(command) - kFaceButtonCount];
    }
    std::size_t RightChoice() {
        std::size_t i = 0;
        while (game.choices[i] != game.correctAnswer) ++i;
        return i;
    }

    void ExpectEveryShownControlNamed(const char* screen) {
        for (HWND child : platform.Children(game.mainWindow)) {
            if (!platform.IsWindowVisible(child)) continue;
            QAccessibleInterface* reader = Reader(child);
            ASSERT_NE(reader, nullptr);
            EXPECT_FALSE(reader->text(QAccessible::Name).isEmpty())
                << screen << ": control " << platform.Find(child)->id;
            if (reader->role() == QAccessible::StaticText) {
                EXPECT_FALSE(reader->state().disabled) << screen << ": a label is no button";
            }
        }
    }

    QtPlatform platform;
    Game game{platform};
};

TEST_F(ReaderView, EveryControlOnEveryScreenHasANameAndLabelsAreText) {
    ExpectEveryShownControlNamed("drill");
    EXPECT_EQ(Reader(game.questionDisplay)->role(), QAccessible::StaticText);
    EXPECT_EQ(Reader(game.levelLabel)->role(), QAccessible::StaticText);
    EXPECT_EQ(Reader(game.questionsLeftLabel)->role(), QAccessible::StaticText);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Reader(game.answerButtons[i])->role(), QAccessible::Button);
        EXPECT_EQ(Name(game.answerButtons[i]), QString::number(game.choices[i]));
    }
    for (std::size_t i = 0; i < kHotspotCount; ++i) {
        HWND picture = i < 2 ? (i == 0 ? game.leftFace : game.rightFace) : game.toolButtons[i - 2];
        QAccessibleInterface* reader = Reader(picture);
        EXPECT_EQ(reader->role(), QAccessible::Button);
        EXPECT_TRUE(Name(picture).startsWith(QString::fromUtf8(kPictureButtons[i].name)));
        EXPECT_FALSE(reader->state().disabled) << "usable through the pointer's place";
    }
    Send(Command::Help);
    ExpectEveryShownControlNamed("about");
    Send(Command::CloseAbout);
    Send(Command::MemoryGame);
    ExpectEveryShownControlNamed("memory");
    EXPECT_EQ(Name(game.movesLabel), QStringLiteral("0 moves"));
    Send(Command::LeaveMemoryGame);
    Send(Command::Colour);
    ExpectEveryShownControlNamed("colours");
    EXPECT_EQ(Name(game.colourBars[0]), QStringLiteral("red"));
    EXPECT_EQ(Name(game.colourBars[2]), QStringLiteral("blue"));
    Send(Command::CloseColourPanel);
    Send(Command::ViewScores);
    ExpectEveryShownControlNamed("scores");
    EXPECT_EQ(Name(game.nameEdit), QStringLiteral("your name"));
}

TEST_F(ReaderView, TheQuestionReadsAsWordsForEachOperation) {
    const std::pair<UINT, const char*> operations[] = {{Command::Multiply, "times"},
                                                       {Command::Divide, "divided by"},
                                                       {Command::Add, "plus"},
                                                       {Command::Subtract, "minus"}};
    for (auto [command, words] : operations) {
        Send(command);
        QString expected =
            QStringLiteral("%1 %2 %3").arg(game.operandA).arg(words).arg(game.operandB);
        EXPECT_EQ(Name(game.questionDisplay), expected);
        EXPECT_EQ(Announcer()->text(QAccessible::Name), expected) << "a new question is said";
    }
    EXPECT_EQ(QuestionInWords(QStringLiteral("12 \u00f7 3")), QStringLiteral("12 divided by 3"));
    EXPECT_EQ(QuestionInWords(QStringLiteral("hi")), QStringLiteral("hi"));
}

TEST_F(ReaderView, PressingAToolClicksItsPlaceAndTheGameDecides) {
    const std::uint8_t sound = game.soundOn;
    Press(Tool(Command::SoundToggle));
    EXPECT_NE(game.soundOn, sound);

    std::size_t wrong = (RightChoice() + 1) % 4;
    Send(Command::FirstAnswer + wrong);
    ASSERT_EQ(platform.Find(game.answerButtons[wrong])->text, "");
    Press(Tool(Command::Refresh));
    EXPECT_NE(platform.Find(game.answerButtons[wrong])->text, "") << "a new question came";

    Send(Command::ViewScores);  // the faces stay in sight, but the game ignores them now
    Press(Tool(Command::SoundToggle));
    Press(game.leftFace);
    EXPECT_NE(game.soundOn, sound);
    EXPECT_EQ(game.aboutOpen, 0u);
    Send(Command::CloseScores);
    Press(game.rightFace);
    EXPECT_NE(game.aboutOpen, 0u);
}

TEST_F(ReaderView, ACardSaysItsPlaceAndOnceTurnedItsPicture) {
    Send(Command::MemoryGame);
    HWND card = game.cardButtons[8];
    EXPECT_EQ(Name(card), QStringLiteral("row 2, card 3"));
    Press(card);
    QString turned = QStringLiteral("row 2, card 3, ") +
                     QString::fromUtf8(PictureName(static_cast<ResourceId>(game.cardIcons[8])));
    EXPECT_EQ(Name(card), turned);
    EXPECT_EQ(Announcer()->text(QAccessible::Name), turned);
    Send(Command::LeaveMemoryGame);
    Press(card);
    EXPECT_EQ(game.memoryMoves, 1u) << "a hidden card is out of reach";
}

TEST_F(ReaderView, AnAnswerRenamesTheLeftFaceAndIsSaidEachTime) {
    ShowCounter counter;
    std::size_t wrong = (RightChoice() + 1) % 4;
    Press(game.answerButtons[wrong]);
    EXPECT_EQ(Name(game.leftFace), QStringLiteral("Left face: Not quite, try again"));
    EXPECT_EQ(Name(game.answerButtons[wrong]), QStringLiteral("tried already"));
    QAccessibleInterface* announcer = Announcer();
    ASSERT_NE(announcer, nullptr);
    EXPECT_EQ(announcer->role(), QAccessible::Notification);
    EXPECT_EQ(announcer->text(QAccessible::Name), QStringLiteral("Not quite, try again"));
    announcer->object()->installEventFilter(&counter);
    std::size_t other = (wrong + 1) % 4 != RightChoice() ? (wrong + 1) % 4 : (wrong + 2) % 4;
    Press(game.answerButtons[other]);
    EXPECT_EQ(counter.shown, 1) << "the same verdict again is said again";
    Press(game.answerButtons[RightChoice()]);
    EXPECT_EQ(Name(game.leftFace), QStringLiteral("Left face: Right!"));
    EXPECT_EQ(announcer->text(QAccessible::Name), QStringLiteral("Right!"));
    EXPECT_EQ(counter.shown, 2);
    EXPECT_FALSE(Reader(game.leftFace)->text(QAccessible::Description).isEmpty());
}

// The items of a menu that a screen disables are greyed to a reader too, and pressed in vain.
TEST_F(ReaderView, ItemsOfADisabledMenuRunNothing) {
    Send(Command::MemoryGame);
    QAccessibleInterface* drill =
        QAccessible::queryAccessibleInterface(platform.MenuBar()->actions().value(0)->menu());
    ASSERT_NE(drill, nullptr);
    QAccessibleInterface* add = nullptr;
    for (int i = 0; i < drill->childCount(); ++i) {
        if (drill->child(i)->text(QAccessible::Name) == QStringLiteral("Add"))
            add = drill->child(i);
    }
    ASSERT_NE(add, nullptr);
    EXPECT_TRUE(add->state().disabled);
    add->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Run();
    EXPECT_EQ(game.operation, 'x');
    EXPECT_NE(game.memoryOpen, 0);
}

}  // namespace
}  // namespace pv::qt
