#include "wordlist/predefined_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "resources/string_table.h"
#include "tests/support/fuzz_seed.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"

namespace tavrune {
namespace {

using Names = std::vector<std::string>;

Names AllNames(const WordCollection& names) { return Names(names.begin(), names.end()); }

// A program folder with a PgmLists folder the tests write into.
class CatalogTest : public ::testing::Test {
 protected:
  CatalogTest()
      : lexicon_(testing::MakeLexicon({"AA", "QI", "ZA", "AT", "TA", "CAT", "ACT", "TAC", "EAU",
                                       "NTH", "SALTINE", "PANTIES", "NASTIER", "CARTOON"})),
        catalog_(prompt_) {
    std::filesystem::create_directory(Folder());
    catalog_.SetLexicon(LexiconId::kUKNA, &lexicon_);
  }

  // The files the test wrote, as one seed for the catalogue fuzz target.
  ~CatalogTest() override {
    std::string seed = written_["Master.txt"];
    for (const auto& [name, text] : written_) {
      if (name == "Master.txt") continue;
      if (!seed.empty() && seed.back() != '\n') seed += '\n';
      seed += "=== " + name + "\n" + text;
    }
    testing::KeepFuzzSeed("catalog_fuzz", seed);
  }

  std::string Folder() const { return program_.path() + "/PgmLists/"; }
  void Write(std::string_view name, std::string_view text) {
    std::ofstream(Folder() + std::string(name), std::ios::binary) << text;
    written_[std::string(name)] = text;
  }
  bool Load() { return catalog_.Load(program_.path() + "/"); }

  // The list names of a subcategory, or "no category"/"no subcategory".
  Names Lists(std::string_view category, std::string_view subcategory) {
    const CategoryNode* node = catalog_.GetCategory(category);
    if (node == nullptr) return {"no category"};
    const CategoryNode* sub = node->FindSubcategory(subcategory);
    if (sub == nullptr) return {"no subcategory"};
    return AllNames(sub->names());
  }

  Names Generate(std::string_view category, std::string_view subcategory, std::string_view list) {
    const auto built = catalog_.BuildList(category, subcategory, list);
    if (!built) return {"no list"};
    return AllNames(built->words);
  }

  testing::TempFolder program_;
  Lexicon lexicon_;
  testing::RecordingPrompt prompt_;
  PredefinedCatalog catalog_;
  std::map<std::string, std::string> written_;
};

TEST_F(CatalogTest, MasterFileNamesTheCategories) {
  // Saved by an editor that starts files with a byte-order mark.
  Write("Master.txt",
        "\xEF\xBB\xBF# comment line\n"
        "\n"
        "   # indented comment\n"
        "2Letter Two.txt D and the rest\r\n"
        "Short Short.txt\n"
        "   Indented Indented.txt A\n"
        "Escape ../../etc/passwd D\n"
        "British UK.txt BX\n");
  EXPECT_TRUE(Load());
  EXPECT_EQ(catalog_.folder(), program_.path() + "/PgmLists/");
  EXPECT_EQ(AllNames(catalog_.CategoryNames()), (Names{"2Letter", "Indented", "British"}));
  EXPECT_EQ(AllNames(catalog_.CategoryFiles()), (Names{"Two.txt", "Indented.txt", "UK.txt"}));
  EXPECT_EQ(catalog_.LexiconFlag(0), 'D');
  EXPECT_EQ(catalog_.LexiconFlag(1), 'A');
  EXPECT_EQ(catalog_.LexiconFlag(2), 'B');
  EXPECT_EQ(catalog_.LexiconFlag(3), '\0');
  EXPECT_EQ(catalog_.FindCategory("British"), 2);
  EXPECT_EQ(catalog_.FindCategory("british"), -1);
  EXPECT_FALSE(catalog_.IsLoaded(0));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(CatalogTest, MissingOrUnreadableMasterLeavesAnEmptyCatalog) {
  EXPECT_FALSE(Load());
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40003});
  EXPECT_EQ(catalog_.CategoryCount(), 0);

  prompt_.Clear();
  std::filesystem::create_directory(Folder() + "Master.txt");
  EXPECT_FALSE(Load());
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40004});
  EXPECT_TRUE(catalog_.ShownCategories().IsEmpty());
}

TEST_F(CatalogTest, ShownCategoriesFollowTheLexiconFlags) {
  Write("Master.txt", "Both a.txt D\nNorth b.txt A\nBritain c.txt B\nFrench d.txt F\n");
  ASSERT_TRUE(Load());
  const auto shown = [&](LexiconId id) {
    catalog_.SetLexicon(id, &lexicon_);
    return AllNames(catalog_.ShownCategories());
  };
  EXPECT_EQ(shown(LexiconId::kUK), (Names{"Both", "Britain"}));
  EXPECT_EQ(shown(LexiconId::kNA), (Names{"Both", "North"}));
  const Names all = {"Both", "North", "Britain", "French"};
  EXPECT_EQ(shown(LexiconId::kUKNA), all);
  EXPECT_EQ(shown(LexiconId::kFR), all);
  EXPECT_EQ(shown(LexiconId::kNAF), all);
}

TEST_F(CatalogTest, CategoryFileWithTheStemAndTopListExample) {
  Write("Master.txt", "Sevens Sevens.txt D\n");
  Write("Sevens.txt",
        "# Seven-letter words\n"
        "#\n"
        "7 letters in every word\n"
        "Bingos and more\n"
        " AEINST STM\n"
        "\tTop100 PBL ??????? 1 100\n");
  ASSERT_TRUE(Load());
  const CategoryNode* category = catalog_.GetCategory("Sevens");
  ASSERT_NE(category, nullptr);
  EXPECT_EQ(category->word_length(), 7);
  EXPECT_EQ(AllNames(category->names()), (Names{"Bingos"}));
  EXPECT_EQ(Lists("Sevens", "Bingos"), (Names{"AEINST", "Top100"}));

  const auto stem = catalog_.BuildList("Sevens", "Bingos", "AEINST");
  ASSERT_TRUE(stem);
  EXPECT_EQ(stem->stem, "AEINST");
  EXPECT_EQ(stem->description, "Sevens.Bingos.AEINST");
  EXPECT_FALSE(stem->words.sorted());
  Names words = AllNames(stem->words);
  std::sort(words.begin(), words.end());
  EXPECT_EQ(words, (Names{"NASTIER", "PANTIES", "SALTINE"}));

  const auto top = catalog_.BuildList("Sevens", "Bingos", "Top100");
  ASSERT_TRUE(top);
  EXPECT_EQ(top->stem, "");
  EXPECT_EQ(top->description, "Sevens.Bingos.Top100");
  EXPECT_EQ(top->words.Count(), 4);  // every seven-letter word, most probable first
  EXPECT_EQ(top->words.Word(0), "NASTIER");
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(CatalogTest, SubcategoriesEntriesCommentsAndBadLines) {
  const std::string too_long(300, 'A');
  Write("Master.txt", "Threes Threes.txt D\n");
  Write("Threes.txt",
        "\n# comments at the top\n3\n"
        "# between subcategories\n"
        "First extra words ignored\n"
        " All PAT ???\n"
        "# a comment in the first column keeps the subcategory going\n"
        " Nothing XYZ 1 2\n"
        " NoKeyword\n"
        "     \n"
        " Long BEG " +
            too_long +
            "\n"
            " Q CNT\n"
            "\n"
            " Orphan BEG C\n"
            "Second\n"
            " # an indented comment\n"
            "\t C BEG\n"
            " Bad NVW\n"
            " NoRank PBL ???\n"
            " 3Vowels NVW\n"
            " All ALL\n"
            "Over" +
            too_long +
            "\n"
            " Lost PAT ???\n"
            "Third\n");
  ASSERT_TRUE(Load());
  const CategoryNode* category = catalog_.GetCategory("Threes");
  ASSERT_NE(category, nullptr);
  EXPECT_EQ(category->word_length(), 3);
  // An entry after an empty line starts a subcategory of its own name.
  EXPECT_EQ(AllNames(category->names()), (Names{"First", "Orphan", "Second", "Third"}));
  EXPECT_EQ(Lists("Threes", "First"), (Names{"All", "Q"}));
  EXPECT_EQ(Lists("Threes", "Orphan"), Names{});
  EXPECT_EQ(Lists("Threes", "Second"), (Names{"C", "3Vowels", "All"}));
  EXPECT_EQ(Lists("Threes", "Third"), Names{});
  EXPECT_EQ(Generate("Threes", "Second", "All"), (Names{"CAT", "EAU"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(CatalogTest, WordLengthsOutsideTheTableLeaveTheCategoryEmpty) {
  Write("Master.txt", "Long Long.txt D\nNone None.txt D\nNegative Negative.txt D\n");
  Write("Long.txt", "16\nGeneral\n All ALL\n 1Vowels NVW\n");
  Write("None.txt", "General\n All ALL\n");
  Write("Negative.txt", "-1\nGeneral\n All ALL\n");
  ASSERT_TRUE(Load());
  for (const char* name : {"Long", "None", "Negative"}) {
    const CategoryNode* category = catalog_.GetCategory(name);
    ASSERT_NE(category, nullptr) << name;
    EXPECT_EQ(category->Count(), 0) << name;
  }
}

TEST_F(CatalogTest, IncludesAddEntriesToTheSameSubcategory) {
  Write("Master.txt", "Cat Cat.txt D\n");
  Write("Cat.txt",
        "0\nGeneral\n Q CNT\n \\INC Inc.txt\n \\INC Missing.txt\n \\INC\n"
        " \\INC ../Escape.txt\n All ALL\n");
  Write("Inc.txt", "# included\nZ CNT\n\n  T BEG\n \\INC Deeper.txt\n");
  Write("Deeper.txt", " E END EAU\n");
  ASSERT_TRUE(Load());
  EXPECT_EQ(Lists("Cat", "General"), (Names{"Q", "Z", "T", "E", "All"}));
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40003});
  EXPECT_EQ(Generate("Cat", "General", "All"), (Names{"EAU", "QI", "TA", "TAC", "ZA"}));
}

TEST_F(CatalogTest, IncludeLoopsAreCut) {
  Write("Master.txt", "Loop Loop.txt D\nPair Pair.txt D\n");
  Write("Loop.txt", "2\nGeneral\n A BEG\n \\INC Loop.txt\n \\INC ./Loop.txt\n Z BEG\n");
  Write("Pair.txt", "2\nGeneral\n \\INC Ping.txt\n");
  Write("Ping.txt", " A BEG\n \\INC Pong.txt\n");
  Write("Pong.txt", " Q BEG\n \\INC Ping.txt\n \\INC Pair.txt\n");
  ASSERT_TRUE(Load());
  EXPECT_EQ(Lists("Loop", "General"), (Names{"A", "Z"}));
  EXPECT_EQ(Lists("Pair", "General"), (Names{"A", "Q"}));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(CatalogTest, IncludesNestAtMostEightDeep) {
  Write("Master.txt", "Deep Deep.txt D\n");
  Write("Deep.txt", "0\nGeneral\n \\INC Inc1.txt\n");
  for (int i = 1; i <= 10; ++i) {
    Write("Inc" + std::to_string(i) + ".txt",
          " L" + std::to_string(i) + " PAT ??\n \\INC Inc" + std::to_string(i + 1) + ".txt\n");
  }
  ASSERT_TRUE(Load());
  EXPECT_EQ(Lists("Deep", "General"), (Names{"L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8"}));
}

TEST_F(CatalogTest, IncludesThatMultiplyStopAtTheLineBudget) {
  // F0 to F8 each include the next six times: 6^8 readings of F8.
  Write("Master.txt", "Fan Fan.txt D\n");
  Write("Fan.txt", "2\nGeneral\n \\INC F0.txt\n");
  for (int i = 0; i <= 8; ++i) {
    std::string text = " L" + std::to_string(i) + " PAT ??\n";
    for (int k = 0; i < 8 && k < 6; ++k) text += " \\INC F" + std::to_string(i + 1) + ".txt\n";
    Write("F" + std::to_string(i) + ".txt", text);
  }
  ASSERT_TRUE(Load());
  const CategoryNode* category = catalog_.GetCategory("Fan");
  ASSERT_NE(category, nullptr);
  ASSERT_EQ(category->Count(), 1);
  EXPECT_LE(category->Subcategory(0)->Count(), PredefinedCatalog::kMaxLists);
  EXPECT_TRUE(catalog_.LimitsReached());
}

TEST_F(CatalogTest, CategoriesNamingOneFileShareOneReadWithinTheLimits) {
  std::string master;
  for (int i = 0; i < 1500; ++i) master += "C" + std::to_string(i) + " Shared.txt D\n";
  std::string shared = "2\n";
  for (int i = 0; i < 1500; ++i) shared += "S" + std::to_string(i) + "\n All PAT ??\n";
  Write("Master.txt", master);
  Write("Shared.txt", shared);
  ASSERT_TRUE(Load());
  EXPECT_EQ(catalog_.CategoryCount(), PredefinedCatalog::kMaxCategories);
  const CategoryNode* first = catalog_.GetCategory("C0");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Count(), PredefinedCatalog::kMaxSubcategories);
  EXPECT_EQ(catalog_.GetCategory("C1"), first);
  EXPECT_TRUE(catalog_.LimitsReached());
}

TEST_F(CatalogTest, SymbolicLinksLeadingOutOfTheFolderAreRefused) {
  const std::string outside = program_.path() + "/Outside/";
  std::filesystem::create_directory(outside);
  std::ofstream(outside + "Cat.txt") << "2\nGeneral\n Out PAT ??\n";
  std::ofstream(outside + "Inc.txt") << " Out PAT ??\n";
  std::filesystem::create_symlink(outside + "Cat.txt", Folder() + "OutCat.txt");
  std::filesystem::create_symlink(outside + "Inc.txt", Folder() + "OutInc.txt");
  std::filesystem::create_directory_symlink(outside, Folder() + "Sub");
  Write("In.txt",
        "2\nGeneral\n In PAT ??\n \\INC OutInc.txt\n \\INC Sub/Inc.txt\n"
        " \\INC Alias.txt\n");
  Write("Inc.txt", " Alias PAT ??\n");
  std::filesystem::create_symlink(Folder() + "Inc.txt", Folder() + "Alias.txt");
  Write("Master.txt", "In In.txt D\nOut OutCat.txt D\nSub Sub/Cat.txt D\n");
  ASSERT_TRUE(Load());
  EXPECT_EQ(AllNames(catalog_.CategoryNames()), Names{"In"});
  EXPECT_EQ(Lists("In", "General"), (Names{"In", "Alias"}));
}

TEST_F(CatalogTest, MissingAndUnreadableCategoryFilesAreReportedEachTime) {
  Write("Master.txt", "Gone Gone.txt D\nFolder Folder.txt D\n");
  std::filesystem::create_directory(Folder() + "Folder.txt");
  ASSERT_TRUE(Load());
  EXPECT_EQ(catalog_.GetCategory("Gone"), nullptr);
  EXPECT_EQ(catalog_.GetCategory("Folder"), nullptr);
  EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{40003, 40004}));
  Write("Gone.txt", "2\nGeneral\n All PAT ??\n");
  EXPECT_NE(catalog_.GetCategory("Gone"), nullptr);
  EXPECT_EQ(catalog_.GetCategory("Unknown"), nullptr);
  EXPECT_FALSE(catalog_.BuildList("Unknown", "General", "All"));
  EXPECT_FALSE(catalog_.BuildList("Gone", "Other", "All"));
  EXPECT_FALSE(catalog_.BuildList("Gone", "General", "Other"));
}

TEST_F(CatalogTest, RecentCategoriesAndUnloading) {
  Write("Master.txt", "C0 c.txt D\nC1 c.txt D\nC2 c.txt D\nC3 c.txt D\n");
  Write("c.txt", "2\nGeneral\n All PAT ??\n");
  ASSERT_TRUE(Load());
  using Recent = std::array<int, 3>;
  EXPECT_EQ(catalog_.RecentCategories(), (Recent{-1, -1, -1}));
  catalog_.GetCategory("C0");
  catalog_.GetCategory("C1");
  catalog_.GetCategory("C0");  // moves up, nothing dropped
  EXPECT_EQ(catalog_.RecentCategories(), (Recent{0, 1, -1}));
  catalog_.GetCategory("C2");
  catalog_.GetCategory("C3");  // the fourth drops the oldest
  EXPECT_EQ(catalog_.RecentCategories(), (Recent{3, 2, 0}));
  EXPECT_TRUE(catalog_.IsLoaded(1));

  catalog_.UnloadUnusedCategories();
  EXPECT_FALSE(catalog_.IsLoaded(1));
  EXPECT_TRUE(catalog_.IsLoaded(0) && catalog_.IsLoaded(2) && catalog_.IsLoaded(3));

  // Chosen again, the category's file is read again.
  Write("c.txt", "2\nGeneral\n All PAT ??\n Q CNT\n");
  EXPECT_EQ(Lists("C1", "General"), (Names{"All", "Q"}));
  EXPECT_EQ(Lists("C0", "General"), (Names{"All"}));
  EXPECT_EQ(catalog_.RecentCategories(), (Recent{0, 1, 3}));

  // BuildList unloads what is no longer recent.
  EXPECT_EQ(Generate("C1", "General", "Q"), (Names{"QI"}));
  EXPECT_FALSE(catalog_.IsLoaded(2));
}

TEST_F(CatalogTest, LoadingAndLexiconChangesStartAfresh) {
  Write("Master.txt", "Twos Twos.txt D\n");
  Write("Twos.txt", "2\nGeneral\n 2Vowels NVW\n NoVowel NVW 0\n All PAT ??\n");
  ASSERT_TRUE(Load());
  EXPECT_EQ(Lists("Twos", "General"), (Names{"2Vowels", "All"}));
  const ListValidity* tables = catalog_.CurrentValidity();
  EXPECT_EQ(catalog_.CurrentValidity(), tables);

  // Lists were checked against the old lexicon: a new one reads them again.
  const Lexicon other = testing::MakeLexicon({"HM", "QI"});
  catalog_.SetLexicon(LexiconId::kNA, &other);
  EXPECT_FALSE(catalog_.IsLoaded(0));
  EXPECT_EQ(Lists("Twos", "General"), (Names{"NoVowel", "All"}));
  EXPECT_EQ(Generate("Twos", "General", "All"), (Names{"HM", "QI"}));

  ASSERT_TRUE(Load());
  EXPECT_FALSE(catalog_.IsLoaded(0));
  EXPECT_EQ(catalog_.RecentCategories()[0], -1);
}

TEST_F(CatalogTest, BuildingShowsTheStatusTextUnderTheWaitCursor) {
  Write("Master.txt", "Twos Twos.txt D\n");
  Write("Twos.txt", "2\nGeneral\n All PAT ??\n");
  ASSERT_TRUE(Load());
  EXPECT_EQ(Generate("Twos", "General", "All"), (Names{"AA", "AT", "QI", "TA", "ZA"}));
  EXPECT_EQ(prompt_.log,
            (std::vector<std::string>{"wait begin", "status 40020",
                                      "status " + std::to_string(kIdleText), "wait end"}));
  EXPECT_EQ(StringText(40020), "Building list ...");
  EXPECT_EQ(PredefinedCatalog::Description("2Letter", "General", "All"), "2Letter.General.All");
}

TEST_F(CatalogTest, ARunOfAllLinesStaysCheap) {
  // Each ALL would otherwise generate every ALL above it again: 2^40 times.
  std::string file = "2\nGeneral\n Q CNT\n Z CNT\n";
  for (int i = 0; i < 40; ++i) file += " All" + std::to_string(i) + " ALL\n";
  Write("Master.txt", "Twos Twos.txt D\n");
  Write("Twos.txt", file);
  ASSERT_TRUE(Load());
  EXPECT_EQ(Generate("Twos", "General", "All39"), (Names{"QI", "ZA"}));
}

TEST_F(CatalogTest, BinaryGarbageNeverBreaksTheReader) {
  std::string garbage;
  for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 7919) % 256);
  Write("Master.txt", "Junk Junk.txt D\n" + garbage + "\nAfter Junk.txt D\n");
  Write("Junk.txt", "0\nGeneral\n" + garbage + "\n All PAT ??\n");
  ASSERT_TRUE(Load());
  EXPECT_NE(catalog_.FindCategory("After"), -1);
  const CategoryNode* category = catalog_.GetCategory("Junk");
  ASSERT_NE(category, nullptr);
  for (int s = 0; s < category->Count(); ++s) {
    const CategoryNode* sub = category->Subcategory(s);
    for (int l = 0; l < sub->Count(); ++l) {
      WordCollection out;
      sub->List(l)->Generate(lexicon_, out, prompt_);
    }
  }
}

}  // namespace
}  // namespace tavrune
