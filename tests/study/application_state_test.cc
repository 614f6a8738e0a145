#include "study/application_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "engine/lexicon_builder.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"

namespace tavrune {
namespace {

using Log = std::vector<std::string>;

class ApplicationStateTest : public ::testing::Test {
 protected:
  ApplicationStateTest() { std::filesystem::create_directory(folder_.File("Lexicons")); }

  std::string PathOf(LexiconId id) const {
    return folder_.path() + "/" + std::string(LexiconFileName(id));
  }

  // Each lexicon holds a word of its own, so a test can tell the slots apart.
  void WriteLexicon(LexiconId id, std::initializer_list<const char*> extra = {}) {
    LexiconBuilder builder;
    builder.SetName(std::string(LexiconLabel(id)));
    builder.SetDescription("test");
    builder.AddWord(OwnWord(id));
    for (const char* word : extra) builder.AddWord(word);
    ASSERT_TRUE(builder.WriteFile(PathOf(id)));
  }
  void WriteLexicons(std::initializer_list<LexiconId> ids) {
    for (LexiconId id : ids) WriteLexicon(id);
  }
  static std::string OwnWord(LexiconId id) {
    return std::string("WORD") + static_cast<char>('A' + Index(id));
  }

  // Discovers and reads the settings, the start-up order.
  ApplicationState& Start() {
    app_.DiscoverLexicons();
    app_.ReadSettings();
    return app_;
  }
  std::vector<LexiconId> Loaded() const {
    std::vector<LexiconId> loaded;
    for (LexiconId id : kAllLexiconIds) {
      if (app_.LexiconFor(id).IsLoaded()) loaded.push_back(id);
    }
    return loaded;
  }

  testing::TempFolder folder_;
  MemorySettings settings_;
  testing::RecordingPrompt prompt_;
  ApplicationState app_{folder_.path(), settings_, prompt_};
};

TEST_F(ApplicationStateTest, NoLexiconAtAllStopsTheStart) {
  EXPECT_FALSE(app_.DiscoverLexicons());
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40084});
}

TEST_F(ApplicationStateTest, DiscoveryFillsPresenceHeadersAndAllSourcesPresent) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA, LexiconId::kFR});
  ASSERT_TRUE(app_.DiscoverLexicons());
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_TRUE(app_.LexiconPresent(LexiconId::kFR));
  EXPECT_FALSE(app_.LexiconPresent(LexiconId::kUKNA));
  EXPECT_TRUE(app_.LexiconPresent(0));
  EXPECT_FALSE(app_.LexiconPresent(7));
  EXPECT_FALSE(app_.LexiconPresent(-1));
  EXPECT_EQ(app_.Header(LexiconId::kFR).Name(), "&French");
  EXPECT_FALSE(app_.AllSourcesPresent());
  EXPECT_EQ(app_.DataFolderPath(), folder_.path() + "/");

  WriteLexicon(LexiconId::kUKNA);
  ASSERT_TRUE(app_.DiscoverLexicons());
  EXPECT_TRUE(app_.AllSourcesPresent());
}

TEST_F(ApplicationStateTest, SlotsBySelectorFallBackToNorthAmerica) {
  EXPECT_EQ(&app_.LexiconFor(2), &app_.LexiconFor(LexiconId::kUKNA));
  EXPECT_EQ(&app_.LexiconFor(4), &app_.LexiconFor(LexiconId::kNAF));
  EXPECT_EQ(&app_.LexiconFor(7), &app_.LexiconFor(LexiconId::kNA));
  EXPECT_EQ(&app_.LexiconFor(-1), &app_.LexiconFor(LexiconId::kNA));
  app_.SetSource(3);
  EXPECT_EQ(&app_.CurrentLexicon(), &app_.LexiconFor(LexiconId::kFR));
}

TEST_F(ApplicationStateTest, FirstRunWithOneLexiconTakesItWithoutAsking) {
  WriteLexicon(LexiconId::kNA);
  Start();
  EXPECT_FALSE(app_.NeedsDictionaryChoice());
  EXPECT_EQ(app_.Source(), LexiconId::kNA);
  EXPECT_EQ(app_.AnswerSource(), 1);
  EXPECT_FALSE(app_.AllSourcesPresent());
}

TEST_F(ApplicationStateTest, FirstRunWithSeveralLexiconsAsksWithTheRightPreselection) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA, LexiconId::kUKNA});
  Start();
  EXPECT_TRUE(app_.NeedsDictionaryChoice());
  EXPECT_EQ(app_.PreselectedDictionary(), LexiconId::kNA);
  app_.ChooseDictionary(0);
  EXPECT_FALSE(app_.NeedsDictionaryChoice());
  EXPECT_EQ(app_.Source(), LexiconId::kUK);
  EXPECT_EQ(app_.AnswerSource(), 0);
}

TEST_F(ApplicationStateTest, PreselectionOrderIsNaUkUknaFrNaf) {
  WriteLexicons({LexiconId::kNAF, LexiconId::kFR});
  Start();
  EXPECT_EQ(app_.PreselectedDictionary(), LexiconId::kFR);
  WriteLexicon(LexiconId::kUKNA);
  Start();
  EXPECT_EQ(app_.PreselectedDictionary(), LexiconId::kUKNA);
  WriteLexicon(LexiconId::kUK);
  Start();
  EXPECT_EQ(app_.PreselectedDictionary(), LexiconId::kUK);
}

TEST_F(ApplicationStateTest, ReadsAndNormalisesTheApplicationKeys) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA});
  settings_.PutInt("General", "Source", 7);
  settings_.PutInt("General", "ShowWelcome", 0);
  settings_.PutInt("Dictionary", "AnswerSource", 12);
  settings_.PutInt("Dictionary", "UseSymbols", 5);
  settings_.PutString("Dictionary", "SymbolUK", "");
  settings_.PutString("Dictionary", "SymbolUSA", "US");
  settings_.PutString("PredefinedList", "Category", "Hooks");
  Start();
  EXPECT_EQ(app_.Source(), LexiconId::kUKNA);
  EXPECT_FALSE(app_.ShowWelcome());
  EXPECT_FALSE(app_.NeedsDictionaryChoice());
  EXPECT_EQ(app_.AnswerSource(), 2);
  EXPECT_TRUE(app_.UseSymbols());
  EXPECT_FALSE(app_.UseSymbolsForMainWord());
  EXPECT_EQ(app_.Symbols().both, "*");
  EXPECT_EQ(app_.Symbols().uk_only, " ");
  EXPECT_EQ(app_.Symbols().na_only, "U");
  EXPECT_EQ(app_.PredefinedList().category, "Hooks");
  EXPECT_EQ(app_.PredefinedList().subcategory, "General");
  EXPECT_EQ(app_.PredefinedList().list, "All");
}

TEST_F(ApplicationStateTest, WritesTheApplicationKeysBack) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA});
  Start();
  app_.WriteSettings();
  // Not chosen yet: asked again at the next start.
  EXPECT_EQ(settings_.GetInt("Dictionary", "AnswerSource", 99), -1);

  app_.ChooseDictionary(4);
  app_.SetShowWelcome(false);
  app_.SetUseSymbolsForMainWord(true);
  app_.SetSymbols("", "\xC2\xA3pound", "$$");
  app_.SetPredefinedList({"Words", "Long", "Eights"});
  EXPECT_EQ(settings_.GetInt("General", "Source", 99), 4);
  EXPECT_EQ(settings_.GetInt("General", "ShowWelcome", 99), 0);
  EXPECT_EQ(settings_.GetInt("Dictionary", "AnswerSource", 99), 4);
  EXPECT_EQ(settings_.GetInt("Dictionary", "UseSymbolsForMainWord", 99), 1);
  EXPECT_EQ(settings_.GetString("Dictionary", "SymbolSowpods", "?"), " ");
  EXPECT_EQ(settings_.GetString("Dictionary", "SymbolUK", "?"), "\xC2\xA3");
  EXPECT_EQ(settings_.GetString("Dictionary", "SymbolUSA", "?"), "$");
  EXPECT_EQ(settings_.GetString("PredefinedList", "List", "?"), "Eights");
  EXPECT_FALSE(settings_.Has("General", "BuildBuild"));

  MemorySettings& same_store = settings_;
  testing::RecordingPrompt prompt;
  ApplicationState again(folder_.path(), same_store, prompt);
  again.DiscoverLexicons();
  again.ReadSettings();
  EXPECT_EQ(again.Source(), LexiconId::kNAF);
  EXPECT_EQ(again.Symbols().uk_only, "\xC2\xA3");
  EXPECT_EQ(again.PredefinedList().subcategory, "Long");
}

TEST_F(ApplicationStateTest, DictionaryChoicesChangeTheAnswerSourceOnlyForTheCombinedList) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA, LexiconId::kUKNA});
  Start();
  app_.ChooseDictionary(1);

  DictionaryChoices choices = app_.GetDictionaryChoices();
  choices.answer_source = 0;
  DictionaryChange change = app_.ApplyDictionaryChoices(choices);
  EXPECT_FALSE(change.source_changed);
  EXPECT_FALSE(change.answer_source_changed);
  EXPECT_EQ(app_.AnswerSource(), 1);

  choices.source = 2;
  choices.use_symbols = true;
  choices.symbols = {"", "UK", "N"};
  change = app_.ApplyDictionaryChoices(choices);
  EXPECT_TRUE(change.source_changed);
  EXPECT_TRUE(change.answer_source_changed);
  EXPECT_EQ(app_.Source(), LexiconId::kUKNA);
  EXPECT_EQ(app_.AnswerSource(), 0);
  EXPECT_TRUE(app_.UseSymbols());
  EXPECT_EQ(app_.Symbols().both, " ");
  EXPECT_EQ(app_.Symbols().uk_only, "U");

  change = app_.ApplyDictionaryChoices(app_.GetDictionaryChoices());
  EXPECT_FALSE(change.source_changed);
  EXPECT_FALSE(change.answer_source_changed);
}

TEST_F(ApplicationStateTest, LoadingShowsTheStatusUnderAWaitCursorAndThenTheIdleText) {
  WriteLexicon(LexiconId::kFR, {"OUI"});
  Start();
  prompt_.Clear();
  ASSERT_TRUE(app_.EnsureLexiconLoaded(LexiconId::kFR));
  EXPECT_EQ(prompt_.log, (Log{"status 40067", "wait begin", "wait end", "status 57345"}));
  EXPECT_TRUE(app_.LexiconFor(LexiconId::kFR).Contains("OUI"));

  // Already loaded: neither the file nor the status bar is touched.
  std::filesystem::remove(PathOf(LexiconId::kFR));
  prompt_.Clear();
  EXPECT_TRUE(app_.EnsureLexiconLoaded(3));
  EXPECT_TRUE(prompt_.log.empty());
}

TEST_F(ApplicationStateTest, AMissingFileIsReportedAndTriedAgainLater) {
  ASSERT_TRUE(app_.EnsureLexiconLoaded(LexiconId::kUK) == false);
  EXPECT_EQ(prompt_.log, (Log{"status 40067", "message 40003", "status 57345"}));
  EXPECT_FALSE(app_.LexiconFor(LexiconId::kUK).IsLoaded());

  WriteLexicon(LexiconId::kUK);
  prompt_.Clear();
  EXPECT_TRUE(app_.EnsureLexiconLoaded(LexiconId::kUK));
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_TRUE(app_.LexiconFor(LexiconId::kUK).Contains(OwnWord(LexiconId::kUK)));
}

TEST_F(ApplicationStateTest, ADamagedFileIsReportedAfterTheWaitCursorAndLeavesTheSlotEmpty) {
  WriteLexicon(LexiconId::kNA, {"COLOR", "COLORS", "FAVOR"});
  const auto size = std::filesystem::file_size(PathOf(LexiconId::kNA));
  std::filesystem::resize_file(PathOf(LexiconId::kNA), size - 6);
  EXPECT_FALSE(app_.EnsureLexiconLoaded(LexiconId::kNA));
  EXPECT_EQ(prompt_.log,
            (Log{"status 40067", "wait begin", "wait end", "message 40004", "status 57345"}));
  EXPECT_EQ(app_.LexiconFor(LexiconId::kNA).EdgeCount(), 0u);
  EXPECT_EQ(prompt_.wait_depth, 0);
}

TEST_F(ApplicationStateTest, AFileThatCannotBeOpenedIsReported) {
  // A link to itself is there but never opens, whoever runs the test.
  std::filesystem::create_symlink(PathOf(LexiconId::kNAF), PathOf(LexiconId::kNAF));
  EXPECT_FALSE(app_.EnsureLexiconLoaded(LexiconId::kNAF));
  EXPECT_EQ(prompt_.log, (Log{"status 40067", "message 40004", "status 57345"}));
}

TEST_F(ApplicationStateTest, AnEmptyGraphIsReadOnlyOnce) {
  std::vector<uint8_t> header_only(LexiconHeader::kSize);
  LexiconHeader().ToBytes(std::span<uint8_t, LexiconHeader::kSize>(header_only));
  testing::WriteBytes(PathOf(LexiconId::kFR), header_only);
  EXPECT_TRUE(app_.EnsureLexiconLoaded(LexiconId::kFR));
  prompt_.Clear();
  EXPECT_TRUE(app_.EnsureLexiconLoaded(LexiconId::kFR));
  EXPECT_TRUE(prompt_.log.empty());
}

TEST_F(ApplicationStateTest, TheCombinedListLoadsWhatItsAnswerFilterNeeds) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA, LexiconId::kUKNA});
  Start();
  app_.ChooseDictionary(2);
  app_.SetAnswerSource(0);  // British only: answers must not be North American
  ASSERT_TRUE(app_.LoadNeededLexicons());
  EXPECT_EQ(Loaded(), (std::vector<LexiconId>{LexiconId::kNA, LexiconId::kUKNA}));
  app_.SetAnswerSource(1);
  ASSERT_TRUE(app_.LoadNeededLexicons());
  EXPECT_EQ(Loaded(), (std::vector<LexiconId>{LexiconId::kUK, LexiconId::kNA, LexiconId::kUKNA}));
}

TEST_F(ApplicationStateTest, BothAnswersLoadOnlyTheCombinedList) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA, LexiconId::kUKNA});
  Start();
  app_.ChooseDictionary(2);
  ASSERT_TRUE(app_.LoadNeededLexicons());
  EXPECT_EQ(Loaded(), std::vector<LexiconId>{LexiconId::kUKNA});
  EXPECT_TRUE(app_.CurrentLexicon().Contains(OwnWord(LexiconId::kUKNA)));
}

TEST_F(ApplicationStateTest, SymbolsNeedTheBritishAndNorthAmericanLists) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA, LexiconId::kFR});
  settings_.PutInt("General", "Source", 3);
  settings_.PutInt("Dictionary", "AnswerSource", 3);
  settings_.PutInt("Dictionary", "UseSymbolsForMainWord", 1);
  Start();
  ASSERT_TRUE(app_.LoadNeededLexicons());
  EXPECT_EQ(Loaded(), (std::vector<LexiconId>{LexiconId::kUK, LexiconId::kNA, LexiconId::kFR}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(ApplicationStateTest, AFailureStopsTheLoadingAtOnce) {
  WriteLexicons({LexiconId::kNA, LexiconId::kFR});
  settings_.PutInt("General", "Source", 3);
  settings_.PutInt("Dictionary", "AnswerSource", 3);
  settings_.PutInt("Dictionary", "UseSymbols", 1);
  Start();
  EXPECT_FALSE(app_.LoadNeededLexicons());
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40003});
  // UK is missing, so NA, which comes after it, was not even tried.
  EXPECT_EQ(Loaded(), std::vector<LexiconId>{LexiconId::kFR});
  EXPECT_EQ(prompt_.CurrentStatus(), 57345);
}

}  // namespace
}  // namespace tavrune
