#ifndef TAVRUNE_SEARCH_SEARCH_TYPE_H_
#define TAVRUNE_SEARCH_SEARCH_TYPE_H_

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lexicon.h"
#include "engine/word_collection.h"
#include "platform/user_prompt.h"
#include "search/search_condition.h"

namespace tavrune {

// The four inputs of a search, in the order of the custom-list dialog.
enum class SearchField { kPattern1 = 0, kPattern2 = 1, kNumber1 = 2, kNumber2 = 3 };

// The allowed range of each number (inclusive) and whether number 2 must be
// at least number 1.
struct SearchLimits {
  int min1 = 0;
  int max1 = 15;
  int min2 = 0;
  int max2 = 15;
  bool order_check = false;

  bool operator==(const SearchLimits&) const = default;
};

// What a search is asked for. The patterns arrive upper-cased.
struct SearchParameters {
  std::string pattern1;
  std::string pattern2;
  int number1 = 0;
  int number2 = 0;
  // True for "Matching conditions", false for "Not Matching conditions".
  bool matching = true;
};

// The answer of Validate: valid, or the message to show and the pattern
// field to put the focus in.
struct Validation {
  bool valid = true;
  int message_id = 0;
  SearchField field = SearchField::kPattern1;

  static Validation Ok() { return {}; }
  static Validation Fail(int message_id, SearchField field) { return {false, message_id, field}; }
  explicit operator bool() const { return valid; }
};

// A message for the user with its arguments, and the input at fault.
struct SearchMessage {
  int id = 0;
  std::vector<std::string> args;
  SearchField field = SearchField::kPattern1;
};

// How a type's labels, limits and inputs are described; the types fill it in.
struct SearchTypeInfo {
  std::string_view name;
  int help_id = 0;
  // Labels of pattern 1, pattern 2, number 1, number 2; empty for an input
  // the type does not use.
  std::array<std::string_view, 4> labels = {};
  SearchLimits limits;
  // False for the types that can only search a list.
  bool whole_lexicon = true;
};

// One kind of search of the custom-list dialog: it checks its inputs and
// fills a result collection from the whole lexicon or from a source list,
// through one search condition. Which engine call runs depends on the
// search (see Search); every route finds the same words.
class SearchType {
 public:
  explicit SearchType(const SearchTypeInfo& info) : info_(info) {}
  virtual ~SearchType() = default;
  SearchType(const SearchType&) = delete;
  SearchType& operator=(const SearchType&) = delete;

  // Fills `result` (expected empty) with the words found. `source` holds the
  // words searched; null means the whole lexicon. Matching searches of the
  // whole lexicon generate their words directly where the type allows,
  // other whole-lexicon searches walk every lexicon word in alphabetical
  // order, and list searches keep the source words that pass, in source
  // order. A type that cannot search the whole lexicon shows message 40056
  // and finds nothing. Generated words are all upper case.
  virtual void Search(const SearchParameters& parameters, const Lexicon& lexicon,
                      const WordCollection* source, WordCollection& result,
                      UserPrompt& prompt) const;
  // The number ranges; only "Probable" looks at the source list (null or
  // empty while there is none).
  virtual SearchLimits GetLimits(const WordCollection* source) const { return info_.limits; }
  // Checks the patterns (pattern 1 first). Numeric types always pass.
  virtual Validation Validate(std::string_view pattern1, std::string_view pattern2) const {
    return Validation::Ok();
  }

  // The one condition the search tests words with, carrying `matching`;
  // null for "Probable", which has none.
  virtual std::unique_ptr<SearchCondition> MakeCondition(const SearchParameters& parameters,
                                                         bool matching) const = 0;

  std::string_view name() const { return info_.name; }
  int help_id() const { return info_.help_id; }
  bool Uses(SearchField field) const { return !Label(field).empty(); }
  std::string_view Label(SearchField field) const {
    return info_.labels[static_cast<size_t>(field)];
  }
  bool SearchesWholeLexicon() const { return info_.whole_lexicon; }

  // The dialog's checks before a search, in its order: each used number
  // within its limits (the range message), then Validate, then the order of
  // the numbers (message 40048 with both labels). Nothing when all pass.
  std::optional<SearchMessage> CheckInputs(const SearchParameters& parameters,
                                           const WordCollection* source) const;

 protected:
  // Direct generation of the matching words of the whole lexicon, with
  // `conditions` holding the type's condition. False when the type has no
  // direct route, and a walk runs instead.
  virtual bool Generate(const SearchParameters& parameters, const Lexicon& lexicon,
                        const ConditionList& conditions, WordCollection& result) const {
    return false;
  }

 private:
  SearchTypeInfo info_;
};

// The three routes, for types that choose among them.
// Every lexicon word, in alphabetical order, that passes the conditions.
void WalkLexicon(const Lexicon& lexicon, const ConditionList& conditions, WordCollection& result);
// Every source word, in order, that passes the conditions.
void FilterList(const WordCollection& source, const Lexicon& lexicon,
                const ConditionList& conditions, WordCollection& result);

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_SEARCH_TYPE_H_
