#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/generators.h"
#include "engine/lexicon_builder.h"
#include "resources/string_table.h"
#include "search/conditions.h"
#include "search/search_messages.h"
#include "search/search_type_registry.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"

namespace tavrune {
namespace {

using Words = std::vector<std::string>;

Words WordsOf(const WordCollection& collection) {
  return Words(collection.begin(), collection.end());
}

WordCollection ListOf(const Words& words) {
  WordCollection list;
  for (const std::string& w : words) list.Insert(w);
  return list;
}

Lexicon LexiconOf(const Words& words) {
  LexiconBuilder builder;
  for (const std::string& w : words) builder.AddWord(w);
  Lexicon lexicon;
  lexicon.LoadBytes(builder.Build());
  return lexicon;
}

SearchParameters Params(std::string p1, std::string p2 = "", int n1 = 0, int n2 = 0) {
  return {std::move(p1), std::move(p2), n1, n2, true};
}

SearchParameters Numbers(int n1, int n2 = 0) { return Params("", "", n1, n2); }

const Words kWords = {
    "A",     "AB",    "ACT",  "AREA",  "AT",      "ATS",   "BAY",      "BIPARTY",
    "BOAT",  "BOATS", "CAST", "CAT",   "CATBOAT", "CATS",  "DUMDAM",   "DUMDUM",
    "EASE",  "EASEL", "EAT",  "EEL",   "FINCHES", "FIRE",  "FIREBOAT", "HONEY",
    "HONY",  "INCH",  "JAB",  "LOONY", "LUNY",    "PARTY", "PAWPAW",   "PREACT",
    "PREDO", "QI",    "QUA",  "QUOTA", "REACT",   "REDO",  "SCAT",     "SKY",
    "TA",    "TACT",  "TO",   "TOO",   "ZA",      "ZAX",   "AAAAAA",   "REDOS",
};

class SearchTypesTest : public ::testing::Test {
 protected:
  const SearchType& Type(std::string_view name) {
    const SearchType* type = registry_.FindType(name);
    EXPECT_NE(type, nullptr) << name;
    return *type;
  }

  // The words a search leaves, on the whole lexicon (no source) or a list.
  Words Run(std::string_view name, SearchParameters parameters, const WordCollection* source,
            bool matching = true) {
    parameters.matching = matching;
    WordCollection result;
    result.SetSortMode(false, SortKey::kAlphabetical, false);
    Type(name).Search(parameters, lexicon_, source, result, prompt_);
    return WordsOf(result);
  }

  const Lexicon lexicon_ = LexiconOf(kWords);
  const SearchTypeRegistry registry_{true};
  testing::RecordingPrompt prompt_;
};

TEST_F(SearchTypesTest, RegistryListsCategoriesAndTypesInDisplayOrder) {
  std::vector<Words> listed;
  for (int c = 0; c < registry_.CategoryCount(); ++c) {
    const SearchCategory& category = registry_.Category(c);
    Words names = {category.name()};
    for (int t = 0; t < category.TypeCount(); ++t) names.emplace_back(category.Type(t).name());
    listed.push_back(names);
  }
  EXPECT_EQ(listed, (std::vector<Words>{
                        {"Pattern", "Pattern", "Anywhere 2", "Beginning", "Beginning 2", "Compound",
                         "Consonant Vowel", "Cryptogram", "Ending", "Ending 2", "Sub Word"},
                        {"Jumble", "Anagram", "Build", "BuildBuild", "Contains", "Contains Any",
                         "Contains Exact", "Num Anagrams"},
                        {"Extension", "End", "Front", "Front and End"},
                        {"Others", "Num Vowels", "Probable", "Total Points", "Word Length"},
                    }));

  const SearchTypeRegistry plain(false);
  EXPECT_EQ(plain.FindType("BuildBuild"), nullptr);
  EXPECT_EQ(plain.FindCategory("Jumble")->TypeCount(), 6);
  EXPECT_EQ(plain.FindCategory("Jumble")->Type(2).name(), "Contains");
  EXPECT_EQ(plain.FindType("word length"), nullptr);
  EXPECT_EQ(plain.FindCategory("Others")->FindType("Word Length")->help_id(), 40046);
}

// The dialog shows these: help text, labels (empty: input hidden), limits.
TEST_F(SearchTypesTest, HelpLabelsAndLimitsOfEveryType) {
  struct Row {
    const char* name;
    int help;
    Words labels;
    SearchLimits limits;
  };
  const SearchLimits d;
  const std::vector<Row> rows = {
      {"Pattern", 40036, {"Pattern", "", "", ""}, d},
      {"Anywhere 2", 40065, {"Pattern 1", "Pattern 2", "", ""}, d},
      {"Beginning", 40049, {"Beginning", "", "", ""}, d},
      {"Beginning 2", 40057, {"Begin Pattern 1", "Begin Pattern 2", "", ""}, d},
      {"Compound", 40044, {"", "", "Min Left length", "Min Right length"}, {2, 13, 2, 13, false}},
      {"Consonant Vowel", 40052, {"Cons Vowel Pattern", "", "", ""}, d},
      {"Cryptogram", 40051, {"Cryptogram", "", "", ""}, d},
      {"Ending", 40050, {"Ending", "", "", ""}, d},
      {"Ending 2", 40058, {"End Pattern 1", "End Pattern 2", "", ""}, d},
      {"Sub Word", 40045, {"", "", "Length", ""}, {2, 13, 0, 15, false}},
      {"Anagram", 40037, {"Anagram", "", "", ""}, d},
      {"Build", 40040, {"Build", "", "", ""}, d},
      {"BuildBuild", 40083, {"BuildBuild", "", "", ""}, d},
      {"Contains", 40041, {"Contains", "", "", ""}, d},
      {"Contains Any", 40063, {"Contains Any", "", "", ""}, d},
      {"Contains Exact", 40042, {"Contains Exact", "", "", ""}, d},
      {"Num Anagrams", 40054, {"", "", "Min length", "Max length"}, {0, 15, 0, 15, true}},
      {"End", 40060, {"", "", "Num Letters", ""}, {1, 7, 0, 15, false}},
      {"Front", 40059, {"", "", "Num Letters", ""}, {1, 7, 0, 15, false}},
      {"Front and End", 40061, {"", "", "Num Front Ltrs", "Num End Ltrs"}, {1, 7, 1, 7, false}},
      {"Num Vowels", 40047, {"", "", "Min length", "Max length"}, {0, 15, 0, 15, true}},
      {"Probable", 40055, {"", "", "Start Index", "End Index"}, {1, 64000, 1, 64000, true}},
      {"Total Points", 40062, {"", "", "Min Total", "Max Total"}, {2, 100, 2, 100, true}},
      {"Word Length", 40046, {"", "", "Min length", "Max length"}, {2, 15, 2, 15, true}},
  };
  for (const Row& row : rows) {
    const SearchType& type = Type(row.name);
    EXPECT_EQ(type.help_id(), row.help) << row.name;
    EXPECT_FALSE(StringText(row.help).empty()) << row.name;
    Words labels;
    for (SearchField f : {SearchField::kPattern1, SearchField::kPattern2, SearchField::kNumber1,
                          SearchField::kNumber2}) {
      labels.emplace_back(type.Label(f));
      EXPECT_EQ(type.Uses(f), !type.Label(f).empty());
    }
    EXPECT_EQ(labels, row.labels) << row.name;
    EXPECT_EQ(type.GetLimits(nullptr), row.limits) << row.name;
  }
  EXPECT_EQ(StringText(40083).back(), ' ');
}

TEST_F(SearchTypesTest, ProbableLimitsFollowTheSourceList) {
  WordCollection list;
  for (int i = 0; i < 250; ++i) list.Append("W" + std::to_string(i));
  EXPECT_EQ(Type("Probable").GetLimits(&list), (SearchLimits{1, 250, 1, 250, true}));
  const WordCollection empty;
  EXPECT_EQ(Type("Probable").GetLimits(&empty).max1, 64000);
  EXPECT_EQ(Type("Word Length").GetLimits(&list), (SearchLimits{2, 15, 2, 15, true}));
}

TEST_F(SearchTypesTest, ValidationMessagesAndTheFieldAtFault) {
  struct Case {
    const char* type;
    const char* p1;
    const char* p2;
    int message;  // 0: valid
    SearchField field;
  };
  const auto P1 = SearchField::kPattern1;
  const auto P2 = SearchField::kPattern2;
  const std::string brackets(1000, '[');
  const std::vector<Case> cases = {
      {"Pattern", "", "", kEmptyPatternMessage, P1},
      {"Pattern", "[AB]*?.", "", 0, P1},
      {"Beginning", "", "", kEmptyPatternMessage, P1},
      {"Pattern", "C[AT", "", kEmptyPatternMessage, P1},
      {"Pattern", "+S", "", kEmptyPatternMessage, P1},
      {"Ending", "+S", "", 0, P1},  // after '*' a '+' repeats nothing new
      {"Beginning", brackets.c_str(), "", kEmptyPatternMessage, P1},
      {"Ending", "1", "", 0, P1},
      {"Anywhere 2", "", "", 0, P1},
      {"Anywhere 2", "O?", "U", kLetterCharacterMessage, P1},
      {"Anywhere 2", "O?", "U?", kLetterCharacterMessage, P1},
      {"Beginning 2", "RE", "P E", kLetterCharacterMessage, P2},
      {"Ending 2", "EY", "", 0, P1},
      {"Consonant Vowel", "CV?C", "", 0, P1},
      {"Consonant Vowel", "CVA", "", kConsonantVowelCharacterMessage, P1},
      {"Consonant Vowel", "", "", kConsonantVowelCharacterMessage, P1},
      {"Cryptogram", "", "", kLetterCharacterMessage, P1},
      {"Cryptogram", "XY?", "", kLetterCharacterMessage, P1},
      {"Anagram", "A?*", "", 0, P1},
      {"Anagram", "A-B", "", kAnagramCharacterMessage, P1},
      {"Anagram", "", "", kAnagramCharacterMessage, P1},
      {"Build", "AB?", "", 0, P1},
      {"Build", "AB*", "", kBuildCharacterMessage, P1},
      {"BuildBuild", "", "", kBuildCharacterMessage, P1},
      {"Contains", "A?", "", kLetterCharacterMessage, P1},
      {"Contains Any", "", "", kLetterCharacterMessage, P1},
      {"Contains Exact", "AEE", "", 0, P1},
      {"Word Length", "???", "!!", 0, P1},
  };
  for (const Case& c : cases) {
    const Validation v = Type(c.type).Validate(c.p1, c.p2);
    const std::string label = std::string(c.type) + " '" + c.p1 + "' '" + c.p2 + "'";
    EXPECT_EQ(v.valid, c.message == 0) << label;
    if (c.message != 0) {
      EXPECT_EQ(v.message_id, c.message) << label;
      EXPECT_EQ(v.field, c.field) << label;
    }
  }
  EXPECT_EQ(MessageText(kLetterCharacterMessage),
            "Unexpected character in input.\n\n'A' to 'Z' are the only allowable characters.");
}

TEST_F(SearchTypesTest, CheckInputsInTheDialogsOrder) {
  const SearchType& length = Type("Word Length");
  auto message = length.CheckInputs(Numbers(5, 4), nullptr);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(MessageText(message->id, message->args),
            "Max length should be greater than or equal to Min length.");
  EXPECT_FALSE(length.CheckInputs(Numbers(5, 5), nullptr).has_value());

  message = length.CheckInputs(Numbers(1, 0), nullptr);  // range before order
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->field, SearchField::kNumber1);
  EXPECT_EQ(MessageText(message->id, message->args), "Please enter an integer between 2 and 15.");
  message = length.CheckInputs(Numbers(2, 16), nullptr);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->field, SearchField::kNumber2);

  // Unused numbers are not checked; patterns are checked after the numbers.
  EXPECT_FALSE(Type("Sub Word").CheckInputs(Numbers(4, 99), nullptr).has_value());
  message = Type("Anagram").CheckInputs(Params("A1", "", -5, -5), nullptr);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->id, kAnagramCharacterMessage);
  // Compound has no order check.
  EXPECT_FALSE(Type("Compound").CheckInputs(Numbers(5, 2), nullptr).has_value());

  const WordCollection list = ListOf({"CAT", "DOG", "EEL"});
  EXPECT_TRUE(Type("Probable").CheckInputs(Numbers(1, 4), &list).has_value());
  EXPECT_FALSE(Type("Probable").CheckInputs(Numbers(1, 3), &list).has_value());
}

// Every route of a type finds the same words: the whole-lexicon search
// (direct generation when matching, a walk otherwise) equals the list
// filter over every lexicon word, which tests each word with the condition.
TEST_F(SearchTypesTest, EveryRouteFindsTheSameWords) {
  struct Case {
    const char* type;
    SearchParameters parameters;
  };
  const std::vector<Case> cases = {
      {"Pattern", Params("*A?")},
      {"Pattern", Params("[PR]*")},
      {"Pattern", Params("\\(")},
      {"Beginning", Params("RE")},
      {"Ending", Params("S")},
      {"Anywhere 2", Params("OO", "U")},
      {"Anywhere 2", Params("", "S")},
      {"Beginning 2", Params("RE", "PRE")},
      {"Beginning 2", Params("", "S")},
      {"Ending 2", Params("EY", "Y")},
      {"Compound", Numbers(4, 4)},
      {"Compound", Numbers(2, 2)},
      {"Consonant Vowel", Params("CVC")},
      {"Consonant Vowel", Params("?V?V")},
      {"Cryptogram", Params("XYZXYZ")},
      {"Cryptogram", Params("ABB")},
      {"Sub Word", Numbers(4)},
      {"Anagram", Params("TAC")},
      {"Anagram", Params("TA?")},
      {"Anagram", Params("A*T")},
      {"Build", Params("CATS?")},
      {"BuildBuild", Params("QUOTA")},
      {"Contains", Params("AE")},
      {"Contains Any", Params("JQXZ")},
      {"Contains Exact", Params("AEE")},
      {"Num Vowels", Numbers(2, 3)},
      {"Total Points", Numbers(11, 20)},
      {"Word Length", Numbers(5, 5)},
      {"Word Length", Numbers(3, 6)},
  };
  WordCollection all;
  PatternMatches(lexicon_, "*", all);
  ASSERT_EQ(all.Count(), static_cast<int>(kWords.size()));
  for (const Case& c : cases) {
    for (bool matching : {true, false}) {
      const std::string label = std::string(c.type) + " '" + c.parameters.pattern1 + "' " +
                                std::to_string(c.parameters.number1) +
                                (matching ? " matching" : " not matching");
      const Words whole = Run(c.type, c.parameters, nullptr, matching);
      EXPECT_EQ(whole, Run(c.type, c.parameters, &all, matching)) << label;
      EXPECT_TRUE(std::is_sorted(whole.begin(), whole.end())) << label;
    }
  }
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(SearchTypesTest, PatternTypeResults) {
  EXPECT_EQ(Run("Anywhere 2", Params("OO", "U"), nullptr), (Words{"LOONY"}));
  EXPECT_EQ(Run("Anywhere 2", Params("", "S"), nullptr), (Words{"AT", "BOAT", "CAT", "REDO"}));
  EXPECT_EQ(Run("Beginning 2", Params("RE", "PRE"), nullptr), (Words{"REACT", "REDO"}));
  EXPECT_EQ(Run("Ending 2", Params("EY", "Y"), nullptr), (Words{"HONEY"}));
  EXPECT_EQ(Run("Compound", Numbers(4, 4), nullptr), (Words{"FIREBOAT"}));
  EXPECT_EQ(Run("Compound", Numbers(3, 4), nullptr), (Words{"CATBOAT", "FIREBOAT"}));
  EXPECT_EQ(Run("Cryptogram", Params("XYZXYZ"), nullptr), (Words{"DUMDUM", "PAWPAW"}));
  EXPECT_EQ(Run("Consonant Vowel", Params("CVC"), nullptr), (Words{"BAY", "CAT", "JAB", "ZAX"}));
  const WordCollection list = ListOf({"FINCHES", "FINCXES", "INCH", "INC"});
  EXPECT_EQ(Run("Sub Word", Numbers(4), &list), (Words{"FINCHES", "INCH"}));
  EXPECT_EQ(Run("Contains Exact", Params("AEE"), nullptr), (Words{"EASE", "EASEL"}));
  EXPECT_EQ(Run("BuildBuild", Params("QUOTA"), nullptr), (Words{"QUA", "TO"}));
}

TEST_F(SearchTypesTest, WordLengthOnTheWholeLexicon) {
  Words five;
  for (const std::string& w : kWords) {
    if (w.size() == 5) five.push_back(w);
  }
  std::sort(five.begin(), five.end());
  EXPECT_EQ(Run("Word Length", Numbers(5, 5), nullptr), five);
  EXPECT_EQ(Run("Word Length", Numbers(2, 15), nullptr, false), (Words{"A"}));
}

TEST_F(SearchTypesTest, ListOnlyTypesRefuseTheWholeLexicon) {
  for (const char* name : {"Num Anagrams", "End", "Front", "Front and End", "Probable"}) {
    for (bool matching : {true, false}) {
      prompt_.Clear();
      EXPECT_TRUE(Run(name, Numbers(1, 2), nullptr, matching).empty()) << name;
      EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{kWholeLexiconMessage}) << name;
    }
  }
  EXPECT_EQ(MessageText(kWholeLexiconMessage), "You can't search the entire Lexicon.");
  prompt_.Clear();
  Run("Word Length", Numbers(2, 3), nullptr);
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(SearchTypesTest, NumAnagramsOnAList) {
  const WordCollection list = ListOf({"CAT", "TCA", "XYZ", "BOAT", "QQQ"});
  EXPECT_EQ(Run("Num Anagrams", Numbers(0, 0), &list), (Words{"QQQ", "XYZ"}));
  EXPECT_EQ(Run("Num Anagrams", Numbers(0, 0), &list, false), (Words{"BOAT", "CAT", "TCA"}));
}

TEST_F(SearchTypesTest, ProbableSlicesByProbability) {
  const WordCollection list = ListOf({"QI", "ZA", "AE", "EEL", "TEA", "EAT", "ZAX", "JAB", "TOE",
                                      "AT", "TA", "OE", "IT", "XI", "EASE", "QUA"});
  WordCollection ordered(list);
  ordered.SetSortMode(true, SortKey::kProbability, true);
  const Words all = WordsOf(ordered);
  const Words top = Run("Probable", Numbers(1, 10), &list);
  EXPECT_EQ(top, Words(all.begin(), all.begin() + 10));
  EXPECT_EQ(Run("Probable", Numbers(1, 10), &list, false), Words(all.begin() + 10, all.end()));
  Words outside(all.begin(), all.begin() + 2);
  outside.insert(outside.end(), all.begin() + 5, all.end());
  EXPECT_EQ(Run("Probable", Numbers(3, 5), &list, false), outside);
  EXPECT_EQ(Run("Probable", Numbers(15, 99), &list), Words(all.begin() + 14, all.end()));
  // Highest first, equal probabilities alphabetically.
  const ProbabilityReference reference;
  for (size_t i = 1; i < top.size(); ++i) {
    const auto a = reference.FactorKey(top[i - 1]);
    const auto b = reference.FactorKey(top[i]);
    EXPECT_TRUE(a > b || (a == b && top[i - 1] < top[i])) << top[i - 1] << " " << top[i];
  }
}

}  // namespace
}  // namespace tavrune
