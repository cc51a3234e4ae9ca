// The real window zoomed: every control at a multiple of its place and size, pictures drawn from
// their own larger file rather than enlarged, fonts grown, and the pointer's points handed back
// in the game's own units.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <vector>

#include "app/main_window.h"
#include "assets/catalogue.h"
#include "assets/commands.h"
#include "game/game.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/widgets.h"

namespace pv::qt {
namespace {

class ZoomedWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        platform.onFirstShown = [this]() { firstOptions = Options().size(); };
        game.instance = platform.GetModuleHandleA(nullptr);
        CreateMainWindow(game);
        RunQueued();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(platform.Main()));
    }
    void TearDown() override { platform.DestroyWindow(game.mainWindow); }

    void RunQueued() {
        QCoreApplication::processEvents();
        MSG message;
        while (platform.PeekMessageA(&message)) platform.DispatchMessageA(&message);
    }
    void ZoomTo(int factor) {
        platform.SetZoom(factor);
        RunQueued();
    }
    QWidget* WidgetOf(HWND control) { return platform.Widget(control); }
    QList<QAction*> Options() { return platform.MenuBar()->actions().at(1)->menu()->actions(); }
    // Each control's place and font as shown.
    std::vector<std::pair<QRect, QFont>> Shown() {
        std::vector<std::pair<QRect, QFont>> shown;
        for (HWND child : platform.Children(game.mainWindow)) {
            shown.emplace_back(WidgetOf(child)->geometry(), WidgetOf(child)->font());
        }
        return shown;
    }
    // The picture control drawn as it would be from `file` alone, at its own size.
    QImage DrawnFrom(HWND control, const QString& file, bool centred) {
        QWidget* shown = WidgetOf(control);
        Picture reference(
            shown->parentWidget(), [](UINT, WPARAM, LPARAM) {}, 0, 0, false);
        reference.setGeometry(shown->geometry());
        reference.setEnabled(shown->isEnabled());
        reference.setLineWidth(Picture::kLineWidth * 3);
        QIcon alone(file);
        reference.SetImage(alone, alone.availableSizes().at(0), centred);
        return reference.grab().toImage();
    }
    MSG Pointer(UINT message, QPoint at) {
        QWindow* window = platform.Main()->windowHandle();
        QPoint point = platform.Main()->Client()->mapTo(platform.Main(), at);
        if (message == WM_MOUSEMOVE) QTest::mouseMove(window, point);
        if (message == WM_LBUTTONDOWN) QTest::mousePress(window, Qt::LeftButton, {}, point);
        QCoreApplication::processEvents();
        MSG found{};
        MSG queued;
        while (platform.PeekMessageA(&queued)) {
            if (queued.message == message) found = queued;
        }
        if (message == WM_LBUTTONDOWN) QTest::mouseRelease(window, Qt::LeftButton, {}, point);
        return found;
    }

    QtPlatform platform;
    Game game{platform};
    qsizetype firstOptions = 0;  // the items the Options menu had as the window first showed
};

TEST_F(ZoomedWindow, EveryControlAndFontGrowsAndComesBackAsItWas) {
    const auto at1x = Shown();
    const int question = WidgetOf(game.questionDisplay)->font().pixelSize();
    const QFont bar = platform.MenuBar()->font();
    ZoomTo(3);
    EXPECT_EQ(platform.Main()->Client()->size(), QSize(3 * kClientWidth, 3 * kClientHeight));
    for (HWND child : platform.Children(game.mainWindow)) {
        const Window* w = platform.Find(child);
        EXPECT_EQ(WidgetOf(child)->geometry(),
                  QRect(3 * w->x, 3 * w->y, 3 * w->width, 3 * w->height));
    }
    EXPECT_EQ(WidgetOf(game.questionDisplay)->font().pixelSize(), 3 * question);
    EXPECT_EQ(WidgetOf(game.aboutText)->font().pixelSize(), 33);
    EXPECT_DOUBLE_EQ(platform.MenuBar()->font().pointSizeF(), 3 * bar.pointSizeF());
    RECT frame;
    ASSERT_TRUE(platform.GetWindowRect(game.mainWindow, &frame));
    EXPECT_EQ(QPoint(frame.left, frame.top), platform.Main()->frameGeometry().topLeft());
    EXPECT_EQ(frame.right - frame.left, platform.Main()->frameGeometry().width() / 3);

    ZoomTo(1);
    EXPECT_EQ(Shown(), at1x);
    EXPECT_EQ(platform.MenuBar()->font(), bar);
}

TEST_F(ZoomedWindow, PicturesAreDrawnFromTheirOwnFileForTheFactor) {
    ZoomTo(3);
    HWND tool = game.toolButtons[0];
    platform.SendMessageA(tool, STM_SETIMAGE, IMAGE_ICON, platform.LoadIconA(game.instance, 500));
    EXPECT_EQ(WidgetOf(tool)->size(),
              QSize(3 * platform.Find(tool)->width, 3 * platform.Find(tool)->height));
    EXPECT_EQ(WidgetOf(tool)->grab().toImage(), DrawnFrom(tool, ":/pictures/500@3x.png", true));
    platform.ShowWindow(game.aboutPicture, SW_SHOWNORMAL);
    EXPECT_EQ(WidgetOf(game.aboutPicture)->grab().toImage(),
              DrawnFrom(game.aboutPicture, ":/bitmaps/905@3x.png", false));
}

TEST_F(ZoomedWindow, PointerReachesTheGameInItsOwnUnits) {
    ZoomTo(3);
    MSG moved = Pointer(WM_MOUSEMOVE, QPoint(3 * 15 + 2, 3 * 166 + 1));
    EXPECT_EQ(moved.message, WM_MOUSEMOVE);
    EXPECT_EQ(LOWORD(moved.lParam), 15);
    EXPECT_EQ(HIWORD(moved.lParam), 166);
    MSG pressed = Pointer(WM_LBUTTONDOWN, QPoint(3 * 30, 3 * 180 + 2));
    EXPECT_EQ(pressed.message, WM_LBUTTONDOWN);
    EXPECT_EQ(LOWORD(pressed.lParam), 30);
    EXPECT_EQ(HIWORD(pressed.lParam), 180);
}

// The items come as the game starts: they are on the bar it first shows, and a pick moves the
// only check box to the new factor.
TEST_F(ZoomedWindow, ItemsAreOnTheFirstBarAndOnlyThePickedOneHasABox) {
    QList<QAction*> options = Options();
    EXPECT_EQ(firstOptions, options.size());
    auto item = [&](int factor) {
        for (QAction* action : options) {
            if (action->text() == QStringLiteral("Zoom &%1x").arg(factor)) return action;
        }
        return static_cast<QAction*>(nullptr);
    };
    ASSERT_NE(item(1), nullptr);
    EXPECT_TRUE(item(1)->isChecked()) << "the offscreen screen is too small for more";
    platform.SendMessageA(game.mainWindow, WM_COMMAND, Command::FirstZoom + 2, 0);
    options = Options();
    EXPECT_TRUE(item(3)->isChecked());
    EXPECT_FALSE(item(1)->isCheckable());
    EXPECT_EQ(platform.Zoom(), 3);
}

}  // namespace
}  // namespace pv::qt
