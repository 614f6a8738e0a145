#include "search/search_type.h"

#include "engine/generators.h"
#include "resources/string_table.h"
#include "search/search_messages.h"

namespace tavrune {
namespace {

std::optional<SearchMessage> RangeMessage(int value, int minimum, int maximum, SearchField field) {
  if (value >= minimum && value <= maximum) return std::nullopt;
  return SearchMessage{
      kIntegerRangeText, {std::to_string(minimum), std::to_string(maximum)}, field};
}

}  // namespace

void WalkLexicon(const Lexicon& lexicon, const ConditionList& conditions, WordCollection& result) {
  const ConditionFilter filter(conditions, lexicon);
  PatternMatches(lexicon, "*", result, &filter);
}

void FilterList(const WordCollection& source, const Lexicon& lexicon,
                const ConditionList& conditions, WordCollection& result) {
  const ConditionFilter filter(conditions, lexicon);
  source.FilterByConditions(&filter, result);
}

void SearchType::Search(const SearchParameters& parameters, const Lexicon& lexicon,
                        const WordCollection* source, WordCollection& result,
                        UserPrompt& prompt) const {
  if (source == nullptr && !SearchesWholeLexicon()) {
    prompt.ShowMessage(kWholeLexiconMessage);
    return;
  }
  ConditionList conditions;
  conditions.Add(MakeCondition(parameters, parameters.matching));
  if (source != nullptr) {
    FilterList(*source, lexicon, conditions, result);
  } else if (!parameters.matching || !Generate(parameters, lexicon, conditions, result)) {
    WalkLexicon(lexicon, conditions, result);
  }
}

std::optional<SearchMessage> SearchType::CheckInputs(const SearchParameters& parameters,
                                                     const WordCollection* source) const {
  const SearchLimits limits = GetLimits(source);
  if (Uses(SearchField::kNumber1)) {
    if (auto message =
            RangeMessage(parameters.number1, limits.min1, limits.max1, SearchField::kNumber1)) {
      return message;
    }
  }
  if (Uses(SearchField::kNumber2)) {
    if (auto message =
            RangeMessage(parameters.number2, limits.min2, limits.max2, SearchField::kNumber2)) {
      return message;
    }
  }
  const Validation validation = Validate(parameters.pattern1, parameters.pattern2);
  if (!validation) return SearchMessage{validation.message_id, {}, validation.field};
  if (limits.order_check && parameters.number2 < parameters.number1) {
    return SearchMessage{
        kNumberOrderMessage,
        {std::string(Label(SearchField::kNumber2)), std::string(Label(SearchField::kNumber1))},
        SearchField::kNumber2};
  }
  return std::nullopt;
}

}  // namespace tavrune
