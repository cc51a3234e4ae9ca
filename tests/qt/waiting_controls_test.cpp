// The controls the window's first frame does not show: made once it is drawn, or when asked for
// before, from the model as it then stands, and each in its turn among the others.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <vector>

#include "app/main_window.h"
#include "game/game.h"
#include "qt/paint/qt_paint.h"
#include "qt/qt_platform.h"

namespace pv::qt {
namespace {

class WaitingControls : public ::testing::Test {
  protected:
    void SetUp() override {
        game.instance = platform.GetModuleHandleA(nullptr);
        CreateMainWindow(game);
    }
    void RunQueued() {
        QCoreApplication::processEvents();
        MSG message;
        while (platform.PeekMessageA(&message)) platform.DispatchMessageA(&message);
    }
    int Panels() { return platform.Main()->Client()->findChildren<QTextEdit*>().size(); }

    QtPlatform platform;
    Game game{platform};
};

TEST_F(WaitingControls, TheHiddenScreensComeAfterTheFirstFrameInTheGamesOrder) {
    RunQueued();  // the start-up command shows the window
    EXPECT_EQ(Panels(), 0) << "the about panel is not in the first frame";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(platform.Main()));
    QCoreApplication::processEvents();
    EXPECT_EQ(Panels(), 2);
    std::vector<QWidget*> made;
    for (HWND control : platform.Children(game.mainWindow))
        made.push_back(platform.Widget(control));
    std::vector<QWidget*> stacked;
    for (QObject* child : platform.Main()->Client()->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (std::count(made.begin(), made.end(), widget) != 0) stacked.push_back(widget);
    }
    EXPECT_EQ(stacked, made) << "stacked, and listed to a reader, as the game made them";
}

TEST_F(WaitingControls, OneAskedForBeforeIsMadeAsTheModelStands) {
    auto* bye = qobject_cast<QPushButton*>(platform.Widget(game.byeButton));
    ASSERT_NE(bye, nullptr);
    EXPECT_FALSE(bye->isVisibleTo(platform.Main()));
    EXPECT_EQ(bye->text(), QStringLiteral("bye"));
    EXPECT_EQ(bye->font(), FontFor(*platform.FindObject(game.smallFont)));
    RunQueued();
    auto* red = qobject_cast<QScrollBar*>(platform.Widget(game.colourBars[0]));
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->maximum(), 255);
    EXPECT_EQ(red->value(), static_cast<int>(game.bgRed));
}

}  // namespace
}  // namespace pv::qt
