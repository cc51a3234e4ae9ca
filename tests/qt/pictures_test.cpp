// Pictures on the real window are decoded only when drawn, yet must look exactly as a picture
// loaded whole from both its files, at the sizes the game draws them, and again after the
// decoded copy has made way for others.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QTest>

#include "app/main_window.h"
#include "assets/catalogue.h"
#include "game/game.h"
#include "qt/qt_platform.h"
#include "qt/window/widgets.h"

namespace pv::qt {
namespace {

class LazyPictures : public ::testing::Test {
  protected:
    void SetUp() override {
        game.instance = platform.GetModuleHandleA(nullptr);
        CreateMainWindow(game);
        QCoreApplication::processEvents();
        MSG message;
        while (platform.PeekMessageA(&message)) platform.DispatchMessageA(&message);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(platform.Main()));
    }

    void TearDown() override { platform.DestroyWindow(game.mainWindow); }

    // What the control shows now.
    QImage Shown(HWND control) { return platform.Widget(control)->grab().toImage(); }

    // The same control drawn with the picture loaded whole, as the game once did.
    QImage Expected(HWND control, UINT resource, QSize size, bool centred) {
        QWidget* shown = platform.Widget(control);
        Picture reference(
            shown->parentWidget(), [](UINT, WPARAM, LPARAM) {}, 0, 0, false);
        reference.setGeometry(shown->geometry());
        reference.setEnabled(shown->isEnabled());
        QString file = QStringLiteral(":/") + QString::fromStdString(ResourceFile(resource));
        QIcon whole;
        whole.addFile(file);
        whole.addFile(QString(file).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
        reference.SetImage(whole, size, centred);
        return reference.grab().toImage();
    }

    void ShowIcon(HWND control, UINT resource) {
        platform.SendMessageA(control, STM_SETIMAGE, IMAGE_ICON,
                              platform.LoadIconA(game.instance, resource));
    }

    QtPlatform platform;
    Game game{platform};
};

TEST_F(LazyPictures, IconsAndTheAboutBitmapLookAsIfLoadedWhole) {
    HWND tool = game.toolButtons[0];
    for (UINT id : {500u, 843u, 900u, 922u}) {
        ShowIcon(tool, id);
        EXPECT_EQ(Shown(tool), Expected(tool, id, QSize(32, 32), true)) << id;
    }
    platform.ShowWindow(game.aboutPicture, SW_SHOWNORMAL);
    EXPECT_EQ(Shown(game.aboutPicture),
              Expected(game.aboutPicture, kAboutBitmap, QSize(64, 97), false));
}

TEST_F(LazyPictures, APictureDrawnAgainAfterManyOthersIsUnchanged) {
    HWND tool = game.toolButtons[0];
    ShowIcon(tool, 500);
    QImage first = Shown(tool);
    // Far more pictures than are kept decoded.
    for (UINT id = 501; id < 501 + 2 * QtPlatform::kDecodedPictures; ++id) {
        ShowIcon(tool, id);
        Shown(tool);
    }
    ShowIcon(tool, 500);
    EXPECT_EQ(Shown(tool), first);
}

}  // namespace
}  // namespace pv::qt
