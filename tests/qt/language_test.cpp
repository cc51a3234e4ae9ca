// The catalogues built into the program: the forms each language counts with, a catalogue that
// cannot be read, and a change of language while the game runs.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "assets/commands.h"
#include "game/game.h"
#include "qt/language/translators.h"
#include "qt/qt_platform.h"

namespace pv::qt {
namespace {

QString Questions(int n) {
    return Plural("Drill", "%n questions", "%n question", n);
}

TEST(Catalogues, EachLanguageCountsInItsOwnForms) {
    Translators translators;
    translators.Use(QStringLiteral("de"));
    EXPECT_EQ(Questions(1), QStringLiteral("1 Aufgabe"));
    EXPECT_EQ(Questions(2), QStringLiteral("2 Aufgaben"));
    translators.Use(QStringLiteral("fr"));
    EXPECT_EQ(Questions(0), QStringLiteral("0 question")) << "nought is singular in French";
    EXPECT_EQ(Questions(1), QStringLiteral("1 question"));
    EXPECT_EQ(Questions(2), QStringLiteral("2 questions"));
    translators.Use(QStringLiteral("en"));
    EXPECT_EQ(Questions(0), QStringLiteral("0 questions"));
    EXPECT_EQ(Questions(1), QStringLiteral("1 question"));
    EXPECT_EQ(QCoreApplication::translate("Menu", "&Drill"), QStringLiteral("&Drill"));
}

TEST(Catalogues, OneThatCannotBeReadLeavesTheEnglish) {
    QTemporaryDir folder;
    QFile damaged(folder.filePath(QStringLiteral("pondivar_de.qm")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd garbage");
    damaged.close();
    Translators translators(folder.path());
    for (const char* language : {"de", "xx", ""}) {
        translators.Use(QString::fromLatin1(language));
        EXPECT_EQ(QCoreApplication::translate("Menu", "&Drill"), QStringLiteral("&Drill"))
            << language;
        EXPECT_EQ(Questions(1), QStringLiteral("1 question")) << language;
    }
}

// A language is a catalogue file: its code from the file's name, its name from the catalogue, or
// from Qt's locale data when the catalogue cannot say.
TEST(Catalogues, EachFileIsALanguageNamedInItsOwnWords) {
    EXPECT_EQ(CatalogueLanguages(QStringLiteral(":/i18n")),
              (std::vector<std::string>{"de", "en", "es", "fr"}));
    Translators builtIn;
    EXPECT_EQ(builtIn.NameOf(QStringLiteral("de")), QStringLiteral("Deutsch"));
    EXPECT_EQ(builtIn.NameOf(QStringLiteral("en")), QStringLiteral("English"));
    EXPECT_EQ(builtIn.NameOf(QStringLiteral("es")), QStringLiteral("Espa\u00f1ol"));
    EXPECT_EQ(builtIn.NameOf(QStringLiteral("fr")), QStringLiteral("Fran\u00e7ais"));

    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(":/i18n/pondivar_de.qm"),
                            folder.filePath(QStringLiteral("pondivar_pt_BR.qm"))));
    for (const char* other : {"pondivar_nl.qm", "pondivar_x.qm", "pondivar_de.ts", "de.qm"}) {
        QFile file(folder.filePath(QString::fromLatin1(other)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a catalogue");
    }
    Translators dropped(folder.path());
    EXPECT_EQ(dropped.Spoken(), (std::vector<std::string>{"en", "nl", "pt_BR"}));
    EXPECT_EQ(dropped.NameOf(QStringLiteral("pt_BR")), QStringLiteral("Deutsch"))
        << "what the catalogue calls itself";
    EXPECT_EQ(dropped.NameOf(QStringLiteral("nl")), QStringLiteral("Nederlands"));
}

class SwitchedLanguage : public ::testing::Test {
  protected:
    void SetUp() override {
        game.instance = platform.GetModuleHandleA(nullptr);
        CreateMainWindow(game);
        Pick(0);  // runs the start-up command, which shows the window
        ASSERT_TRUE(QTest::qWaitForWindowExposed(platform.Main()));
    }
    void TearDown() override {
        if (platform.Find(game.mainWindow) != nullptr) platform.DestroyWindow(game.mainWindow);
    }
    void Pick(UINT command) {
        if (command != 0) platform.SendMessageA(game.mainWindow, WM_COMMAND, command, 0);
        QCoreApplication::processEvents();
        MSG message;
        while (platform.PeekMessageA(&message)) platform.DispatchMessageA(&message);
    }
    QString Bar(int i) { return platform.MenuBar()->actions().at(i)->text(); }
    QString Shown(HWND control) {
        return static_cast<QPushButton*>(platform.Widget(control))->text();
    }

    QtPlatform platform;
    Game game{platform};
};

TEST_F(SwitchedLanguage, MenusAndLabelsChangeAtOnceAndBack) {
    EXPECT_EQ(platform.Language(), QStringLiteral("en")) << "the tests' desktop speaks English";
    EXPECT_EQ(Bar(0), QStringLiteral("&Drill"));
    Pick(Command::FirstLanguage);
    EXPECT_EQ(platform.Language(), QStringLiteral("de"));
    EXPECT_EQ(Bar(0), QStringLiteral("&Rechnen"));
    EXPECT_EQ(Shown(game.byeButton), QStringLiteral("Ende"));
    EXPECT_EQ(Shown(game.scoreHeader), QStringLiteral("PUNKTE"));
    QMenu* languages = platform.MenuBar()->actions().at(1)->menu()->actions().last()->menu();
    ASSERT_NE(languages, nullptr);
    EXPECT_EQ(languages->title(), QStringLiteral("&Sprache"));
    ASSERT_EQ(languages->actions().size(), 5);
    EXPECT_TRUE(languages->actions().at(1)->isChecked()) << "Deutsch";
    EXPECT_EQ(languages->actions().at(4)->text(), QStringLiteral("Fran\u00e7ais"));
    EXPECT_EQ(platform.Find(game.mainWindow)->text.rfind("Pondivar", 0), 0u);
    EXPECT_EQ(platform.Widget(game.scoreList)->accessibleName(), QStringLiteral("Bestenliste"));

    Pick(Command::DesktopLanguage);
    EXPECT_EQ(Bar(0), QStringLiteral("&Drill"));
    EXPECT_EQ(Shown(game.byeButton), QStringLiteral("bye"));
    EXPECT_EQ(Shown(game.scoreHeader), QStringLiteral("SCORE"));
}

// A language or a zoom picked in the menu builds the bar again: the pop-up whose item ran the
// pick is still there when the pick returns to it, and goes once the game next waits.
TEST_F(SwitchedLanguage, APickKeepsItsPopupUntilItReturns) {
    for (int item : {1, 4}) {  // Deutsch, then Zoom 2x
        QMenu* options = platform.MenuBar()->actions().at(1)->menu();
        QPointer<QMenu> popup = item == 1 ? options->actions().last()->menu() : options;
        ASSERT_NE(popup, nullptr);
        popup->actions().at(item)->trigger();
        EXPECT_FALSE(popup.isNull()) << "item " << item;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(popup.isNull()) << "item " << item;
    }
    EXPECT_EQ(Bar(0), QStringLiteral("&Rechnen"));
    EXPECT_EQ(platform.ZoomFactor(), 2);
}

}  // namespace
}  // namespace pv::qt
