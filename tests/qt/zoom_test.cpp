// The zoom's two ways round, and the real window zoomed: every control at a multiple of its place
// and size, pictures drawn from their own larger file rather than enlarged, fonts grown, the zoom
// items on the first bar, and the pointer's points handed back in the game's own units.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <algorithm>
#include <vector>

#include "app/main_window.h"
#include "assets/commands.h"
#include "game/game.h"
#include "qt/paint/zoom.h"
#include "qt/qt_platform.h"
#include "qt/window/widgets.h"

namespace pv::qt {
namespace {

// Units grow exactly; pixels come back rounded down, so that a point just left of or above the
// window stays outside it; a pointer first goes to its nearest pixel.
TEST(Zoom, EveryPixelOfAUnitComesBackAsThatUnit) {
    const Zoom three(3);
    for (int unit = -3; unit <= 3; ++unit) {
        for (int pixel = 0; pixel < 3; ++pixel) {
            EXPECT_EQ(three.ToGame(three.ToScreen(unit) + pixel), unit) << unit << " " << pixel;
        }
    }
    EXPECT_EQ(three.ToScreen(QRect(10, -4, 7, 5)), QRect(30, -12, 21, 15));
    EXPECT_EQ(three.ToGame(QSize(743, 885)), QSize(247, 295));
    EXPECT_EQ(three.ToGame(QPointF(-0.4, 5.6)), QPoint(0, 2));
    EXPECT_EQ(three.ToGame(QPointF(-0.6, 8.4)), QPoint(-1, 2));
}

TEST(Zoom, FontsGrowInTheUnitTheyWereGivenIn) {
    QFont pixels;
    pixels.setPixelSize(11);
    EXPECT_EQ(Zoom(3).ToScreen(pixels).pixelSize(), 33);
    QFont points;
    points.setPointSizeF(9.5);
    EXPECT_DOUBLE_EQ(Zoom(3).ToScreen(points).pointSizeF(), 28.5);
    EXPECT_EQ(Zoom().ToScreen(points), points);
}

class ZoomedWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        platform.onFirstShown = [this]() { firstOptions = Options().size(); };
        game.instance = platform.GetModuleHandleA(nullptr);
        CreateMainWindow(game);
        Queued();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(platform.Main()));
    }
    void TearDown() override { platform.DestroyWindow(game.mainWindow); }

    // Lets Qt deliver its input and the game run what it queued; returns the presses among it.
    std::vector<MSG> Queued() {
        QCoreApplication::processEvents();
        std::vector<MSG> queued;
        for (MSG m; platform.PeekMessageA(&m);) {
            if (m.message == WM_LBUTTONDOWN) queued.push_back(m);
            platform.DispatchMessageA(&m);
        }
        return queued;
    }
    QWidget* WidgetOf(HWND control) { return platform.Widget(control); }
    QList<QAction*> Options() { return platform.MenuBar()->actions().at(1)->menu()->actions(); }
    // The picture control at 3x as drawn from `file` alone, at the file's own size.
    QImage DrawnFrom(HWND control, const QString& file, bool centred) {
        Picture reference(
            WidgetOf(control)->parentWidget(), [](UINT, WPARAM, LPARAM) {}, 0, 0, false);
        reference.setGeometry(WidgetOf(control)->geometry());
        reference.setEnabled(WidgetOf(control)->isEnabled());
        reference.setLineWidth(Picture::kLineWidth * 3);
        reference.SetImage(QIcon(file), QImage(file).size(), centred);
        return reference.grab().toImage();
    }

    QtPlatform platform;
    Game game{platform};
    qsizetype firstOptions = 0;  // the Options menu's items as the window first showed
};

TEST_F(ZoomedWindow, EveryControlAndFontGrowsAndComesBackAsItWas) {
    const QFont question = WidgetOf(game.questionDisplay)->font();
    const QFont panel = WidgetOf(game.aboutText)->font();
    const QFont bar = platform.MenuBar()->font();
    platform.SetZoom(3);
    EXPECT_EQ(platform.Main()->Client()->size(), QSize(3 * kClientWidth, 3 * kClientHeight));
    for (HWND child : platform.Children(game.mainWindow)) {
        const Window& w = *platform.Find(child);
        EXPECT_EQ(WidgetOf(child)->geometry(), QRect(3 * w.x, 3 * w.y, 3 * w.width, 3 * w.height));
    }
    EXPECT_EQ(WidgetOf(game.questionDisplay)->font().pixelSize(), 3 * question.pixelSize());
    EXPECT_EQ(WidgetOf(game.aboutText)->font().pixelSize(), 3 * panel.pixelSize());
    EXPECT_DOUBLE_EQ(platform.MenuBar()->font().pointSizeF(), 3 * bar.pointSizeF());
    RECT frame;
    ASSERT_TRUE(platform.GetWindowRect(game.mainWindow, &frame));
    EXPECT_EQ(QPoint(frame.left, frame.top), platform.Main()->frameGeometry().topLeft());
    EXPECT_EQ(frame.right - frame.left, platform.Main()->frameGeometry().width() / 3);

    platform.SetZoom(1);
    EXPECT_EQ(WidgetOf(game.questionDisplay)->geometry(), QRect(10, 48, 224, 50));
    EXPECT_EQ(WidgetOf(game.questionDisplay)->font(), question);
    EXPECT_EQ(WidgetOf(game.aboutText)->font(), panel);
    EXPECT_EQ(platform.MenuBar()->font(), bar);
}

TEST_F(ZoomedWindow, PicturesAreDrawnFromTheirOwnFileForTheFactorAndClicksComeBackDivided) {
    platform.SetZoom(3);
    HWND tool = game.toolButtons[0];  // at (10, 160) in the game
    platform.SendMessageA(tool, STM_SETIMAGE, IMAGE_ICON, platform.LoadIconA(game.instance, 500));
    EXPECT_EQ(WidgetOf(tool)->grab().toImage(), DrawnFrom(tool, ":/pictures/500@3x.png", true));
    platform.ShowWindow(game.aboutPicture, SW_SHOWNORMAL);
    EXPECT_EQ(WidgetOf(game.aboutPicture)->grab().toImage(),
              DrawnFrom(game.aboutPicture, ":/bitmaps/905@3x.png", false));

    QTest::mouseClick(platform.Main()->Client(), Qt::LeftButton, {}, QPoint(3 * 30, 3 * 180 + 2));
    std::vector<MSG> pressed = Queued();
    ASSERT_EQ(pressed.size(), 1u);
    EXPECT_EQ(LOWORD(pressed[0].lParam), 30);
    EXPECT_EQ(HIWORD(pressed[0].lParam), 180);
}

// The items come as the game starts: they are on the bar it first shows, and a pick moves the
// only check box to the new factor.
TEST_F(ZoomedWindow, ItemsAreOnTheFirstBarAndOnlyThePickedOneHasABox) {
    EXPECT_EQ(firstOptions, Options().size());
    platform.SendMessageA(game.mainWindow, WM_COMMAND, Command::FirstZoom + 1, 0);
    std::vector<QAction*> boxed;
    for (QAction* action : Options()) {
        if (action->isCheckable()) boxed.push_back(action);
    }
    ASSERT_EQ(boxed.size(), 1u) << "the offscreen screen's 1x lost its box";
    EXPECT_EQ(boxed[0]->text(), QStringLiteral("Zoom &2x"));
    EXPECT_TRUE(boxed[0]->isChecked());
    EXPECT_EQ(platform.ZoomFactor(), 2);
}

// The game's outer size at a factor holds the real window, menu bar and frame too: every factor
// offered keeps it in the screen's free area (800 x 800 offscreen), and the others are greyed.
TEST_F(ZoomedWindow, EveryFactorOfferedKeepsTheWholeWindowOnTheScreen) {
    const QRect free = platform.Main()->screen()->availableGeometry();
    // Looked for afresh each time: a new zoom builds the bar anew.
    auto enabled = [this](int factor) {
        QString name = QStringLiteral("Zoom &%1x").arg(factor);
        return std::ranges::any_of(Options(),
                                   [&](QAction* a) { return a->text() == name && a->isEnabled(); });
    };
    std::vector<int> offered;
    for (int factor = 1; factor <= kLargestZoom; ++factor) {
        if (enabled(factor)) offered.push_back(factor);
        platform.SetZoom(factor);
        QCoreApplication::processEvents();
        QRect outer = platform.Main()->frameGeometry();
        EXPECT_LE(outer.width(), factor * kWindowWidth) << factor;
        EXPECT_LE(outer.height(), factor * kWindowHeight) << factor;
        if (offered.back() == factor) {
            EXPECT_TRUE(free.contains(outer)) << factor;
        }
    }
    EXPECT_EQ(offered, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace pv::qt
