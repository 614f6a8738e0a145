// The catalogue and tips the build puts beside the programs, read as the
// study program reads them, over the default combined lexicon.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/lexicon.h"
#include "tests/support/recording_prompt.h"
#include "wordlist/predefined_catalog.h"

namespace tavrune {
namespace {

const std::string kProgramFolder = std::string(TAVRUNE_BIN_DIR) + "/";

// A build without the default lexicons may borrow them from another build.
std::string LexiconFolder() {
  const char* folder = std::getenv("TAVRUNE_PROGRAM_DIR");
  return folder != nullptr ? std::string(folder) + "/" : kProgramFolder;
}

std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::string token;
  for (char c : line + " ") {
    if (c == ' ' || c == '\t' || c == '\r') {
      if (!token.empty()) tokens.push_back(token);
      token.clear();
    } else {
      token += c;
    }
  }
  return tokens;
}

// Counts the list lines of an included file, following its includes.
int IncludedEntries(const std::string& path) {
  std::ifstream file(path);
  EXPECT_TRUE(file.is_open()) << path;
  int count = 0;
  std::string line;
  while (std::getline(file, line)) {
    const std::vector<std::string> tokens = Tokens(line);
    if (tokens.size() < 2 || tokens[0][0] == '#') continue;
    count += tokens[0] == "\\INC" ? IncludedEntries(kProgramFolder + "PgmLists/" + tokens[1]) : 1;
  }
  return count;
}

// Counts the list lines of a category file, so that a line the reader
// drops shows up as a difference.
int EntryLines(const std::string& path) {
  std::ifstream file(path);
  EXPECT_TRUE(file.is_open()) << path;
  int count = 0;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || (line[0] != ' ' && line[0] != '\t')) continue;
    const std::vector<std::string> tokens = Tokens(line);
    if (tokens.size() < 2 || tokens[0][0] == '#') continue;
    count += tokens[0] == "\\INC" ? IncludedEntries(kProgramFolder + "PgmLists/" + tokens[1]) : 1;
  }
  return count;
}

class ShippedCatalogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = LexiconFolder() + "Lexicons/UKNA.TVD";
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "no default lexicon at " << path;
    ASSERT_TRUE(lexicon_.LoadFile(path));
    catalog_.SetLexicon(LexiconId::kUKNA, &lexicon_);
    ASSERT_TRUE(catalog_.Load(kProgramFolder));
  }

  Lexicon lexicon_;
  testing::RecordingPrompt prompt_;
  PredefinedCatalog catalog_{prompt_};
};

TEST_F(ShippedCatalogTest, EveryListIsValidAndGeneratesWords) {
  ASSERT_GE(catalog_.CategoryCount(), 8);
  EXPECT_EQ(catalog_.ShownCategories().Count(), catalog_.CategoryCount());
  int lists = 0;
  for (int c = 0; c < catalog_.CategoryCount(); ++c) {
    const std::string name(catalog_.CategoryNames().Word(c));
    const CategoryNode* category = catalog_.GetCategory(name);
    ASSERT_NE(category, nullptr) << name;
    int kept = 0;
    for (int s = 0; s < category->Count(); ++s) {
      const CategoryNode* sub = category->Subcategory(s);
      EXPECT_GT(sub->Count(), 0) << name << "." << category->names().Word(s) << " is empty";
      for (int l = 0; l < sub->Count(); ++l) {
        const PredefinedList* list = sub->List(l);
        WordCollection words;
        words.SetSortMode(false, SortKey::kAlphabetical, false);
        EXPECT_GT(list->Generate(lexicon_, words, prompt_), 0)
            << PredefinedCatalog::Description(name, category->names().Word(s), list->name());
        ++kept;
      }
    }
    const std::string file = catalog_.folder() + std::string(catalog_.CategoryFiles().Word(c));
    EXPECT_EQ(kept, EntryLines(file)) << "a list line of " << file << " was dropped";
    lists += kept;
  }
  EXPECT_GE(lists, 150);
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(ShippedCatalogTest, TheRememberedDefaultChoiceExists) {
  const auto built = catalog_.BuildList("2Letter", "General", "All");
  ASSERT_TRUE(built);
  EXPECT_EQ(built->description, "2Letter.General.All");
  EXPECT_GE(built->words.Count(), 100);
  EXPECT_TRUE(built->words.Contains("QI"));
}

TEST_F(ShippedCatalogTest, StemAndProbableListsCarryWhatTheDocumentNeeds) {
  const auto stem = catalog_.BuildList("7Letter", "Stems", "AEINST");
  ASSERT_TRUE(stem);
  EXPECT_EQ(stem->stem, "AEINST");
  EXPECT_TRUE(stem->words.Contains("SALTINE"));
  const CategoryNode* sevens = catalog_.GetCategory("7Letter");
  ASSERT_NE(sevens, nullptr);
  EXPECT_GE(sevens->FindSubcategory("Stems")->Count(), 12);

  for (const char* category : {"7Letter", "8Letter"}) {
    const CategoryNode* node = catalog_.GetCategory(category);
    ASSERT_NE(node, nullptr);
    const CategoryNode* probable = node->FindSubcategory("Probable");
    ASSERT_NE(probable, nullptr) << category;
    EXPECT_EQ(probable->Count(), 10) << category;
    const auto last = catalog_.BuildList(category, "Probable", "901-1000");
    ASSERT_TRUE(last) << category;
    EXPECT_EQ(last->words.Count(), 100);
  }
}

TEST_F(ShippedCatalogTest, BritishAndNorthAmericanListsSeeTheirCategories) {
  for (LexiconId id : {LexiconId::kUK, LexiconId::kNA}) {
    catalog_.SetLexicon(id, &lexicon_);
    EXPECT_NE(catalog_.ShownCategories().Find("2Letter"), -1);
    EXPECT_EQ(catalog_.ShownCategories().Find("Francais"), -1);
  }
}

// The welcome tips as the study program splits them: blank lines and '#'
// lines before a tip are skipped, and an empty line ends it.
TEST(ShippedTipsTest, AtLeastTwentyTipsOfShortLines) {
  std::ifstream file(kProgramFolder + "Tips.txt");
  ASSERT_TRUE(file.is_open());
  std::vector<std::string> tips;
  std::string line, tip;
  while (std::getline(file, line)) {
    EXPECT_LE(line.size(), 254u) << line;
    if (tip.empty() && (line.empty() || line[0] == '#')) continue;
    if (line.empty()) {
      tips.push_back(tip);
      tip.clear();
    } else {
      tip += tip.empty() ? line : " " + line;
    }
  }
  if (!tip.empty()) tips.push_back(tip);
  EXPECT_GE(tips.size(), 20u);
  for (const std::string& t : tips) EXPECT_GT(t.size(), 40u) << t;
}

}  // namespace
}  // namespace tavrune
