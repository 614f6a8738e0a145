#include "study/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <vector>

#include "engine/lexicon_builder.h"
#include "study/settings_table.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"

namespace tavrune {
namespace {

using Offered = std::array<bool, kLexiconCount>;

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() { std::filesystem::create_directory(folder_.File("Lexicons")); }

  void WriteLexicons(std::initializer_list<LexiconId> ids) {
    for (LexiconId id : ids) {
      LexiconBuilder builder;
      builder.SetName(std::string(LexiconLabel(id)));
      builder.AddWord("QI");
      ASSERT_TRUE(builder.WriteFile(PathOf(id)));
    }
  }
  std::string PathOf(LexiconId id) const {
    return folder_.path() + "/" + std::string(LexiconFileName(id));
  }
  // Starts with a chooser that records its offers and answers `answers` in
  // turn.
  bool Start(std::vector<int> answers = {}) {
    return StartLexicons(app_, [this, answers](const DictionaryOffer& offer) {
      offers_.push_back(offer);
      return answers.at(offers_.size() - 1);
    });
  }

  testing::TempFolder folder_;
  MemorySettings settings_;
  testing::RecordingPrompt prompt_;
  ApplicationState app_{folder_.path(), settings_, prompt_};
  std::vector<DictionaryOffer> offers_;
};

TEST_F(StartupTest, FirstRunWithOneLexiconAsksNothing) {
  WriteLexicons({LexiconId::kNA});
  ASSERT_TRUE(Start());
  EXPECT_TRUE(offers_.empty());
  EXPECT_EQ(app_.Source(), LexiconId::kNA);
  EXPECT_EQ(app_.AnswerSource(), 1);
  EXPECT_TRUE(app_.IsLoaded(LexiconId::kNA));
}

TEST_F(StartupTest, FirstRunOffersThePresentLexiconsWithNorthAmericaFirst) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA, LexiconId::kUKNA});
  ASSERT_TRUE(Start({2}));
  ASSERT_EQ(offers_.size(), 1u);
  EXPECT_EQ(offers_[0].offered, (Offered{true, true, true, false, false}));
  EXPECT_EQ(offers_[0].preselected, LexiconId::kNA);
  EXPECT_EQ(app_.Source(), LexiconId::kUKNA);
  EXPECT_TRUE(prompt_.messages.empty());
}

// A stored choice whose lexicon is gone, or whose marks need one that is
// gone or damaged, is reported and then chosen again without it.
TEST_F(StartupTest, ALexiconThatFailsToLoadFallsBackToTheChoice) {
  struct Case {
    const char* name;
    int source;
    bool symbols;
    std::vector<LexiconId> written;
    bool damage_uk;
    int message;
    Offered offered;
  };
  const Case cases[] = {
      {"stored lexicon missing",
       3,
       false,
       {LexiconId::kNA, LexiconId::kUKNA},
       false,
       40003,
       {false, true, true, false, false}},
      {"symbols need a missing one",
       2,
       true,
       {LexiconId::kNA, LexiconId::kUKNA},
       false,
       40003,
       {false, true, true, false, false}},
      {"stored lexicon damaged",
       0,
       false,
       {LexiconId::kUK, LexiconId::kNA},
       true,
       40004,
       {false, true, false, false, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TempFolder folder;
    std::filesystem::create_directory(folder.File("Lexicons"));
    MemorySettings settings;
    testing::RecordingPrompt prompt;
    for (LexiconId id : c.written) {
      LexiconBuilder builder;
      builder.AddWord("QI");
      ASSERT_TRUE(builder.WriteFile(folder.path() + "/" + std::string(LexiconFileName(id))));
    }
    if (c.damage_uk) testing::WriteBytes(folder.File("Lexicons/UK.TVD"), {1, 2, 3});
    WriteSetting(settings, setting::general::kSource, c.source);
    WriteSetting(settings, setting::dictionary::kAnswerSource, c.source);
    WriteSetting(settings, setting::dictionary::kUseSymbols, c.symbols ? 1 : 0);
    ApplicationState app(folder.path(), settings, prompt);
    std::vector<DictionaryOffer> offers;
    ASSERT_TRUE(StartLexicons(app, [&](const DictionaryOffer& offer) {
      offers.push_back(offer);
      return Index(LexiconId::kNA);
    }));
    EXPECT_EQ(prompt.MessageIds(), std::vector<int>{c.message});
    if (std::count(c.offered.begin(), c.offered.end(), true) > 1) {
      ASSERT_EQ(offers.size(), 1u);
      EXPECT_EQ(offers[0].offered, c.offered);
    }
    EXPECT_EQ(app.Source(), LexiconId::kNA);
    EXPECT_FALSE(app.UseSymbols());
  }
}

TEST_F(StartupTest, NoLexiconThatLoadsEndsTheStart) {
  testing::WriteBytes(PathOf(LexiconId::kNA), {1, 2, 3});
  EXPECT_FALSE(Start());
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40004});
}

TEST_F(StartupTest, SymbolsLoadTheBritishAndNorthAmericanLexicons) {
  WriteLexicons({LexiconId::kUK, LexiconId::kNA, LexiconId::kFR});
  WriteSetting(settings_, setting::general::kSource, 3);
  WriteSetting(settings_, setting::dictionary::kAnswerSource, 3);
  WriteSetting(settings_, setting::dictionary::kUseSymbols, 1);
  ASSERT_TRUE(Start());
  EXPECT_TRUE(app_.IsLoaded(LexiconId::kUK) && app_.IsLoaded(LexiconId::kNA));
  EXPECT_TRUE(app_.IsLoaded(LexiconId::kFR));
}

TEST_F(StartupTest, ADictionaryChangeThatCannotLoadKeepsThePreviousChoice) {
  WriteLexicons({LexiconId::kNA});
  testing::WriteBytes(PathOf(LexiconId::kFR), {1, 2, 3});
  ASSERT_TRUE(Start({Index(LexiconId::kNA)}));
  DictionaryChoices choices = app_.GetDictionaryChoices();
  choices.source = Index(LexiconId::kFR);
  const DictionaryChange change = ChangeDictionary(app_, choices);
  EXPECT_FALSE(change.source_changed);
  EXPECT_EQ(app_.Source(), LexiconId::kNA);
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40004});
}

}  // namespace
}  // namespace tavrune
