// The seam the game's texts are translated through: the desktop's language, formats a catalogue
// could break, and plural forms without any catalogue.
#include "platform/translate.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/recording_platform.h"
#include "support/table_translation.h"

namespace pv::testing {
namespace {

const std::vector<std::string> kSpoken{"de", "en", "es", "fr", "pt_BR"};

std::string FromEnvironment(const std::map<std::string, std::string>& set) {
    return DesktopLanguage(
        [&set](const char* name) -> const char* {
            auto it = set.find(name);
            return it != set.end() ? it->second.c_str() : nullptr;
        },
        kSpoken);
}

TEST(DesktopLanguage, LanguageOverLcAllOverLcMessagesOverLang) {
    EXPECT_EQ(FromEnvironment({{"LANG", "de_DE.UTF-8"}}), "de");
    EXPECT_EQ(FromEnvironment({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}), "fr");
    EXPECT_EQ(FromEnvironment({{"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "es_ES.UTF-8"}}), "es");
    EXPECT_EQ(FromEnvironment({{"LC_ALL", "es_ES"}, {"LANGUAGE", "de_AT:fr"}}), "de");
    // LANGUAGE is a list by preference: the first the game speaks wins, even over a C locale.
    EXPECT_EQ(FromEnvironment({{"LANGUAGE", "nl:sv:fr_CA:de"}}), "fr");
    EXPECT_EQ(FromEnvironment({{"LC_ALL", "C"}, {"LANGUAGE", "es"}}), "es");
    // Set but empty is not set.
    EXPECT_EQ(FromEnvironment({{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "fr_BE@euro"}}), "fr");
    EXPECT_EQ(FromEnvironment({{"LANG", "DE_ch"}}), "de");
}

TEST(DesktopLanguage, EnglishWhenTheSessionSpeaksNoneOfTheGames) {
    EXPECT_EQ(FromEnvironment({}), "en");
    EXPECT_EQ(FromEnvironment({{"LANG", "C"}}), "en");
    EXPECT_EQ(FromEnvironment({{"LANG", "POSIX"}, {"LC_MESSAGES", "nl_NL"}}), "en");
    EXPECT_EQ(FromEnvironment({{"LANGUAGE", "nl:sv"}, {"LANG", "de_DE"}}), "en");
    EXPECT_EQ(FromEnvironment({{"LANG", "deutsch"}}), "en");
    EXPECT_EQ(KnownLanguage("de", kSpoken), "de");
    for (const char* unknown : {"", "DE", "de_DE", "x", "german", "pt"})
        EXPECT_EQ(KnownLanguage(unknown, kSpoken), "") << unknown;
}

// A catalogue for one country is that country's; its language alone is not.
TEST(DesktopLanguage, ALocaleSpeaksItsCountrysCatalogueFirst) {
    EXPECT_EQ(FromEnvironment({{"LANG", "pt_BR.UTF-8"}}), "pt_BR");
    EXPECT_EQ(FromEnvironment({{"LANGUAGE", "pt-br"}}), "pt_BR");
    EXPECT_EQ(FromEnvironment({{"LANGUAGE", "pt_PT:pt:es"}}), "es");
    EXPECT_EQ(FromEnvironment({{"LANG", "de_AT@euro"}}), "de");
}

TEST(LanguageCodes, AreWhatACatalogueFileMayBeNamed) {
    for (const char* code : {"de", "ast", "pt_BR"}) EXPECT_TRUE(IsLanguageCode(code)) << code;
    for (const char* code :
         {"", "d", "deut", "DE", "de_", "pt_br", "pt_BRA", "../de", "de.qm", "pt-BR", "de_DE_x"})
        EXPECT_FALSE(IsLanguageCode(code)) << code;
}

// A catalogue given as a table; anything else is English.
class TablePlatform : public RecordingPlatform {
  public:
    std::map<std::string, std::string> table;
    std::string Translate(const char* /*context*/, const char* text) override {
        auto it = table.find(text);
        return it != table.end() ? it->second : text;
    }
};

TEST(TranslatedFormats, OnlyATranslationWithTheSameConversionsReachesTheFormatter) {
    TablePlatform p;
    p.table = {{"level %d", "Stufe %d"}, {"%d green", "%-3d gr\xC3\xBCn %%"},
               {"%d red", "%s rot"},     {"score %d", "%d Punkte %d"},
               {"%d blue", "%d blau %"}, {"%d x %d", "%d"}};
    EXPECT_EQ(TrFormat(p, "Drill", "level %d"), "Stufe %d");
    EXPECT_EQ(TrFormat(p, "Colour", "%d green"), "%-3d gr\xFCn %%") << "Windows-1252 bytes";
    for (const char* broken : {"%d red", "score %d", "%d blue", "%d x %d"})
        EXPECT_EQ(TrFormat(p, "Colour", broken), broken);
}

TEST(TranslatedPlurals, WithoutACatalogueTheEnglishOfToday) {
    RecordingPlatform p;
    EXPECT_EQ(TrPlural(p, "Drill", "%n questions", "%n question", 1), "1 question");
    EXPECT_EQ(TrPlural(p, "Drill", "%n questions", "%n question", 2), "2 questions");
    EXPECT_EQ(TrPlural(p, "Drill", "%n questions", "%n question", 0), "0 questions");
    EXPECT_EQ(FillIn("%1 of %1", "7"), "7 of 7");
}

// A sentence made where the reader is not known: translated whole, its values as they are.
TEST(Sentences, AreSaidInTheReadersWordsWithTheirValuesAsTheyAre) {
    std::map<std::string, std::string> table{
        {"cannot use that player name: %1", "Name geht nicht: %1"},
        {"A name cannot end with a space.", "Kein Leerzeichen am Ende."},
        {"%1 then %2", "%2, davor %1"}};
    Translation german = TableTranslation(table);
    Sentence name{"Console",
                  "cannot use that player name: %1",
                  {{"Players", "A name cannot end with a space.", {}}}};
    EXPECT_EQ(Say(name), "cannot use that player name: A name cannot end with a space.");
    EXPECT_EQ(Say(name, german), "Name geht nicht: Kein Leerzeichen am Ende.");
    Sentence paths{"Players", "%1 then %2", {Sentence::Value("/a%2b"), Sentence::Value("c")}};
    EXPECT_EQ(Say(paths), "/a%2b then c") << "a value is never filled in again";
    EXPECT_EQ(Say(paths, german), "c, davor /a%2b");
    EXPECT_EQ(Say({"Drill", "100% of %3 %", {}}), "100% of %3 %") << "marks without values stay";
    EXPECT_EQ(Say(Sentence::Value("A name cannot end with a space."), german),
              "A name cannot end with a space.");
}

}  // namespace
}  // namespace pv::testing
