#include "inspect/wordnet.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "tests/support/lexicon_fixture.h"
#include "tests/support/wordnet_fixture.h"

namespace tavrune {
namespace {

using Glosses = std::vector<std::string>;

class WordNetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WordNetFixture()
        .Sense("noun", "wolf", 'n', "any of various predatory carnivorous canine mammals")
        .Sense("noun", "wolf", 'n', "a man who is aggressive in making amorous advances")
        .Sense("verb", "wolf", 'v', "eat hastily")
        .Sense("noun", "taxi", 'n', "a car driven by a person whose job is to take passengers")
        .Sense("verb", "taxi", 'v', "travel slowly")
        .Sense("noun", "box", 'n', "a container")
        .Sense("adj", "big", 's', "significantly large")
        .Sense("noun", "abacus", 'n', "a tablet placed horizontally on top of a column")
        .Exception("noun", "abaci abacus")
        .Exception("noun", "wolves wolf")
        .Exception("adj", "bigger big")
        .Write(dir_.path());
  }

  std::vector<WordNetEntry> Define(std::string_view word) {
    return WordNet(dir_.path()).Define(word);
  }

  testing::TempFolder dir_;
};

TEST_F(WordNetTest, SensesByPartOfSpeech) {
  WordNet wordnet(dir_.path());
  EXPECT_TRUE(wordnet.Available());
  EXPECT_EQ(wordnet.Define("WOLF"),
            (std::vector<WordNetEntry>{{"wolf",
                                        PartOfSpeech::kNoun,
                                        {"any of various predatory carnivorous canine mammals",
                                         "a man who is aggressive in making amorous advances"}},
                                       {"wolf", PartOfSpeech::kVerb, {"eat hastily"}}}));
  EXPECT_EQ(
      Define("big"),
      (std::vector<WordNetEntry>{{"big", PartOfSpeech::kAdjective, {"significantly large"}}}));
}

TEST_F(WordNetTest, InflectedFormsNameTheirBase) {
  const struct {
    const char* word;
    std::vector<std::string> lines;
  } cases[] = {
      // Exception lists.
      {"WOLVES",
       {"noun, from wolf: any of various predatory carnivorous canine mammals",
        "noun, from wolf: a man who is aggressive in making amorous advances"}},
      {"ABACI", {"noun, from abacus: a tablet placed horizontally on top of a column"}},
      {"BIGGER", {"adjective, from big: significantly large"}},
      // Detachment rules, of every part that has the base.
      {"TAXIING", {"verb, from taxi: travel slowly"}},
      {"TAXIS",
       {"noun, from taxi: a car driven by a person whose job is to take passengers",
        "verb, from taxi: travel slowly"}},
      {"BOXES", {"noun, from box: a container"}},
      {"WOLFED", {"verb, from wolf: eat hastily"}},
      {"Wolf",
       {"noun: any of various predatory carnivorous canine mammals",
        "noun: a man who is aggressive in making amorous advances", "verb: eat hastily"}},
  };
  WordNet wordnet(dir_.path());
  for (const auto& c : cases) {
    std::vector<std::string> lines;
    for (const WordNetEntry& entry : wordnet.Define(c.word)) {
      for (const std::string& gloss : entry.glosses)
        lines.push_back(SenseText(c.word, entry, gloss));
    }
    EXPECT_EQ(lines, c.lines) << c.word;
  }
}

TEST_F(WordNetTest, NothingForUnknownWordsAndOtherCharacters) {
  for (const char* word : {"QI", "WOLVESS", "", "WOLF ", "WO1F", "S", "IS"}) {
    EXPECT_TRUE(Define(word).empty()) << word;
  }
}

TEST_F(WordNetTest, MissingFolderDisablesDefinitions) {
  WordNet wordnet(dir_.File("none"));
  EXPECT_FALSE(wordnet.Available());
  EXPECT_TRUE(wordnet.Define("WOLF").empty());
}

TEST_F(WordNetTest, FolderFromTheEnvironment) {
  ::setenv("TAVRUNE_WORDNET_DIR", dir_.path().c_str(), 1);
  EXPECT_EQ(WordNet::DefaultFolder(), dir_.path());
  ::unsetenv("TAVRUNE_WORDNET_DIR");
  EXPECT_EQ(WordNet::DefaultFolder(), "/usr/share/wordnet");
}

// Each damage leaves the other words readable and never loops or reads
// out of bounds (the sanitizer build checks the latter).
TEST_F(WordNetTest, DamagedFiles) {
  const auto rewrite = [&](const std::string& name, const std::string& text) {
    std::ofstream(dir_.File(name), std::ios::binary) << text;
  };
  const struct {
    const char* name;
    std::string text;
  } damages[] = {
      {"index.verb", "wolf v 1 0 1 0 99999999  \n"},              // offset past the end
      {"index.verb", "wolf v 1 0 1 0 00000000  \n"},              // into the licence header
      {"index.verb", "wolf v 9 0 9 0 00000000\n"},                // fewer offsets than counted
      {"index.verb", "wolf v 1 99999999999999999999 1 0 x\n"},    // counts out of range
      {"index.verb", "wolf v 1 0 1 0 0000"},                      // cut short
      {"index.verb", "zebra v\nwolf v 1 0 1 0 0\naardvark v\n"},  // out of order
      {"index.verb", std::string(100000, 'w')},                   // one endless line
      {"index.verb", std::string(100000, '\n')},
      {"data.verb", "00000000 05 v 01 wolf 0 000 no bar"},  // cut short
      {"data.verb", std::string(50000, 'x') + "\n"},
  };
  for (const auto& damage : damages) {
    SetUp();
    rewrite(damage.name, damage.text);
    const std::vector<WordNetEntry> entries = Define("WOLF");
    ASSERT_EQ(entries.size(), 1u) << damage.name << ": " << damage.text.substr(0, 40);
    EXPECT_EQ(entries[0].part_of_speech, PartOfSpeech::kNoun);
    EXPECT_EQ(entries[0].glosses.size(), 2u);
  }
  // A damaged exception list only loses its exceptions.
  SetUp();
  rewrite("noun.exc", std::string(100000, 'w'));
  EXPECT_TRUE(Define("WOLVES").empty());
  EXPECT_EQ(Define("WOLF").size(), 2u);
}

TEST(InstalledWordNetTest, LooksUpInflectedForms) {
  WordNet wordnet("/usr/share/wordnet");
  if (!wordnet.Available()) GTEST_SKIP() << "wordnet-base is not installed in /usr/share/wordnet";
  const std::vector<WordNetEntry> wolves = wordnet.Define("WOLVES");
  ASSERT_FALSE(wolves.empty());
  EXPECT_EQ(wolves[0].base, "wolf");
  EXPECT_EQ(wolves[0].part_of_speech, PartOfSpeech::kNoun);
  EXPECT_NE(wolves[0].glosses[0].find("predatory"), std::string::npos) << wolves[0].glosses[0];
  const std::vector<WordNetEntry> taxiing = wordnet.Define("taxiing");
  ASSERT_EQ(taxiing.size(), 1u);
  EXPECT_EQ(taxiing[0].base, "taxi");
  EXPECT_EQ(taxiing[0].part_of_speech, PartOfSpeech::kVerb);
  EXPECT_TRUE(wordnet.Define("ZZZS").empty());
}

}  // namespace
}  // namespace tavrune
