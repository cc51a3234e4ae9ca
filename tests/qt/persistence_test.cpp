// The real program, run twice in one directory: what the player set and scored through the window
// in the first run is there in the second.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../support/scratch_dir.h"
#include "app/main_window.h"
#include "game/game.h"
#include "qt/qt_platform.h"
#include "store/settings_file.h"

namespace pv::qt {
namespace {

using pv::testing::ScratchDirectory;

// Every test of this program runs in an empty directory of its own: the game reads and writes its
// settings file in the current directory, and a file one test leaves must not steer another.
class PrivateDirectoryPerTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& /*test*/) override {
        directory_ = std::make_unique<ScratchDirectory>();
    }
    void OnTestEnd(const ::testing::TestInfo& /*test*/) override { directory_.reset(); }
    std::unique_ptr<ScratchDirectory> directory_;
};

const bool kPrivateDirectories = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new PrivateDirectoryPerTest);
    return true;
}();

using Step = std::function<void(QtPlatform&, Game&)>;

// Runs the program as main() does, from ProgramStart to its exit, with a fresh game on the real
// widgets, and plays the steps on its window one by one, each after the game has handled what the
// one before did. The last step should close the window. Returns the exit code.
int RunProgram(const std::vector<Step>& steps) {
    QtPlatform platform;
    auto game = std::make_unique<Game>(platform);
    game->dataFolder = std::filesystem::current_path();
    std::size_t next = 0;
    std::function<void()> playNext = [&]() {
        QTimer::singleShot(20, &platform, [&]() {
            if (next >= steps.size()) return;
            steps[next++](platform, *game);
            playNext();
        });
    };
    platform.onFirstShown = playNext;
    // A step that goes wrong must not leave the program running for ever.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&]() {
        ADD_FAILURE() << "the program did not end";
        if (platform.Main() != nullptr) platform.Main()->close();
    });
    watchdog.start(30000);
    int code = ProgramStart(*game);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

void Pick(QtPlatform& platform, UINT id) {
    QAction* action = platform.MenuAction(id);
    ASSERT_NE(action, nullptr) << id;
    ASSERT_TRUE(action->isEnabled()) << id;
    action->trigger();
}

void Click(QtPlatform& platform, HWND button) {
    auto* widget = qobject_cast<QPushButton*>(platform.Widget(button));
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
}

std::vector<std::string> ShownScores(QtPlatform& platform, const Game& game) {
    std::vector<std::string> lines;
    auto* list = qobject_cast<QListWidget*>(platform.Widget(game.scoreList));
    if (list == nullptr) return lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

Step CloseWindow() {
    return [](QtPlatform& platform, Game&) { platform.Main()->close(); };
}

class Persistence : public ::testing::Test {
  protected:
    ScratchDirectory directory;
};

TEST_F(Persistence, SettingsAndScoresReachTheNextRun) {
    const QPoint place(60, 70);
    bool scoreScreenMissing = false;
    std::vector<std::string> entered;
    int first = RunProgram({
        [&](QtPlatform& p, Game&) {
            for (UINT id : {2109u, 1406u, 1405u, 1301u}) Pick(p, id);
            p.Main()->move(place);  // the player drags the window
        },
        [](QtPlatform& p, Game&) { Pick(p, 2009); },
        [&](QtPlatform& p, Game& g) {
            scoreScreenMissing = g.scoresOpen == 0;
            if (scoreScreenMissing) return;
            auto* name = qobject_cast<QLineEdit*>(p.Widget(g.nameEdit));
            ASSERT_NE(name, nullptr);
            ASSERT_TRUE(name->isVisible());
            QTest::keyClicks(name, QStringLiteral("Mia"));
            Click(p, g.scoresOkButton);
        },
        [&](QtPlatform& p, Game&) {
            if (!scoreScreenMissing) Pick(p, 2009);  // enters the score under the typed name
        },
        [&](QtPlatform& p, Game& g) {
            if (scoreScreenMissing) return;
            entered = ShownScores(p, g);
            Click(p, g.scoresOkButton);
        },
        CloseWindow(),
    });
    EXPECT_EQ(first, 0);
    ASSERT_TRUE(std::filesystem::exists(directory.Path() / "pv2.pv2"));

    std::vector<std::string> shown;
    int second = RunProgram({
        [&](QtPlatform& p, Game&) {
            for (UINT id : {2109u, 1406u, 1405u}) EXPECT_TRUE(p.MenuAction(id)->isChecked()) << id;
            EXPECT_FALSE(p.MenuAction(1401)->isChecked());
            EXPECT_FALSE(p.MenuAction(1301)->isEnabled()) << "Add was the operation";
            EXPECT_TRUE(p.MenuAction(1303)->isEnabled());
            EXPECT_EQ(p.Main()->frameGeometry().topLeft(), place);
            if (!scoreScreenMissing) Pick(p, 2009);
        },
        [&](QtPlatform& p, Game& g) {
            if (scoreScreenMissing) return;
            shown = ShownScores(p, g);
            Click(p, g.scoresOkButton);
        },
        CloseWindow(),
    });
    EXPECT_EQ(second, 0);

    if (scoreScreenMissing) {
        GTEST_SKIP() << "the settings survive; the score half waits for the high-score screen "
                        "(command 2009 opens nothing yet)";
    }
    ASSERT_EQ(entered.size(), 2u) << "the default name's line and Mia's";
    EXPECT_EQ(entered[0].find(" 00000001   "), 0u);
    bool mia = false;
    for (const std::string& line : entered) {
        mia = mia || line.find("Mia") != std::string::npos;
        EXPECT_NE(std::find(shown.begin(), shown.end(), line), shown.end()) << line;
    }
    EXPECT_TRUE(mia);
}

TEST_F(Persistence, SavedPlaceOnNoScreenLeavesTheWindowInSight) {
    GameState saved;
    saved.rememberPosition = 0xFF;
    saved.windowX = -5000;
    saved.windowY = 4000;
    SettingsHeader header = EncodeHeader(saved);
    FILE* file = std::fopen("pv2.pv2", "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(header.data(), 1, header.size(), file);
    std::fclose(file);

    RunProgram({
        [](QtPlatform& p, Game& g) {
            RECT frame{};
            p.GetWindowRect(g.mainWindow, &frame);
            EXPECT_NE(p.MonitorFromRect(&frame, MONITOR_DEFAULTTONULL), 0u);
            QRect desktop = QGuiApplication::primaryScreen()->geometry();
            EXPECT_TRUE(desktop.intersects(p.Main()->frameGeometry()));
            EXPECT_EQ(g.windowX, -5000);
        },
        CloseWindow(),
    });
}

}  // namespace
}  // namespace pv::qt
