// The player's language: chosen in the menu, kept per player, and never in the settings file.
#include <gtest/gtest.h>

#include "assets/commands.h"
#include "players/key_value_file.h"
#include "store/settings_file_run.h"
#include "support/players_fixture.h"

namespace pv::testing {
namespace {

class Language : public Players {
  protected:
    std::string Kept(const std::string& player) {
        return KeyValueFile::Read(RealFileSystem(), PlayerSettings(PlayerFolder(Root(), player)))
            .Get("language");
    }
    // The one language item checked, as an offset from the desktop's item, or -1.
    int Checked() {
        int found = -1;
        for (UINT id = Command::DesktopLanguage; platform.FindMenuItem(game.menu, id) != nullptr;
             ++id) {
            if (!Item(id).checked) continue;
            EXPECT_EQ(found, -1) << "one check mark only";
            found = static_cast<int>(id - Command::DesktopLanguage);
        }
        return found;
    }
    void SwitchTo(const std::string& player) {
        for (std::size_t i = 0; i < game.playerNames.size(); ++i)
            if (game.playerNames[i] == player) return Command(Command::FirstPlayer + i);
    }
};

TEST_F(Language, EachPlayerKeepsTheirsAndASwitchSpeaksIt) {
    StartAs("Anna");
    EXPECT_EQ(Checked(), 0) << "the desktop's, to begin with";
    EXPECT_TRUE(platform.languages.empty()) << "the platform already speaks the desktop's";
    const MenuItem& options = BarItem(1);
    ASSERT_TRUE(options.items.back().popup);
    EXPECT_EQ(options.items.back().text, "&Language");
    EXPECT_EQ(options.items.back().items.at(3).text, "Espa\xC3\xB1ol");

    Command(Command::FirstLanguage);  // Deutsch
    EXPECT_EQ(Kept("Anna"), "de");
    platform.typedAnswers = {L"Ben"};
    Command(Command::NewPlayer);
    EXPECT_EQ(game.playerName, "Ben");
    EXPECT_EQ(Checked(), 0) << "Ben has chosen nothing yet";
    Command(Command::FirstLanguage + 3);  // Français
    EXPECT_EQ(Checked(), 4);

    SwitchTo("Anna");
    EXPECT_EQ(Checked(), 1);
    SwitchTo("Ben");
    EXPECT_EQ(Checked(), 4);
    Command(Command::DesktopLanguage);
    EXPECT_EQ(Kept("Ben"), "");
    EXPECT_EQ(platform.languages, (std::vector<std::string>{"de", "", "fr", "de", "fr", ""}));
}

TEST_F(Language, AValueTheGameDoesNotSpeakIsEnglish) {
    fs::create_directories(PlayerFolder(Root(), "Anna"));
    KeyValueFile::Update(RealFileSystem(), PlayerSettings(PlayerFolder(Root(), "Anna")), "language",
                         "../de");
    StartAs("Anna");
    EXPECT_EQ(Checked(), 2) << "English";
    EXPECT_EQ(platform.languages, (std::vector<std::string>{"en"}));
    EXPECT_EQ(Kept("Anna"), "../de") << "kept as it is until the player picks one";
}

TEST_F(Language, AChoiceSetsEveryTextOfTheScreensAgain) {
    StartAs("Anna");
    Tick(9);  // the level label has shown a number
    platform.marked = true;
    Command(Command::FirstLanguage + 3);
    for (HWND control : {game.aboutText, game.contactText, game.aboutOkButton, game.colourOkButton,
                         game.scoresOkButton, game.byeButton, game.scoreHeader, game.nameHeader,
                         game.yourNameLabel, game.questionsLeftLabel, game.levelLabel}) {
        EXPECT_EQ(Text(control).front(), '<') << Text(control);
    }
}

// A catalogue the menu was not written for: offered under the platform's name for it, kept, and
// English again should its catalogue be gone when the player's settings are next read.
TEST_F(Language, ACatalogueAddedIsOfferedKeptAndMissedQuietly) {
    platform.spoken = {"de", "en", "es", "fr", "pt_BR"};
    StartAs("Anna");
    const MenuItem& languages = BarItem(1).items.back();
    ASSERT_EQ(languages.items.size(), 6U);
    EXPECT_EQ(languages.items.back().text, "pt_BR");
    Command(Command::FirstLanguage + 4);
    EXPECT_EQ(Kept("Anna"), "pt_BR");
    EXPECT_EQ(Checked(), 5);
    Command(Command::FirstLanguage + 5);  // no language has this item
    EXPECT_EQ(Checked(), 5);
    EXPECT_EQ(platform.languages, (std::vector<std::string>{"pt_BR"}));

    platform.typedAnswers = {L"Ben"};
    Command(Command::NewPlayer);
    platform.spoken = {"de", "en", "es", "fr"};
    platform.languages.clear();
    SwitchTo("Anna");
    EXPECT_EQ(platform.languages, (std::vector<std::string>{"en"}));
    EXPECT_EQ(Kept("Anna"), "pt_BR");
}

// Texts shown in another language, yet the settings file holds the English bytes: the hints, and
// the default score name taken from one.
TEST(LanguageOnDisk, TheSettingsFileIsTheSameInAnyLanguage) {
    auto play = [](bool marked) {
        ScratchDirectory directory;
        GameRun run;
        run.platform.marked = marked;
        run.Start();
        const PictureButton& sound = Tool(0);
        run.platform.SendMessageA(run.game.mainWindow, WM_MOUSEMOVE, 0,
                                  MAKELPARAM(sound.x + 9, sound.y + 9));
        for (int i = 0; i < 5; ++i) {
            run.platform.TimerFired(run.game.mainWindow, 1);
            run.Drain();
        }
        std::string hint = run.platform.Find(run.game.hintLabel)->text;
        EXPECT_EQ(hint.front() == '<', marked) << hint;
        run.Command(Command::ViewScores);
        std::string yours = run.platform.Find(run.game.yourScoreLabel)->text;
        EXPECT_EQ(yours.front() == '<', marked) << yours;
        run.Command(Command::CloseScores);
        run.Close();
        return ReadBytes(directory.Path() / "pv2.pv2");
    };
    Bytes english = play(false);
    ASSERT_FALSE(english.empty());
    EXPECT_EQ(play(true), english);
}

}  // namespace
}  // namespace pv::testing
