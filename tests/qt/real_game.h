// The real game window, offscreen, in a scratch folder of its own: the start every test of the
// whole window shares, and the way to run what the game queued.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "game/game.h"
#include "qt/qt_platform.h"

namespace pv::qt {

class RealGame : public ::testing::Test {
  protected:
    void SetUp() override {
        // The game reads and writes its settings file in the current directory.
        ASSERT_TRUE(directory.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(directory.path());
        game.dataFolder = directory.path().toStdString();
        game.instance = platform.GetModuleHandleA(nullptr);
        CreateMainWindow(game);
        RunQueued();
        ASSERT_NE(platform.Main(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(platform.Main()));
    }

    void TearDown() override {
        if (platform.Find(game.mainWindow) != nullptr) platform.DestroyWindow(game.mainWindow);
        QDir::setCurrent(previous);
    }

    void RunQueued() {
        QCoreApplication::processEvents();
        MSG message;
        while (platform.PeekMessageA(&message)) platform.DispatchMessageA(&message);
    }
    void Post(WPARAM command) {
        platform.PostMessageA(game.mainWindow, WM_COMMAND, command, 0);
        RunQueued();
    }

    QTemporaryDir directory;
    QString previous;
    QtPlatform platform;
    Game game{platform};
};

}  // namespace pv::qt
