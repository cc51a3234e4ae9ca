// The other screens on the real window, offscreen: cards clicked, a colour bar dragged and a
// name typed as a player would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <array>

#include "app/main_window.h"
#include "game/game.h"
#include "qt/qt_platform.h"
#include "real_game.h"

namespace pv::qt {
namespace {

class RealScreens : public RealGame {
  protected:
    QWidget* WidgetOf(HWND control) { return platform.Widget(control); }
    QWindow* Window() { return platform.Main()->windowHandle(); }
    QPoint At(QWidget* widget, QPoint local) { return widget->mapTo(platform.Main(), local); }
    void Click(QWidget* widget, QPoint local) {
        QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, At(widget, local));
        QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, At(widget, local));
        RunQueued();
    }
    void Click(QWidget* widget) { Click(widget, widget->rect().center()); }
};

TEST_F(RealScreens, CardsClickedThroughTheWindowPlayAGameToItsEnd) {
    Post(2011);
    ASSERT_EQ(game.memoryOpen, 1);
    EXPECT_FALSE(WidgetOf(game.questionDisplay)->isVisible());
    EXPECT_TRUE(WidgetOf(game.byeButton)->isVisible());
    const std::uint32_t start = game.score;

    std::array<bool, kCardCount> found = {};
    for (std::size_t i = 0; i < kCardCount; ++i) {
        if (found[i]) continue;
        std::size_t j = i + 1;
        while (game.cardIcons[j] != game.cardIcons[i]) ++j;
        for (std::size_t card : {i, j}) {
            QWidget* widget = WidgetOf(game.cardButtons[card]);
            ASSERT_TRUE(widget->isVisible()) << card;
            Click(widget);
            found[card] = true;
        }
        if (game.memoryOpen != 0) {
            EXPECT_EQ(game.cardRevealed[i] + game.cardRevealed[j], 2u) << i << "," << j;
        }
    }
    EXPECT_EQ(game.memoryMoves, 30u);
    EXPECT_EQ(game.memoryOpen, 0);
    EXPECT_EQ(game.score, start + 15 + 491);
    for (HWND card : game.cardButtons) EXPECT_FALSE(WidgetOf(card)->isVisible());
    EXPECT_FALSE(WidgetOf(game.byeButton)->isVisible());
    EXPECT_TRUE(WidgetOf(game.questionDisplay)->isVisible());
    for (HWND button : game.answerButtons) EXPECT_TRUE(WidgetOf(button)->isVisible());
}

// A card's click reaches the game before the next input: a second click where a card was, once
// the about panel or the end of the game has hidden it, turns nothing and wins nothing.
TEST_F(RealScreens, HiddenCardsTakeNoClicks) {
    auto clickTwice = [&](QPoint at) {
        for (int i = 0; i < 2; ++i) {
            QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, at);
        }
        RunQueued();
    };
    auto partnerOf = [&](std::size_t i) {
        std::size_t j = 0;
        while (j == i || game.cardIcons[j] != game.cardIcons[i]) ++j;
        return j;
    };
    Post(2011);
    const std::uint32_t start = game.score;
    // The last card is one with no answer button beneath it, which the second click would press.
    std::size_t last = 0;
    auto overAnAnswer = [&](std::size_t card) {
        for (HWND button : game.answerButtons) {
            if (WidgetOf(button)->geometry().intersects(
                    WidgetOf(game.cardButtons[card])->geometry()))
                return true;
        }
        return false;
    };
    while (overAnAnswer(last)) ++last;
    const QPoint lastAt = At(WidgetOf(game.cardButtons[last]), QPoint(16, 16));

    Post(1900);
    clickTwice(lastAt);
    EXPECT_EQ(game.cardRevealed[last], 0u) << "the card under the about panel stays down";
    Post(1801);

    for (std::size_t i = 0; i < kCardCount; ++i) {
        if (game.cardRevealed[i] == 0 && i != last && i != partnerOf(last)) {
            Click(WidgetOf(game.cardButtons[i]));
            Click(WidgetOf(game.cardButtons[partnerOf(i)]));
        }
    }
    Click(WidgetOf(game.cardButtons[partnerOf(last)]));
    clickTwice(lastAt);
    EXPECT_EQ(game.memoryOpen, 0);
    EXPECT_EQ(game.memoryMoves, 30u);
    EXPECT_EQ(game.score, start + 15 + 491) << "the bonus is paid once";
}

TEST_F(RealScreens, DraggingAColourBarsThumbRecoloursTheWindow) {
    Post(1403);
    ASSERT_EQ(game.colourOpen, 1);
    auto* bar = qobject_cast<QScrollBar*>(WidgetOf(game.colourBars[0]));
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->value(), 188);
    const QColor before = platform.Main()->Client()->Background();
    EXPECT_EQ(before, QColor(188, 195, 187));

    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSlider, bar);
    ASSERT_TRUE(thumb.isValid());

    QPoint from = At(bar, thumb.center());
    QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 6; ++step) {
        QTest::mouseMove(Window(), from - QPoint(5 * step, 0));
        RunQueued();
    }
    const std::uint32_t dragged = game.bgRed;
    EXPECT_LT(dragged, 188u) << "the colour follows the thumb while it moves";
    QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, from - QPoint(30, 0));
    RunQueued();

    EXPECT_LT(game.bgRed, 188u);
    EXPECT_EQ(platform.GetScrollPos(game.colourBars[0], SB_CTL), bar->value());
    EXPECT_EQ(static_cast<std::uint32_t>(bar->value()), game.bgRed);
    const QColor after = platform.Main()->Client()->Background();
    EXPECT_NE(after, before);
    EXPECT_EQ(after, QColor(static_cast<int>(game.bgRed), 195, 187));
    auto* label = qobject_cast<QPushButton*>(WidgetOf(game.colourLabels[0]));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::number(game.bgRed) + QStringLiteral(" red"));
    EXPECT_EQ(platform.CountObjects(GdiKind::Brush), 1u);

    Click(WidgetOf(game.colourOkButton));
    EXPECT_EQ(game.colourOpen, 0);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(platform.Main()->Client()->Background(), after);
}

TEST_F(RealScreens, NameTypedIntoTheBoxIsListedAtTheNextOpening) {
    Post(2009);
    ASSERT_EQ(game.scoresOpen, 1);
    auto* edit = qobject_cast<QLineEdit*>(WidgetOf(game.nameEdit));
    auto* list = qobject_cast<QListWidget*>(WidgetOf(game.scoreList));
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(list->count(), 1) << "the score under a default name";

    // A character the game's text cannot hold arrives as '?'.
    QTest::keyClicks(edit, QStringLiteral("Zo"));
    for (QString text : {QStringLiteral("\u00EB"), QStringLiteral("\u2603")}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &key);
    }
    Click(WidgetOf(game.scoresOkButton));
    ASSERT_EQ(game.scoresOpen, 0);
    EXPECT_FALSE(list->isVisible());

    Post(2009);
    const QString line = QStringLiteral(" %1   Zo\u00EB?").arg(game.score, 8, 10, QLatin1Char('0'));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), line) << "the later name first among equal scores";
    EXPECT_TRUE(list->isVisible());
}

// Whatever took the keys while a panel, screen or dialog was open, the digits answer again as soon
// as it closes.
TEST_F(RealScreens, DigitsAnswerAgainOnceAnyPanelOrDialogCloses) {
    QString typed;  // into the new-player dialog; nothing cancels it
    QTimer player;  // answers whatever dialog is open
    QObject::connect(&player, &QTimer::timeout, [&typed]() {
        if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            input->setTextValue(typed);
            typed.isEmpty() ? input->reject() : input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
        }
    });
    player.start(20);
    auto key = [this](int k) {
        QTest::keyClick(Window(), static_cast<Qt::Key>(k));
        RunQueued();
    };
    const struct {
        const char* what;
        WPARAM open;
        int key;  // pressed on it
        HWND close;
        const char* typed;
    } closings[] = {
        {"scores' ok", 2009, Qt::Key_4, game.scoresOkButton, nullptr},
        {"scores' Escape", 2009, Qt::Key_Escape, 0, nullptr},
        {"about", 1900, 0, game.aboutOkButton, nullptr},
        {"colours", 1403, 0, game.colourOkButton, nullptr},
        {"memory game", 2011, Qt::Key_Right, game.byeButton, nullptr},
        {"new-player dialog", 3300, 0, 0, nullptr},
        {"message box", 3300, 0, 0, ".."},  // a name refused
    };
    for (const auto& c : closings) {
        SCOPED_TRACE(c.what);
        typed = QString::fromLatin1(c.typed);
        Post(c.open);
        if (c.key != 0) key(c.key);
        if (c.close != 0) Click(WidgetOf(c.close));
        std::size_t right = 0;
        while (game.choices[right] != game.correctAnswer) ++right;
        key(Qt::Key_1 + static_cast<int>(right));
        EXPECT_EQ(game.answerClicks, 1u);
        Post(2007);  // the next question
    }
}

// The Enter that gave a refused name, held down, leaves the message saying why to be read.
TEST_F(RealScreens, AHeldEnterDoesNotCloseTheRefusal) {
    bool stayed = false;
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&stayed]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            input->setTextValue(QStringLiteral(".."));
            QTest::keyClick(input, Qt::Key_Return);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, {}, true);
            QApplication::sendEvent(box->focusWidget(), &held);
            stayed = box->isVisible();
            box->accept();
        }
    });
    player.start(20);
    Post(3300);  // New Player...
    EXPECT_TRUE(stayed);
}

}  // namespace
}  // namespace pv::qt
