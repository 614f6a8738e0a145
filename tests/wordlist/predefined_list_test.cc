#include "wordlist/predefined_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"
#include "wordlist/list_validity.h"

namespace tavrune {
namespace {

using testing::MakeLexicon;
using Words = std::vector<std::string>;

// Splits "TEXT 1 100" into parameter tokens.
std::vector<std::string_view> Params(std::string_view text) {
  std::vector<std::string_view> params;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    const size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i > start) params.push_back(text.substr(start, i - start));
  }
  return params;
}

class PredefinedListTest : public ::testing::Test {
 protected:
  PredefinedListTest()
      : lexicon_(MakeLexicon({"AA",      "AB",      "HM",      "QI",   "XI",       "ZA",
                              "AT",      "TA",      "AS",      "CAT",  "ACT",      "TAC",
                              "CATS",    "SCAT",    "ACTS",    "DOG",  "GOD",      "EAU",
                              "NTH",     "QAT",     "FIRE",    "BOAT", "FIREBOAT", "SALTINE",
                              "PANTIES", "NASTIER", "CARTOON", "DOGS", "UNDO",     "UNTIE",
                              "REDO",    "RETIE",   "TIE",     "TIES", "TING",     "ATTA"})) {}

  // The list of an entry line in a category of `length`, or null.
  std::unique_ptr<PredefinedList> Parse(std::string_view name, std::string_view keyword,
                                        std::string_view params, int length) {
    ListParseContext context;
    context.word_length = length;
    context.validity = &validity_;
    context.folder = folder_;
    context.earlier_lists = &earlier_;
    return ParsePredefinedList(keyword, name, Params(params), context);
  }

  Words Generate(const PredefinedList& list) {
    WordCollection out;
    out.SetSortMode(false, SortKey::kAlphabetical, false);
    const int added = list.Generate(lexicon_, out, prompt_);
    EXPECT_EQ(added, out.Count());
    return Words(out.begin(), out.end());
  }

  // Parses (asserting validity) and generates, sorted for comparison.
  Words Sorted(std::string_view name, std::string_view keyword, std::string_view params,
               int length) {
    const auto list = Parse(name, keyword, params, length);
    if (list == nullptr) {
      ADD_FAILURE() << name << " " << keyword << " " << params << " is not valid";
      return {};
    }
    Words words = Generate(*list);
    std::sort(words.begin(), words.end());
    return words;
  }

  Lexicon lexicon_;
  ListValidity validity_ = ListValidity::FromLexicon(lexicon_);
  testing::RecordingPrompt prompt_;
  std::string folder_;
  std::vector<const PredefinedList*> earlier_;
};

TEST_F(PredefinedListTest, BeginningEndingContainsAndPattern) {
  EXPECT_EQ(Sorted("CA", "BEG", "", 3), (Words{"CAT"}));
  EXPECT_EQ(Sorted("Cat", "BEG", "CA", 0), (Words{"CARTOON", "CAT", "CATS"}));
  EXPECT_EQ(Sorted("Ends", "END", "AT", 3), (Words{"CAT", "QAT"}));
  EXPECT_EQ(Sorted("Ends", "END", "AT", 0),
            (Words{"AT", "BOAT", "CAT", "FIREBOAT", "QAT", "SCAT"}));
  EXPECT_EQ(Sorted("Q", "CNT", "", 2), (Words{"QI"}));
  EXPECT_EQ(Sorted("Q", "CNT", "", 0), (Words{"QAT", "QI"}));
  // The pattern is taken as written, whatever the category's length.
  EXPECT_EQ(Sorted("Pat", "PAT", "?A?", 7), (Words{"CAT", "EAU", "QAT", "TAC"}));
  EXPECT_EQ(Sorted("A?", "PAT", "", 0), (Words{"AA", "AB", "AS", "AT"}));

  // A text that does not fit the length, or an empty one, is not a list.
  EXPECT_EQ(Parse("CATS", "BEG", "", 3), nullptr);
  EXPECT_EQ(Parse("X", "END", "TOOLONG", 5), nullptr);
  EXPECT_NE(Parse("X", "CNT", "TOOLONG", 0), nullptr);
  EXPECT_NE(Parse("X", "PAT", "TOOLONG", 3), nullptr);
}

TEST_F(PredefinedListTest, StemListTakesItsNameAsStem) {
  const auto stem = Parse("AEINST", "STM", "ignored", 7);
  ASSERT_NE(stem, nullptr);
  EXPECT_EQ(stem->Stem(), "AEINST");
  Words words = Generate(*stem);
  std::sort(words.begin(), words.end());
  EXPECT_EQ(words, (Words{"NASTIER", "PANTIES", "SALTINE"}));

  EXPECT_EQ(Parse("AEINST", "BEG", "", 7)->Stem(), "");
  EXPECT_EQ(Parse("AEINSTXY", "STM", "", 7), nullptr);
}

TEST_F(PredefinedListTest, AllIsTheUnionOfTheListsAboveIt) {
  const auto first_all = Parse("All", "ALL", "", 3);
  ASSERT_NE(first_all, nullptr);
  EXPECT_TRUE(Generate(*first_all).empty());

  const auto c = Parse("C", "BEG", "", 3);
  const auto t = Parse("T", "CNT", "", 3);  // CAT again, among others
  earlier_ = {first_all.get(), c.get(), t.get()};
  const auto all = Parse("All", "ALL", "rest of the line", 3);
  ASSERT_NE(all, nullptr);
  EXPECT_EQ(Generate(*all), (Words{"ACT", "CAT", "NTH", "QAT", "TAC", "TIE"}));
}

TEST_F(PredefinedListTest, CompoundPartsAndTheirRules) {
  EXPECT_EQ(Sorted("Parts", "CMP", "? 4", 8), (Words{"FIREBOAT"}));
  // Parts below 2 count as 2; a part length too large for the words is no list.
  EXPECT_EQ(Sorted("Parts", "CMP", "A 1", 4), (Words{"ATTA"}));
  EXPECT_EQ(Parse("Parts", "CMP", "? 5", 8), nullptr);
  EXPECT_EQ(Parse("Parts", "CMP", "LONGTEXT 2", 4), nullptr);
  // Without both parameters the text stays empty and the parts are 2.
  EXPECT_EQ(Sorted("Parts", "CMP", "", 4), (Words{"ATTA"}));
  EXPECT_EQ(Sorted("Parts", "CMP", "F", 0), Sorted("Parts", "CMP", "? 2", 0));
}

TEST_F(PredefinedListTest, UnhookableAndSubWordLists) {
  // CATS, SCAT, ACTS, DOGS and TIES each lose a letter to a word.
  EXPECT_EQ(Sorted("Unhookable", "NHK", "?", 4),
            (Words{"ATTA", "BOAT", "FIRE", "REDO", "TING", "UNDO"}));
  EXPECT_EQ(Sorted("Unhookable", "NHK", "?", 4), Sorted("?", "NHK", "", 4));

  // Every run of 3 letters of CATS (CAT, ATS) must be a word: ATS is not.
  EXPECT_EQ(Sorted("Runs", "SBW", "? 3 1", 4), (Words{}));
  EXPECT_EQ(Sorted("Runs", "SBW", "C 3 0", 4), (Words{"CATS"}));
  EXPECT_EQ(Sorted("Runs", "SBW", "U 1 1", 5), (Words{}));  // 1 counts as 2: UN, NT, TI, IE
  EXPECT_EQ(Parse("Runs", "SBW", "?", 4), nullptr);         // the run length is required
}

TEST_F(PredefinedListTest, VowelAndAnagramSetCountsAreCheckedAgainstTheLexicon) {
  EXPECT_EQ(Sorted("NoVowel", "NVW", "0", 3), (Words{"NTH"}));
  EXPECT_EQ(Sorted("3Vowels", "NVW", "", 3), (Words{"EAU"}));
  EXPECT_EQ(Sorted("NoVowel", "NVW", "0", 0), (Words{"HM", "NTH"}));
  EXPECT_EQ(Parse("4Vowels", "NVW", "", 4), nullptr);  // no four-letter word has four
  EXPECT_NE(Parse("4Vowels", "NVW", "", 0), nullptr);  // any length: not checked
  EXPECT_EQ(Parse("Vowels", "NVW", "", 3), nullptr);   // no number at all
  EXPECT_EQ(Parse("16", "NVW", "", 0), nullptr);
  EXPECT_EQ(Parse("x", "NVW", "-1", 0), nullptr);

  EXPECT_EQ(Sorted("3Anagrams", "NAG", "", 3), (Words{"ACT", "CAT", "TAC"}));
  EXPECT_EQ(Sorted("Pairs", "NAG", "2", 3), (Words{"DOG", "GOD"}));
  EXPECT_EQ(Sorted("3Anagrams", "NAG", "", 0),
            (Words{"ACT", "ACTS", "CAT", "CATS", "SCAT", "TAC"}));
  EXPECT_EQ(Parse("4Anagrams", "NAG", "", 3), nullptr);
  EXPECT_EQ(Parse("0Anagrams", "NAG", "", 0), nullptr);
  EXPECT_EQ(Parse("99Anagrams", "NAG", "", 0), nullptr);

  // Without tables only the lists of any length are offered.
  ListParseContext blind;
  blind.word_length = 3;
  EXPECT_EQ(ParsePredefinedList("NVW", "0", {}, blind), nullptr);
  blind.word_length = 0;
  EXPECT_NE(ParsePredefinedList("NVW", "0", {}, blind), nullptr);
}

TEST_F(PredefinedListTest, AnagramSetsComeTogetherInAlphagramOrder) {
  const auto sets = Parse("Sets", "NAG", "2", 0);
  ASSERT_NE(sets, nullptr);
  const Words words = Generate(*sets);
  ASSERT_FALSE(words.empty());
  for (size_t i = 0; i + 1 < words.size(); i += 2) {
    std::string a = words[i], b = words[i + 1];
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b) << words[i] << " and " << words[i + 1] << " are not one set";
  }
}

TEST_F(PredefinedListTest, ProbableRanks) {
  // Two-letter draw counts: AA 36, AB 18, AS 36, AT 54, TA 54, then QI, XI,
  // ZA 9 (ties alphabetical), HM 4.
  EXPECT_EQ(Sorted("All", "PBL", "?? 1", 2).size(), 9u);
  const auto top = Parse("Top", "PBL", "?? 1 3", 2);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(Generate(*top), (Words{"AT", "TA", "AA"}));
  EXPECT_EQ(Generate(*Parse("Tail", "PBL", "?? 8 100", 2)), (Words{"ZA", "HM"}));
  EXPECT_EQ(Generate(*Parse("One", "PBL", "?? 4 2", 2)), (Words{"AS"}));  // last below first
  EXPECT_TRUE(Generate(*Parse("Past", "PBL", "?? 50", 2)).empty());

  // Ranks below 1 count as 1; a last rank below the first counts as the first.
  const auto from_zero = Parse("R0", "PBL", "?? 0 3", 2);
  ASSERT_NE(from_zero, nullptr);
  EXPECT_EQ(Generate(*from_zero), (Words{"AT", "TA", "AA"}));
  const auto negative = Parse("Neg", "PBL", "?? -4 -5", 2);
  ASSERT_NE(negative, nullptr);
  EXPECT_EQ(Generate(*negative), (Words{"AT"}));

  EXPECT_EQ(Parse("NotANumber", "PBL", "?? 1 x", 2), nullptr);
  EXPECT_EQ(Parse("NoRank", "PBL", "??", 2), nullptr);
  EXPECT_EQ(Parse("Long", "PBL", "??? 1", 2), nullptr);
}

TEST_F(PredefinedListTest, WordFilesAreReadAsOutsideText) {
  testing::TempFolder folder;
  folder_ = folder.path() + "/";
  {
    std::ofstream file(folder.File("words.txt"));
    file << "cat\nDOGS\tTAC 12345 TOOLONGTOBEALISTWORD\nact\nGOD\n";
  }
  // Without a parameter the pattern is the list name and '*'.
  EXPECT_EQ(Sorted("D", "WDF", "words.txt PAT", 0), (Words{"DOGS"}));
  EXPECT_EQ(Sorted("Three", "WDF", "words.txt PAT ???", 0), (Words{"ACT", "CAT", "GOD", "TAC"}));
  EXPECT_EQ(Sorted("Act", "WDF", "words.txt ANA ACT", 0), (Words{"ACT", "CAT", "TAC"}));
  EXPECT_TRUE(prompt_.messages.empty());

  EXPECT_EQ(Parse("W", "WDF", "words.txt", 0), nullptr);  // no kind
  EXPECT_EQ(Parse("W", "WDF", "../words.txt PAT", 0), nullptr);
  EXPECT_EQ(Parse("W", "WDF", "/etc/passwd PAT", 0), nullptr);

  const auto missing = Parse("W", "WDF", "missing.txt PAT", 0);
  ASSERT_NE(missing, nullptr);
  EXPECT_TRUE(Generate(*missing).empty());
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{40004});
}

TEST_F(PredefinedListTest, VowelRackBuilds) {
  EXPECT_EQ(Sorted("Rack3", "3PT", "", 3), (Words{"DOG", "EAU", "GOD", "TIE"}));
  EXPECT_EQ(Sorted("Rack4", "4PT", "", 2), (Words{"AA", "AS", "AT", "TA"}));
  EXPECT_EQ(Sorted("Rack4", "4PT", "", 0),
            (Words{"AA", "AS", "AT", "EAU", "NASTIER", "REDO", "RETIE", "SALTINE", "TA", "TIE",
                   "TIES", "UNDO", "UNTIE"}));
}

TEST_F(PredefinedListTest, UnknownKeywordsAndLengthsMakeNoList) {
  EXPECT_EQ(Parse("X", "XYZ", "", 3), nullptr);
  EXPECT_EQ(Parse("X", "beg", "", 3), nullptr);
  EXPECT_EQ(Parse("X", "ALL", "", 16), nullptr);
  EXPECT_EQ(Parse("X", "ALL", "", -1), nullptr);
  EXPECT_EQ(PredefinedListKeywords().size(), 15u);
  for (std::string_view keyword : PredefinedListKeywords()) {
    const auto list = Parse("1Name", keyword, "", 0);
    if (list != nullptr) {
      EXPECT_EQ(list->keyword(), keyword);
    }
  }
}

TEST(LeadingNumberTest, ReadsTheNumberAtTheStartOfAToken) {
  EXPECT_EQ(LeadingNumber("12"), 12);
  EXPECT_EQ(LeadingNumber("7Vowels"), 7);
  EXPECT_EQ(LeadingNumber("-3"), -3);
  EXPECT_EQ(LeadingNumber("+4x"), 4);
  EXPECT_EQ(LeadingNumber("Vowels7"), std::nullopt);
  EXPECT_EQ(LeadingNumber("-"), std::nullopt);
  EXPECT_EQ(LeadingNumber(""), std::nullopt);
  EXPECT_EQ(LeadingNumber("99999999999999999999999"), PredefinedList::kMaxNumber);
  EXPECT_EQ(LeadingNumber("-99999999999999999999999"), -PredefinedList::kMaxNumber);
}

TEST(CatalogPathTest, StaysInsideTheFolder) {
  EXPECT_EQ(CatalogPath("/p/PgmLists/", "Two.txt"), "/p/PgmLists/Two.txt");
  EXPECT_EQ(CatalogPath("/p/PgmLists/", "sub\\Two.txt"), "/p/PgmLists/sub/Two.txt");
  EXPECT_EQ(CatalogPath("/p/PgmLists/", "a..b.txt"), "/p/PgmLists/a..b.txt");
  EXPECT_EQ(CatalogPath("/p/PgmLists/", ""), std::nullopt);
  EXPECT_EQ(CatalogPath("/p/PgmLists/", "/etc/passwd"), std::nullopt);
  EXPECT_EQ(CatalogPath("/p/PgmLists/", "\\x"), std::nullopt);
  EXPECT_EQ(CatalogPath("/p/PgmLists/", "sub/../../x"), std::nullopt);
  EXPECT_EQ(CatalogPath("/p/PgmLists/", ".."), std::nullopt);
  EXPECT_EQ(CatalogPath("/p/PgmLists/", "C:\\x.txt"), std::nullopt);
}

TEST(ListValidityTest, TablesFollowTheLexicon) {
  const ListValidity validity =
      ListValidity::FromLexicon(MakeLexicon({"AT", "TA", "EAU", "NTH", "ABCDEFGHIJKLMNOP"}));
  EXPECT_TRUE(validity.HasVowelCount(2, 1));
  EXPECT_FALSE(validity.HasVowelCount(2, 0));
  EXPECT_TRUE(validity.HasVowelCount(3, 0));
  EXPECT_TRUE(validity.HasVowelCount(3, 3));
  EXPECT_TRUE(validity.HasAnagramSet(2, 2));
  EXPECT_FALSE(validity.HasAnagramSet(2, 1));
  EXPECT_TRUE(validity.HasAnagramSet(3, 1));
  // Out-of-range questions are answered, not indexed.
  EXPECT_FALSE(validity.HasVowelCount(16, 4));
  EXPECT_FALSE(validity.HasVowelCount(0, 0));
  EXPECT_FALSE(validity.HasAnagramSet(3, 16));
  EXPECT_FALSE(validity.HasAnagramSet(3, -1));
  EXPECT_FALSE(ListValidity().HasVowelCount(2, 1));
}

}  // namespace
}  // namespace tavrune
