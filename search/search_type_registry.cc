#include "search/search_type_registry.h"

#include <functional>
#include <utility>

#include "engine/generators.h"
#include "engine/pattern_expression.h"
#include "search/conditions.h"
#include "search/extension_scan.h"
#include "search/search_messages.h"

namespace tavrune {
namespace {

using Condition = std::unique_ptr<SearchCondition>;
using MakeFunction = std::function<Condition(const SearchParameters&, bool)>;
using GenerateFunction = std::function<bool(const SearchParameters&, const Lexicon&,
                                            const ConditionList&, WordCollection&)>;
using ValidateFunction = std::function<Validation(std::string_view, std::string_view)>;

// Lists of the 'A'-'Z' letters extended by a few other characters.
constexpr std::string_view kNoExtra = "";
constexpr std::string_view kAnagramExtra = "?*";
constexpr std::string_view kBuildExtra = "?";

bool OnlyLettersAnd(std::string_view text, std::string_view extra) {
  for (char c : text) {
    if (!(c >= 'A' && c <= 'Z') && extra.find(c) == std::string_view::npos) return false;
  }
  return true;
}

// A non-empty pattern 1 of the allowed characters.
ValidateFunction OneRack(std::string_view extra, int message) {
  return [extra, message](std::string_view p1, std::string_view) {
    return !p1.empty() && OnlyLettersAnd(p1, extra)
               ? Validation::Ok()
               : Validation::Fail(message, SearchField::kPattern1);
  };
}

// Two patterns of letters only, either of them possibly empty.
Validation TwoLetterPatterns(std::string_view p1, std::string_view p2) {
  if (!OnlyLettersAnd(p1, kNoExtra)) {
    return Validation::Fail(kLetterCharacterMessage, SearchField::kPattern1);
  }
  if (!OnlyLettersAnd(p2, kNoExtra)) {
    return Validation::Fail(kLetterCharacterMessage, SearchField::kPattern2);
  }
  return Validation::Ok();
}

// A pattern 1 that compiles once extended as the search will extend it, so
// a faulty pattern is refused instead of finding nothing.
ValidateFunction CompilingPattern(std::string before, std::string after) {
  return [before = std::move(before), after = std::move(after)](std::string_view p1,
                                                                std::string_view) {
    PatternExpression expression;
    const bool valid =
        !p1.empty() && !expression.CompileWildcard(before + std::string(p1) + after).has_value();
    return valid ? Validation::Ok()
                 : Validation::Fail(kEmptyPatternMessage, SearchField::kPattern1);
  };
}

Validation ConsonantVowelPattern(std::string_view p1, std::string_view) {
  const bool valid = !p1.empty() && p1.find_first_not_of("CV?") == std::string_view::npos;
  return valid ? Validation::Ok()
               : Validation::Fail(kConsonantVowelCharacterMessage, SearchField::kPattern1);
}

// A type described by what varies between the plain types: its condition,
// its direct route (if any) and its pattern check (none for numeric types).
class BasicType : public SearchType {
 public:
  BasicType(const SearchTypeInfo& info, MakeFunction make, GenerateFunction generate = {},
            ValidateFunction validate = {})
      : SearchType(info),
        make_(std::move(make)),
        generate_(std::move(generate)),
        validate_(std::move(validate)) {}

  Validation Validate(std::string_view pattern1, std::string_view pattern2) const override {
    return validate_ ? validate_(pattern1, pattern2) : Validation::Ok();
  }
  Condition MakeCondition(const SearchParameters& parameters, bool matching) const override {
    return make_(parameters, matching);
  }

 protected:
  bool Generate(const SearchParameters& parameters, const Lexicon& lexicon,
                const ConditionList& conditions, WordCollection& result) const override {
    return generate_ && generate_(parameters, lexicon, conditions, result);
  }

 private:
  MakeFunction make_;
  GenerateFunction generate_;
  ValidateFunction validate_;
};

// "Front" and "Front and End": large lists, and more than one front letter,
// go through one pass over the lexicon instead of one query per word.
class FrontExtensionType : public BasicType {
 public:
  static constexpr int kScanListSize = 2000;

  FrontExtensionType(const SearchTypeInfo& info, bool with_end)
      : BasicType(info,
                  [with_end](const SearchParameters& p, bool matching) {
                    return std::make_unique<ExtensionCondition>(p.number1, with_end ? p.number2 : 0,
                                                                matching);
                  }),
        with_end_(with_end) {}

  void Search(const SearchParameters& parameters, const Lexicon& lexicon,
              const WordCollection* source, WordCollection& result,
              UserPrompt& prompt) const override {
    if (source != nullptr && (source->Count() >= kScanListSize || parameters.number1 > 1)) {
      ExtensionScan scan(parameters.number1, with_end_ ? parameters.number2 : 0, *source, result,
                         parameters.matching);
      ForEachWord(lexicon, scan, result);
      return;
    }
    BasicType::Search(parameters, lexicon, source, result, prompt);
  }

 private:
  bool with_end_;
};

// Slices the source list ordered by probability (highest first, equal
// probabilities alphabetically), numbering its words from 1.
class ProbableType : public SearchType {
 public:
  explicit ProbableType(const SearchTypeInfo& info) : SearchType(info) {}

  SearchLimits GetLimits(const WordCollection* source) const override {
    const int size =
        source != nullptr && !source->IsEmpty() ? source->Count() : WordCollection::kMaxWords;
    return {1, size, 1, size, true};
  }
  Condition MakeCondition(const SearchParameters&, bool) const override { return nullptr; }

  void Search(const SearchParameters& parameters, const Lexicon& lexicon,
              const WordCollection* source, WordCollection& result,
              UserPrompt& prompt) const override {
    if (source == nullptr) {
      SearchType::Search(parameters, lexicon, source, result, prompt);
      return;
    }
    WordCollection ordered(*source);
    ordered.SetSortMode(true, SortKey::kProbability, true);
    const int count = ordered.Count();
    const int first = std::clamp(parameters.number1, 1, count + 1) - 1;
    const int last = std::clamp(parameters.number2, first, count);
    auto add = [&](int from, int to) {
      for (int i = from; i < to; ++i) result.Insert(ordered.Word(i));
    };
    if (parameters.matching) {
      add(first, last);
    } else {
      add(0, first);
      add(last, count);
    }
  }
};

std::string Repeat(char c, size_t n) { return std::string(n, c); }

// The direct route of the pattern types: the engine's pattern walk of
// `pattern(p)`, with or without the condition.
GenerateFunction PatternRoute(std::function<std::string(const SearchParameters&)> pattern,
                              bool with_condition) {
  return [pattern = std::move(pattern), with_condition](
             const SearchParameters& p, const Lexicon& lexicon, const ConditionList& conditions,
             WordCollection& result) {
    const ConditionFilter filter(conditions, lexicon);
    PatternMatches(lexicon, pattern(p), result, with_condition ? &filter : nullptr);
    return true;
  };
}

SearchTypeInfo Info(std::string_view name, int help, std::string_view p1, std::string_view p2,
                    std::string_view n1 = {}, std::string_view n2 = {}, SearchLimits limits = {},
                    bool whole_lexicon = true) {
  return {name, help, {p1, p2, n1, n2}, limits, whole_lexicon};
}

SearchTypeInfo NumberInfo(std::string_view name, int help, std::string_view n1, std::string_view n2,
                          SearchLimits limits, bool whole_lexicon = true) {
  return Info(name, help, {}, {}, n1, n2, limits, whole_lexicon);
}

template <typename... Args>
std::unique_ptr<SearchType> Basic(Args&&... args) {
  return std::make_unique<BasicType>(std::forward<Args>(args)...);
}

// "Pattern", "Beginning" and "Ending": a pattern expression extended by
// `before` and `after`.
std::unique_ptr<SearchType> PatternType(std::string_view name, int help, std::string_view label,
                                        std::string before, std::string after) {
  auto extended = [before, after](const SearchParameters& p) {
    return before + p.pattern1 + after;
  };
  return Basic(
      Info(name, help, label, {}),
      [extended](const SearchParameters& p, bool matching) {
        return std::make_unique<PatternCondition>(extended(p), matching);
      },
      PatternRoute(extended, false), CompilingPattern(before, after));
}

SearchCategory PatternCategory() {
  SearchCategory category("Pattern");
  category.Add(PatternType("Pattern", 40036, "Pattern", "", ""));
  category.Add(Basic(
      Info("Anywhere 2", 40065, "Pattern 1", "Pattern 2"),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<SubstituteCondition>(p.pattern1, p.pattern2, matching);
      },
      GenerateFunction(), TwoLetterPatterns));
  category.Add(PatternType("Beginning", 40049, "Beginning", "", "*"));
  category.Add(Basic(
      Info("Beginning 2", 40057, "Begin Pattern 1", "Begin Pattern 2"),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<PrefixSubstituteCondition>(p.pattern1, p.pattern2, matching);
      },
      PatternRoute([](const SearchParameters& p) { return p.pattern1 + "*"; }, true),
      TwoLetterPatterns));
  category.Add(Basic(
      NumberInfo("Compound", 40044, "Min Left length", "Min Right length", {2, 13, 2, 13, false}),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<CompoundCondition>(p.number1, p.number2, matching);
      }));
  const auto same_length = [](const SearchParameters& p) { return Repeat('?', p.pattern1.size()); };
  category.Add(Basic(
      Info("Consonant Vowel", 40052, "Cons Vowel Pattern", {}),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<ConsonantVowelCondition>(p.pattern1, matching);
      },
      PatternRoute(same_length, true), ConsonantVowelPattern));
  category.Add(Basic(
      Info("Cryptogram", 40051, "Cryptogram", {}),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<CryptogramCondition>(p.pattern1, matching);
      },
      PatternRoute(same_length, true), OneRack(kNoExtra, kLetterCharacterMessage)));
  category.Add(PatternType("Ending", 40050, "Ending", "*", ""));
  category.Add(Basic(
      Info("Ending 2", 40058, "End Pattern 1", "End Pattern 2"),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<SuffixSubstituteCondition>(p.pattern1, p.pattern2, matching);
      },
      PatternRoute([](const SearchParameters& p) { return "*" + p.pattern1; }, true),
      TwoLetterPatterns));
  category.Add(Basic(NumberInfo("Sub Word", 40045, "Length", {}, {2, 13, 0, 15, false}),
                     [](const SearchParameters& p, bool matching) {
                       return std::make_unique<SubWordCondition>(p.number1, false, matching);
                     }));
  return category;
}

// A rack type whose direct route is one generator call without condition.
template <int (*Generator)(const Lexicon&, std::string_view, WordCollection&, const WordFilter*,
                           bool)>
GenerateFunction RackRoute(std::string_view suffix) {
  return [suffix](const SearchParameters& p, const Lexicon& lexicon, const ConditionList&,
                  WordCollection& result) {
    Generator(lexicon, p.pattern1 + std::string(suffix), result, nullptr, false);
    return true;
  };
}

SearchCategory JumbleCategory(bool build_build) {
  SearchCategory category("Jumble");
  category.Add(Basic(
      Info("Anagram", 40037, "Anagram", {}),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<AnagramCondition>(p.pattern1, matching);
      },
      RackRoute<Anagrams>(""), OneRack(kAnagramExtra, kAnagramCharacterMessage)));
  category.Add(Basic(
      Info("Build", 40040, "Build", {}),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<BuildCondition>(p.pattern1, matching);
      },
      RackRoute<Builds>(""), OneRack(kBuildExtra, kBuildCharacterMessage)));
  if (build_build) {
    category.Add(Basic(
        Info("BuildBuild", 40083, "BuildBuild", {}),
        [](const SearchParameters& p, bool matching) {
          return std::make_unique<BuildBuildCondition>(p.pattern1, matching);
        },
        GenerateFunction(), OneRack(kBuildExtra, kBuildCharacterMessage)));
  }
  category.Add(Basic(
      Info("Contains", 40041, "Contains", {}),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<AnagramCondition>(p.pattern1 + "*", matching);
      },
      RackRoute<Anagrams>("*"), OneRack(kNoExtra, kLetterCharacterMessage)));
  category.Add(Basic(
      Info("Contains Any", 40063, "Contains Any", {}),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<ContainsAnyCondition>(p.pattern1, matching);
      },
      GenerateFunction(), OneRack(kNoExtra, kLetterCharacterMessage)));
  category.Add(Basic(
      Info("Contains Exact", 40042, "Contains Exact", {}),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<ContainsExactCondition>(p.pattern1, matching);
      },
      GenerateFunction(), OneRack(kNoExtra, kLetterCharacterMessage)));
  category.Add(Basic(
      NumberInfo("Num Anagrams", 40054, "Min length", "Max length", {0, 15, 0, 15, true}, false),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<AnagramCountCondition>(p.number1, p.number2, matching);
      }));
  return category;
}

SearchCategory ExtensionCategory() {
  SearchCategory category("Extension");
  category.Add(Basic(NumberInfo("End", 40060, "Num Letters", {}, {1, 7, 0, 15, false}, false),
                     [](const SearchParameters& p, bool matching) {
                       return std::make_unique<ExtensionCondition>(0, p.number1, matching);
                     }));
  category.Add(std::make_unique<FrontExtensionType>(
      NumberInfo("Front", 40059, "Num Letters", {}, {1, 7, 0, 15, false}, false), false));
  category.Add(
      std::make_unique<FrontExtensionType>(NumberInfo("Front and End", 40061, "Num Front Ltrs",
                                                      "Num End Ltrs", {1, 7, 1, 7, false}, false),
                                           true));
  return category;
}

SearchCategory OthersCategory() {
  SearchCategory category("Others");
  category.Add(
      Basic(NumberInfo("Num Vowels", 40047, "Min length", "Max length", {0, 15, 0, 15, true}),
            [](const SearchParameters& p, bool matching) {
              return std::make_unique<VowelCountCondition>(p.number1, p.number2, matching);
            }));
  category.Add(std::make_unique<ProbableType>(
      NumberInfo("Probable", 40055, "Start Index", "End Index",
                 {1, WordCollection::kMaxWords, 1, WordCollection::kMaxWords, true}, false)));
  category.Add(
      Basic(NumberInfo("Total Points", 40062, "Min Total", "Max Total", {2, 100, 2, 100, true}),
            [](const SearchParameters& p, bool matching) {
              return std::make_unique<PointsCondition>(p.number1, p.number2, matching);
            }));
  category.Add(Basic(
      NumberInfo("Word Length", 40046, "Min length", "Max length", {2, 15, 2, 15, true}),
      [](const SearchParameters& p, bool matching) {
        return std::make_unique<LengthCondition>(p.number1, p.number2, matching);
      },
      [](const SearchParameters& p, const Lexicon& lexicon, const ConditionList&,
         WordCollection& result) {
        if (p.number1 != p.number2 || p.number1 < 1) return false;
        if (p.number1 > kMaxGraphDepth) return true;  // no word is that long
        PatternMatches(lexicon, Repeat('?', static_cast<size_t>(p.number1)), result);
        return true;
      }));
  return category;
}

}  // namespace

const SearchType* SearchCategory::FindType(std::string_view name) const {
  for (const auto& type : types_) {
    if (type->name() == name) return type.get();
  }
  return nullptr;
}

SearchTypeRegistry::SearchTypeRegistry(bool build_build) {
  categories_.push_back(PatternCategory());
  categories_.push_back(JumbleCategory(build_build));
  categories_.push_back(ExtensionCategory());
  categories_.push_back(OthersCategory());
}

const SearchCategory* SearchTypeRegistry::FindCategory(std::string_view name) const {
  for (const SearchCategory& category : categories_) {
    if (category.name() == name) return &category;
  }
  return nullptr;
}

const SearchType* SearchTypeRegistry::FindType(std::string_view name) const {
  for (const SearchCategory& category : categories_) {
    if (const SearchType* type = category.FindType(name)) return type;
  }
  return nullptr;
}

}  // namespace tavrune
