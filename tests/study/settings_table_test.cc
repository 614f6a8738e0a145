#include "study/settings_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/support/fuzz_seed.h"

namespace tavrune {
namespace {

namespace s = setting;

// A store that keeps every text put into it as a seed for the settings
// fuzz target.
class SeedingSettings : public MemorySettings {
 public:
  void PutString(std::string_view section, std::string_view key, std::string_view value) override {
    testing::KeepFuzzSeed("settings_fuzz", value);
    MemorySettings::PutString(section, key, value);
  }
};

// The defaults as the store would hold them, transcribed independently of
// the table so a slip in either shows.
const std::map<std::string, std::string>& ExpectedDefaults() {
  static const std::map<std::string, std::string> defaults = {
      {"General/ShowWelcome", "1"},
      {"General/ShowDefinitions", "0"},
      {"General/Source", "1"},
      {"General/BuildBuild", "0"},
      {"PredefinedList/Category", "2Letter"},
      {"PredefinedList/SubCategory", "General"},
      {"PredefinedList/List", "All"},
      {"Dictionary/AnswerSource", "-1"},
      {"Dictionary/UseSymbols", "0"},
      {"Dictionary/UseSymbolsForMainWord", "0"},
      {"Dictionary/SymbolSowpods", "*"},
      {"Dictionary/SymbolUK", "#"},
      {"Dictionary/SymbolUSA", "$"},
      {"View/Type", "0"},
      {"SlideWindow/FontSize", "1"},
      {"SlideWindow/SlideFG", "255 255 0"},
      {"SlideWindow/SlideBG", "128 0 128"},
      {"SlideWindow/TileFG", "0 0 0"},
      {"SlideWindow/TileBG", "255 255 0"},
      {"SlideWindow/MainWindowColor", "192 192 192"},
      {"SlideWindow/WordInterval", "3000"},
      {"SlideWindow/AnswerInterval", "2000"},
      {"SlideWindow/ViewTiles", "0"},
      {"StatusBar/ShowAnswer", "0"},
      {"StatusBar/ShowProbFactor", "0"},
      {"WindowSize/Position", ""},
      {"WindowSize/IsMaximized", "0"},
      {"Display/Type", "2"},
      {"Anagrams/Order", "0"},
      {"Anagrams/UserOrder", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
      {"Anagrams/Stem", ""},
      {"Build/MinAnswerLength", "2"},
      {"Build/MaxAnswerLength", "15"},
      {"Hooks/Type", "2"},
      {"Hooks/FrontLetters", "1"},
      {"Hooks/EndLetters", "1"},
      {"Quiz/NumAnswers", "0"},
      {"Quiz/NumQuestions", "0"},
      {"Quiz/AutoReset", "0"},
      {"Cardbox/QuestionsPerSession", "100"},
      {"Cardbox/BoxZeroFirst", "0"},
      {"Sort/Type", "0"},
      {"Sort/Order", "0"},
      {"RandomRacks/NumRacks", "100"},
      {"RandomRacks/LettersPerRack", "8"},
      {"RandomRacks/MinProbFactor", "0"},
      {"RandomRacks/MaxProbFactor", "100"},
      {"RandomRacks/MinPoints", "6"},
      {"RandomRacks/MaxPoints", "16"},
      {"RandomRacks/MinVowels", "3"},
      {"RandomRacks/MaxVowels", "5"},
      {"RandomRacks/MinPhonies", "10"},
      {"RandomRacks/MaxPhonies", "20"},
      {"RandomRacks/MaxTime", "60"},
      {"RandomRacks/IgnoreBlanks", "0"},
      {"PageSetup/Width", "12240"},
      {"PageSetup/Height", "15840"},
      {"PageSetup/LeftMargin", "1440"},
      {"PageSetup/RightMargin", "1440"},
      {"PageSetup/TopMargin", "1440"},
      {"PageSetup/BottomMargin", "1440"},
      {"PageSetup/HeaderRoom", "720"},
      {"PageSetup/FooterRoom", "720"},
      {"PageSetup/HeaderLeft", ""},
      {"PageSetup/HeaderCenter", ""},
      {"PageSetup/HeaderRight", ""},
      {"PageSetup/FooterLeft", "\\D"},
      {"PageSetup/FooterCenter", "\\F"},
      {"PageSetup/FooterRight", "Page \\#/\\P"},
      {"PageSetup/FontFamily", "Courier New"},
      {"PageSetup/FontSize", "200"},
      {"PageSetup/WordBold", "1"},
      {"PageSetup/WordItalic", "0"},
      {"PageSetup/AnswerBold", "0"},
      {"PageSetup/AnswerItalic", "0"},
      {"PageSetup/VerticalSpacing", "0"},
      {"PageSetup/ColumnSpacing", "300"},
      {"PageSetup/ColumnTabSpacing", "100"},
      {"PageSetup/AnaHooksSpacing", "100"},
      {"ToolsSearch/BuildBuild", "0"},
      {"ToolsSearch/SortType", "0"},
      {"ToolsSearch/SearchType", "0"},
      {"ToolsSearch/UseSmallCaps", "0"},
      {"FileDialog/LastFolder", ""},
  };
  return defaults;
}

TEST(SettingsTableTest, HoldsEveryKeyOnceWithItsDefault) {
  std::set<std::string> seen;
  for (const AnySetting& row : AllSettings()) {
    const std::string name = std::string(SectionOf(row)) + "/" + std::string(KeyOf(row));
    EXPECT_TRUE(seen.insert(name).second) << name << " twice";
    const auto expected = ExpectedDefaults().find(name);
    ASSERT_NE(expected, ExpectedDefaults().end()) << name << " is not a known key";
    EXPECT_EQ(DefaultText(row), expected->second) << name;
  }
  EXPECT_EQ(seen.size(), ExpectedDefaults().size());
}

TEST(SettingsTableTest, AnEmptyStoreReadsEveryDefaultAndEveryDefaultSurvivesItsRule) {
  MemorySettings empty;
  for (const AnySetting& row : AllSettings()) {
    if (const auto* i = std::get_if<const IntSetting*>(&row)) {
      EXPECT_EQ(ReadSetting(empty, **i), (*i)->default_value) << (*i)->key;
      EXPECT_EQ(NormalizeSetting(**i, (*i)->default_value), (*i)->default_value) << (*i)->key;
    } else if (const auto* t = std::get_if<const StringSetting*>(&row)) {
      EXPECT_EQ(ReadSetting(empty, **t), (*t)->default_value) << (*t)->key;
    } else if (const auto* c = std::get_if<const ColourSetting*>(&row)) {
      EXPECT_EQ(ReadSetting(empty, **c), (*c)->default_value) << (*c)->key;
    } else if (const auto* n = std::get_if<const CountSetting*>(&row)) {
      EXPECT_EQ(ReadSetting(empty, **n), (*n)->default_value) << (*n)->key;
    }
  }
  EXPECT_EQ(empty.size(), 0u);
}

TEST(SettingsTableTest, OutOfRangeIntegersReadAsTheirRuleSays) {
  SeedingSettings store;
  const auto read = [&](const IntSetting& setting, long long stored) {
    store.PutInt(setting.section, setting.key, stored);
    return ReadSetting(store, setting);
  };
  // Lexicon numbers: 0, 1, 3, 4 stay, anything else is the combined list.
  EXPECT_EQ(read(s::general::kSource, 3), 3);
  EXPECT_EQ(read(s::general::kSource, 7), 2);
  EXPECT_EQ(read(s::general::kSource, -1), 2);
  EXPECT_EQ(read(s::dictionary::kAnswerSource, -1), -1);
  EXPECT_EQ(read(s::dictionary::kAnswerSource, 0), 0);
  EXPECT_EQ(read(s::dictionary::kAnswerSource, -2), 2);
  // Not always the default: list type 7 reads as 0 although 2 is the default.
  EXPECT_EQ(read(s::display::kType, 7), 0);
  EXPECT_EQ(read(s::display::kType, 4), 4);
  EXPECT_EQ(read(s::hooks::kType, 9), 2);
  EXPECT_EQ(read(s::anagrams::kOrder, 6), 0);
  EXPECT_EQ(read(s::sort::kType, 5), 0);
  EXPECT_EQ(read(s::sort::kOrder, 2), 0);
  EXPECT_EQ(read(s::slide_window::kFontSize, 3), 1);
  EXPECT_EQ(read(s::view::kType, 5), 1);
  EXPECT_EQ(read(s::tools_search::kSearchType, 2), 2);
  EXPECT_EQ(read(s::tools_search::kSearchType, 3), 0);
  EXPECT_EQ(read(s::tools_search::kSortType, 2), 0);
  // Ranges keep timers and page arithmetic sane.
  EXPECT_EQ(read(s::slide_window::kWordInterval, 0), 3000);
  EXPECT_EQ(read(s::slide_window::kAnswerInterval, 0), 0);
  EXPECT_EQ(read(s::slide_window::kAnswerInterval, 1LL << 40), 2000);
  EXPECT_EQ(read(s::page_setup::kFontSize, 0), 200);
  EXPECT_EQ(read(s::hooks::kFrontLetters, 8), 1);
  EXPECT_EQ(read(s::random_racks::kNumRacks, 19), 100);
  EXPECT_EQ(read(s::random_racks::kNumRacks, 200), 200);
  EXPECT_EQ(read(s::page_setup::kWordBold, -3), 1);
}

TEST(SettingsTableTest, TextWhereANumberBelongsReadsAsTheDefault) {
  SeedingSettings store;
  store.PutString("Hooks", "Type", "three");
  EXPECT_EQ(ReadSetting(store, s::hooks::kType), 2);
  store.PutString("General", "Source", "99999999999999999999999");
  EXPECT_EQ(ReadSetting(store, s::general::kSource), 1);
}

TEST(SettingsTableTest, WritersStoreWhatReadsBackAsItself) {
  SeedingSettings store;
  WriteSetting(store, s::sort::kOrder, 3);
  EXPECT_EQ(store.GetString("Sort", "Order", "?"), "0");
  WriteSetting(store, s::general::kSource, 9);
  EXPECT_EQ(store.GetInt("General", "Source", -5), 2);
  WriteSetting(store, s::dictionary::kSymbolUK, "");
  EXPECT_EQ(store.GetString("Dictionary", "SymbolUK", "?"), " ");
  WriteSetting(store, s::dictionary::kSymbolUSA, "US");
  EXPECT_EQ(store.GetString("Dictionary", "SymbolUSA", "?"), "U");
  WriteSetting(store, s::slide_window::kTileBG, Rgb{300, -1, 17});
  EXPECT_EQ(store.GetString("SlideWindow", "TileBG", "?"), "255 0 17");
  WriteSetting(store, s::quiz::kNumAnswers, -4);
  EXPECT_EQ(store.GetString("Quiz", "NumAnswers", "?"), "0");
  WriteSetting(store, s::quiz::kNumQuestions, 1234);
  EXPECT_EQ(ReadSetting(store, s::quiz::kNumQuestions), 1234);
}

TEST(SettingsTableTest, SymbolsAreOneCharacter) {
  EXPECT_EQ(FirstCharacter(""), " ");
  EXPECT_EQ(FirstCharacter("+-"), "+");
  EXPECT_EQ(FirstCharacter("\xC2\xA3x"), "\xC2\xA3");  // a pound sign stays whole
  EXPECT_EQ(FirstCharacter("\xC2"), " ");              // cut short
  EXPECT_EQ(FirstCharacter("\xFF!"), " ");
  EXPECT_EQ(FirstCharacter("\xC0\xAA"), " ");  // overlong
  SeedingSettings store;
  store.PutString("Dictionary", "SymbolSowpods", "");
  EXPECT_EQ(ReadSetting(store, s::dictionary::kSymbolSowpods), " ");
}

TEST(SettingsTableTest, TextsAreCheckedAndBounded) {
  SeedingSettings store;
  store.PutString("Anagrams", "UserOrder", "zyxwvutsrqponmlkjihgfedcba");
  EXPECT_EQ(ReadSetting(store, s::anagrams::kUserOrder), "ZYXWVUTSRQPONMLKJIHGFEDCBA");
  store.PutString("Anagrams", "UserOrder", "AACDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(ReadSetting(store, s::anagrams::kUserOrder), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  store.PutString("Anagrams", "UserOrder", "ABC");
  EXPECT_EQ(ReadSetting(store, s::anagrams::kUserOrder), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");

  store.PutString("Anagrams", "Stem", "sat-ine? and more letters");
  EXPECT_EQ(ReadSetting(store, s::anagrams::kStem), "SATINEANDMOREL");

  // A long text is cut at a character boundary, never inside one.
  std::string position(63, '1');
  position += "\xC3\xA9\xC3\xA9";
  store.PutString("WindowSize", "Position", position);
  EXPECT_EQ(ReadSetting(store, s::window_size::kPosition), std::string(63, '1'));
  store.PutString("PageSetup", "FooterLeft", std::string(10000, 'x'));
  EXPECT_EQ(ReadSetting(store, s::page_setup::kFooterLeft).size(), 255u);
}

TEST(SettingsTableTest, CountsReadLikeTextToLong) {
  SeedingSettings store;
  const auto read = [&](const char* stored) {
    store.PutString("Quiz", "NumAnswers", stored);
    return ReadSetting(store, s::quiz::kNumAnswers);
  };
  EXPECT_EQ(read("42"), 42);
  EXPECT_EQ(read("  17 apples"), 17);
  EXPECT_EQ(read("apples"), 0);
  EXPECT_EQ(read(""), 0);
  EXPECT_EQ(read("-8"), 0);
  EXPECT_EQ(read("123456789012345678901234567890"), kMaxStoredCount);
}

TEST(ColourTest, ParsesThreeNumbersAndClampsEach) {
  EXPECT_EQ(ParseColour("1 2 3"), (Rgb{1, 2, 3}));
  EXPECT_EQ(ParseColour("300 -5 7"), (Rgb{255, 0, 7}));
  EXPECT_EQ(ParseColour(" \t10\n20   30 and more"), (Rgb{10, 20, 30}));
  EXPECT_EQ(ParseColour("+4 5 6"), (Rgb{4, 5, 6}));
  EXPECT_EQ(ParseColour("99999999999999999999999 -99999999999999999999999 0"), (Rgb{255, 0, 0}));
  EXPECT_EQ(ParseColour("300 -5 abc"), std::nullopt);
  EXPECT_EQ(ParseColour("1 2"), std::nullopt);
  EXPECT_EQ(ParseColour("1,2,3"), std::nullopt);
  EXPECT_EQ(ParseColour(""), std::nullopt);
  EXPECT_EQ(ParseColour("- 1 2 3"), std::nullopt);
  EXPECT_EQ(FormatColour({128, 0, 128}), "128 0 128");
  EXPECT_EQ(FormatColour({-1, 256, 5}), "0 255 5");
}

TEST(ColourTest, GarbageReadsAsTheDefaultAndGoodValuesRoundTrip) {
  SeedingSettings store;
  store.PutString("SlideWindow", "SlideBG", "300 -5 abc");
  EXPECT_EQ(ReadSetting(store, s::slide_window::kSlideBG), (Rgb{128, 0, 128}));
  store.PutString("SlideWindow", "SlideBG", "300 -5 9");
  EXPECT_EQ(ReadSetting(store, s::slide_window::kSlideBG), (Rgb{255, 0, 9}));
  WriteSetting(store, s::slide_window::kMainWindowColor, Rgb{1, 22, 233});
  EXPECT_EQ(ReadSetting(store, s::slide_window::kMainWindowColor), (Rgb{1, 22, 233}));
}

TEST(SettingsTableTest, BuildBuildOfTheSearchToolNeedsTheGeneralSwitch) {
  SeedingSettings store;
  store.PutInt("ToolsSearch", "BuildBuild", 1);
  EXPECT_EQ(ReadToolsSearchBuildBuild(store), 0);
  store.PutInt("General", "BuildBuild", 1);
  EXPECT_EQ(ReadToolsSearchBuildBuild(store), 1);
}

}  // namespace
}  // namespace tavrune
