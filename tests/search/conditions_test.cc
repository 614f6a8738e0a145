#include "search/conditions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/generators.h"
#include "search/search_condition.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

using testing::MakeLexicon;

// Test results of one condition for several words, as "WORD" for a pass and
// "-WORD" for a failure, so a failing expectation names every word at once.
std::vector<std::string> Verdicts(const SearchCondition& condition, const Lexicon& lexicon,
                                  std::initializer_list<std::string_view> words) {
  std::vector<std::string> verdicts;
  for (std::string_view word : words) {
    verdicts.push_back((condition.Passes(word, lexicon) ? "" : "-") + std::string(word));
  }
  return verdicts;
}

using V = std::vector<std::string>;

TEST(SubstituteConditionTest, ReplacesEachOccurrenceIncludingOverlaps) {
  const Lexicon lexicon = MakeLexicon({"LUNY", "LOONY", "BA"});
  EXPECT_EQ(Verdicts(SubstituteCondition("OO", "U"), lexicon, {"LOONY", "LUNY", "O"}),
            (V{"LOONY", "-LUNY", "-O"}));
  EXPECT_FALSE(SubstituteCondition("OO", "U").Passes("LOONY", MakeLexicon({"LOONY"})));

  // AAA holds AA at 0 and at 1: BA and AB are both tried.
  EXPECT_TRUE(SubstituteCondition("AA", "B").Passes("AAA", MakeLexicon({"BA"})));
  EXPECT_TRUE(SubstituteCondition("AA", "B").Passes("AAA", MakeLexicon({"AB"})));
  EXPECT_FALSE(SubstituteCondition("AA", "B").Passes("AAA", MakeLexicon({"BB", "AAB"})));

  // An empty replacement deletes.
  EXPECT_TRUE(SubstituteCondition("S", "").Passes("CATS", MakeLexicon({"CAT"})));
}

TEST(SubstituteConditionTest, EmptyFirstPatternInsertsAtEveryPosition) {
  const SubstituteCondition insert_s("", "S");
  EXPECT_TRUE(insert_s.Passes("CAT", MakeLexicon({"SCAT"})));
  EXPECT_TRUE(insert_s.Passes("CAT", MakeLexicon({"CAST"})));
  EXPECT_TRUE(insert_s.Passes("CAT", MakeLexicon({"CATS"})));
  EXPECT_FALSE(insert_s.Passes("CAT", MakeLexicon({"CAT", "CATTS"})));
}

TEST(AffixSubstituteConditionTest, ReplacesOnlyTheBeginningOrEnding) {
  const Lexicon lexicon = MakeLexicon({"REDO", "PREDO", "REACT", "PREDORE", "HONEY", "HONY"});
  EXPECT_EQ(Verdicts(PrefixSubstituteCondition("RE", "PRE"), lexicon,
                     {"REDO", "REACT", "PREDO", "DORE", "R"}),
            (V{"REDO", "-REACT", "-PREDO", "-DORE", "-R"}));
  EXPECT_EQ(Verdicts(SuffixSubstituteCondition("EY", "Y"), lexicon, {"HONEY", "HONY", "Y"}),
            (V{"HONEY", "-HONY", "-Y"}));
}

TEST(CompoundConditionTest, BothPartsWordsOfTheirMinimumLengths) {
  const Lexicon lexicon =
      MakeLexicon({"FIRE", "BOAT", "BOATS", "FIREBOAT", "CAT", "CATBOAT", "FIREBOATS", "S"});
  const CompoundCondition four_four(4, 4);
  EXPECT_EQ(Verdicts(four_four, lexicon, {"FIREBOAT", "FIREBOATS", "CATBOAT", "FIRE"}),
            (V{"FIREBOAT", "FIREBOATS", "-CATBOAT", "-FIRE"}));
  EXPECT_TRUE(CompoundCondition(3, 4).Passes("CATBOAT", lexicon));
  // CATBOAT + S has a right part that is too short, and nothing else splits.
  EXPECT_FALSE(CompoundCondition(4, 4).Passes("CATBOATS", MakeLexicon({"CATBOAT", "S"})));
  EXPECT_TRUE(CompoundCondition(2, 1).Passes("CATBOATS", MakeLexicon({"CATBOAT", "S"})));
}

TEST(CryptogramConditionTest, EqualLettersWhereThePatternRepeats) {
  const Lexicon lexicon;
  const CryptogramCondition xyz("XYZXYZ");
  EXPECT_EQ(xyz.groups(), (std::vector<std::vector<uint16_t>>{{0, 3}, {1, 4}, {2, 5}}));
  EXPECT_EQ(Verdicts(xyz, lexicon, {"DUMDUM", "PAWPAW", "AAAAAA", "DUMDAM", "DUMDU", "DUMDUMS"}),
            (V{"DUMDUM", "PAWPAW", "-AAAAAA", "-DUMDAM", "-DUMDU", "-DUMDUMS"}));
  EXPECT_EQ(Verdicts(CryptogramCondition("AAB"), lexicon, {"EEE", "EEF", "EFE"}),
            (V{"-EEE", "EEF", "-EFE"}));
}

TEST(ConsonantVowelConditionTest, ClassesPerPositionAndExactLength) {
  const Lexicon lexicon;
  EXPECT_EQ(Verdicts(ConsonantVowelCondition("CVC"), lexicon, {"CAT", "BAY", "SKY", "CATS", "CaT"}),
            (V{"CAT", "BAY", "-SKY", "-CATS", "-CaT"}));
  EXPECT_EQ(Verdicts(ConsonantVowelCondition("C?C"), lexicon, {"SKY", "CaT", "AAT"}),
            (V{"SKY", "CaT", "-AAT"}));
}

TEST(SubWordConditionTest, AnyAndEveryModes) {
  const Lexicon lexicon = MakeLexicon({"INCH", "CATS", "ATSO"});
  EXPECT_EQ(Verdicts(SubWordCondition(4, false), lexicon, {"FINCHES", "INCH", "FINCHED", "CAT"}),
            (V{"FINCHES", "INCH", "FINCHED", "-CAT"}));
  EXPECT_FALSE(SubWordCondition(4, false).Passes("FINCXES", lexicon));
  EXPECT_EQ(Verdicts(SubWordCondition(4, true), lexicon, {"CAT", "CATSO", "CATSOX", "FINCHES"}),
            (V{"CAT", "CATSO", "-CATSOX", "-FINCHES"}));
}

TEST(RackConditionsTest, AnagramBuildAndBuildBuild) {
  const Lexicon lexicon = MakeLexicon({"QUA", "TO", "QUOTA", "OAT", "AT"});
  EXPECT_EQ(Verdicts(AnagramCondition("TAC"), lexicon, {"CAT", "ACT", "CATS", "CA"}),
            (V{"CAT", "ACT", "-CATS", "-CA"}));
  EXPECT_EQ(Verdicts(AnagramCondition("T?C"), lexicon, {"CAT", "TIC", "TAT"}),
            (V{"CAT", "TIC", "-TAT"}));
  // "Contains": at least one A and two Es.
  EXPECT_EQ(Verdicts(AnagramCondition("AEE*"), lexicon, {"EASE", "AREAE", "EAT", "EEA"}),
            (V{"EASE", "AREAE", "-EAT", "EEA"}));
  EXPECT_EQ(Verdicts(BuildCondition("CATS"), lexicon, {"CAT", "AT", "CATS", "CC", "SCATS"}),
            (V{"CAT", "AT", "CATS", "-CC", "-SCATS"}));
  EXPECT_EQ(Verdicts(BuildCondition("CA?"), lexicon, {"CAT", "CAB", "TAX"}),
            (V{"CAT", "CAB", "-TAX"}));
  EXPECT_EQ(Verdicts(BuildBuildCondition("QUOTA"), lexicon, {"QUA", "TO", "QUOTA", "OAT", "QUIT"}),
            (V{"QUA", "TO", "-QUOTA", "-OAT", "-QUIT"}));
  EXPECT_TRUE(BuildBuildCondition("QUOTA?").Passes("QUIT", MakeLexicon({"QUIT", "OA"})));
}

TEST(LetterConditionsTest, ContainsAnyAndExact) {
  const Lexicon lexicon;
  EXPECT_EQ(Verdicts(ContainsAnyCondition("JQXZ"), lexicon, {"QI", "ZA", "CAT", "zA"}),
            (V{"QI", "ZA", "-CAT", "-zA"}));
  EXPECT_EQ(Verdicts(ContainsExactCondition("AEE"), lexicon, {"EASE", "EASEL", "AREA", "EAT"}),
            (V{"EASE", "EASEL", "-AREA", "-EAT"}));
}

TEST(CountConditionsTest, AnagramsVowelsPointsLength) {
  const Lexicon lexicon = MakeLexicon({"CAT", "ACT", "DOG"});
  EXPECT_EQ(Verdicts(AnagramCountCondition(2, 2), lexicon, {"CAT", "TCA", "DOG", "XYZ"}),
            (V{"CAT", "TCA", "-DOG", "-XYZ"}));
  EXPECT_EQ(Verdicts(AnagramCountCondition(0, 0), lexicon, {"XYZ", "DOG", "GOD"}),
            (V{"XYZ", "-DOG", "-GOD"}));
  EXPECT_EQ(Verdicts(VowelCountCondition(2, 2), lexicon, {"AIRY", "EASY", "EYRY", "aIE"}),
            (V{"AIRY", "EASY", "-EYRY", "aIE"}));
  EXPECT_EQ(Verdicts(PointsCondition(11, 11), lexicon, {"QI", "qI", "ZAX"}),
            (V{"QI", "-qI", "-ZAX"}));
  EXPECT_EQ(Verdicts(LengthCondition(2, 3), lexicon, {"A", "AB", "ABC", "ABCD"}),
            (V{"-A", "AB", "ABC", "-ABCD"}));
}

TEST(ExtensionConditionTest, SomeWordAroundTheWordUpToFifteenLetters) {
  const Lexicon lexicon = MakeLexicon({"BIPARTY", "JUNKYARD", "BLAZONED", "ABCDEFGHIJKLMNO"});
  EXPECT_TRUE(ExtensionCondition(2, 0).Passes("PARTY", lexicon));
  EXPECT_FALSE(ExtensionCondition(1, 0).Passes("PARTY", lexicon));
  EXPECT_TRUE(ExtensionCondition(0, 3).Passes("JUNKY", lexicon));
  EXPECT_TRUE(ExtensionCondition(2, 2).Passes("AZON", lexicon));
  EXPECT_TRUE(ExtensionCondition(1, 0).Passes("BCDEFGHIJKLMNO", lexicon));
  // Two more letters in front of fourteen would make sixteen.
  EXPECT_FALSE(ExtensionCondition(2, 0).Passes("CDEFGHIJKLMNOP", lexicon));
  EXPECT_FALSE(ExtensionCondition(0, 2).Passes("ABCDEFGHIJKLMN", lexicon));
}

TEST(WordShapeConditionsTest, NoShorterWordAndLexiconMember) {
  const Lexicon lexicon = MakeLexicon({"CAT", "ATS", "DOGS"});
  EXPECT_EQ(Verdicts(NoShorterWordCondition(), lexicon, {"A", "", "CATS", "OGSX", "DOGSX", "ZZZ"}),
            (V{"-A", "-", "-CATS", "OGSX", "-DOGSX", "ZZZ"}));
  const Lexicon other = MakeLexicon({"ZZZ"});
  EXPECT_EQ(Verdicts(LexiconMemberCondition(other), lexicon, {"ZZZ", "CAT"}), (V{"ZZZ", "-CAT"}));
}

TEST(PatternConditionTest, WildcardsAndExpressionSyntax) {
  const Lexicon lexicon;
  EXPECT_EQ(Verdicts(PatternCondition("R???S"), lexicon, {"RATES", "RATE", "RAT.S"}),
            (V{"RATES", "-RATE", "RAT.S"}));
  EXPECT_EQ(Verdicts(PatternCondition("*[AEIOU]S"), lexicon, {"RAS", "RATS", "AS"}),
            (V{"RAS", "-RATS", "AS"}));
  EXPECT_EQ(Verdicts(PatternCondition("A.B"), lexicon, {"A.B", "AXB"}), (V{"A.B", "-AXB"}));
  // An expression that does not compile fits nothing, and so every word
  // when inverted.
  EXPECT_FALSE(PatternCondition("\\(A").Passes("A", lexicon));
  EXPECT_TRUE(PatternCondition("\\(A", false).Passes("A", lexicon));
}

TEST(NotMatchingTest, InvertsEveryResultIncludingUntestableWords) {
  const Lexicon lexicon = MakeLexicon({"LUNY", "FIRE", "BOAT", "BIPARTY", "ATS"});
  const auto pair = [&](std::unique_ptr<SearchCondition> yes, std::unique_ptr<SearchCondition> no,
                        std::string_view word) {
    EXPECT_NE(yes->Passes(word, lexicon), no->Passes(word, lexicon)) << word;
    EXPECT_EQ(yes->Test(word, lexicon), no->Test(word, lexicon)) << word;
  };
  pair(std::make_unique<SubstituteCondition>("OO", "U"),
       std::make_unique<SubstituteCondition>("OO", "U", false), "LOONY");
  pair(std::make_unique<SubstituteCondition>("OOO", "U"),
       std::make_unique<SubstituteCondition>("OOO", "U", false), "OO");  // too short
  pair(std::make_unique<CompoundCondition>(4, 4), std::make_unique<CompoundCondition>(4, 4, false),
       "FIREBOA");
  pair(std::make_unique<ExtensionCondition>(2, 0),
       std::make_unique<ExtensionCondition>(2, 0, false), "CDEFGHIJKLMNOP");  // too long
  pair(std::make_unique<ExtensionCondition>(2, 0),
       std::make_unique<ExtensionCondition>(2, 0, false), "PARTY");
  pair(std::make_unique<CryptogramCondition>("XYZ"),
       std::make_unique<CryptogramCondition>("XYZ", false), "DUMDUM");
  pair(std::make_unique<NoShorterWordCondition>(), std::make_unique<NoShorterWordCondition>(false),
       "A");
  pair(std::make_unique<NoShorterWordCondition>(), std::make_unique<NoShorterWordCondition>(false),
       "CATS");
  pair(std::make_unique<SubWordCondition>(4, false),
       std::make_unique<SubWordCondition>(4, false, false), "CAT");
}

// Counts the words it is asked about, to show where a list stops.
class CountingCondition : public SearchCondition {
 public:
  CountingCondition(bool answer, int& calls) : answer_(answer), calls_(calls) {}
  bool Test(std::string_view, const Lexicon&) const override {
    ++calls_;
    return answer_;
  }

 private:
  bool answer_;
  int& calls_;
};

TEST(ConditionListTest, EveryConditionInOrderStoppingAtTheFirstFailure) {
  const Lexicon lexicon;
  int first = 0;
  int second = 0;
  int third = 0;
  ConditionList list;
  EXPECT_TRUE(list.Passes("ANY", lexicon));
  EXPECT_TRUE(PassesConditions(nullptr, "ANY", lexicon));
  list.Emplace<CountingCondition>(true, first);
  list.Emplace<CountingCondition>(false, second);
  list.Emplace<CountingCondition>(true, third);
  list.Add(nullptr);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_FALSE(list.Passes("ANY", lexicon));
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
  EXPECT_EQ(third, 0);
}

TEST(ConditionFilterTest, PlugsIntoGeneratorsAndCollectionFilters) {
  const Lexicon lexicon = MakeLexicon({"CAT", "CATS", "ACT", "SCAT", "CAST", "TACT", "QI"});
  ConditionList list;
  list.Emplace<LengthCondition>(4, 4);
  list.Emplace<ContainsExactCondition>("SC");
  const ConditionFilter filter(list, lexicon);

  WordCollection walked;
  PatternMatches(lexicon, "*", walked, &filter);
  EXPECT_EQ(std::vector<std::string>(walked.begin(), walked.end()),
            (std::vector<std::string>{"CAST", "CATS", "SCAT"}));

  WordCollection built;
  Builds(lexicon, "SCATT", built, &filter);
  EXPECT_EQ(built.Count(), 3);

  WordCollection filtered;
  walked.Insert("TACS");
  walked.FilterByConditions(&filter, filtered);
  EXPECT_EQ(filtered.Count(), 4);
}

}  // namespace
}  // namespace tavrune
