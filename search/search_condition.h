#ifndef TAVRUNE_SEARCH_SEARCH_CONDITION_H_
#define TAVRUNE_SEARCH_SEARCH_CONDITION_H_

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/lexicon.h"
#include "engine/word_filter.h"

namespace tavrune {

// A test of one word against a lexicon. `matching` false inverts it, so a
// search can keep the words that do not fit; a word that cannot be tested at
// all (too short, too long) fails Test and is therefore kept when inverted.
//
// Tests are const but may use scratch buffers held in the object, so one
// condition must not be tested from two threads at once.
class SearchCondition {
 public:
  explicit SearchCondition(bool matching = true) : matching_(matching) {}
  virtual ~SearchCondition() = default;
  SearchCondition(const SearchCondition&) = delete;
  SearchCondition& operator=(const SearchCondition&) = delete;

  // Whether `word` has the property, with `lexicon` deciding what is a word.
  virtual bool Test(std::string_view word, const Lexicon& lexicon) const = 0;
  bool Passes(std::string_view word, const Lexicon& lexicon) const {
    return Test(word, lexicon) == matching_;
  }
  bool matching() const { return matching_; }

 private:
  bool matching_;
};

// Owns its conditions; a word passes when every one passes, tested in the
// order they were added, stopping at the first failure.
class ConditionList {
 public:
  ConditionList() = default;
  ConditionList(ConditionList&&) noexcept = default;
  ConditionList& operator=(ConditionList&&) noexcept = default;

  // Ignores a null condition.
  void Add(std::unique_ptr<SearchCondition> condition) {
    if (condition != nullptr) conditions_.push_back(std::move(condition));
  }
  template <typename Condition, typename... Args>
  Condition& Emplace(Args&&... args) {
    auto condition = std::make_unique<Condition>(std::forward<Args>(args)...);
    Condition& added = *condition;
    conditions_.push_back(std::move(condition));
    return added;
  }
  void Clear() { conditions_.clear(); }

  int Count() const { return static_cast<int>(conditions_.size()); }
  bool IsEmpty() const { return conditions_.empty(); }
  const SearchCondition& At(int index) const { return *conditions_[index]; }

  bool Passes(std::string_view word, const Lexicon& lexicon) const {
    for (const auto& condition : conditions_) {
      if (!condition->Passes(word, lexicon)) return false;
    }
    return true;
  }

 private:
  std::vector<std::unique_ptr<SearchCondition>> conditions_;
};

// An absent list passes every word.
inline bool PassesConditions(const ConditionList* conditions, std::string_view word,
                             const Lexicon& lexicon) {
  return conditions == nullptr || conditions->Passes(word, lexicon);
}

// A condition list with the lexicon it tests against, in the form the
// generators and the collection filters take.
class ConditionFilter : public WordFilter {
 public:
  ConditionFilter(const ConditionList& conditions, const Lexicon& lexicon)
      : conditions_(conditions), lexicon_(lexicon) {}
  bool Passes(std::string_view word) const override { return conditions_.Passes(word, lexicon_); }

 private:
  const ConditionList& conditions_;
  const Lexicon& lexicon_;
};

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_SEARCH_CONDITION_H_
