#include "wordlist/answer_finder.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/generators.h"
#include "search/conditions.h"
#include "wordlist/packed_answers.h"

namespace tavrune {
namespace {

// Built answers of a long rack run to many thousands. Rather than land in a
// scratch collection to be sorted by length and copied again, the words the
// conditions pass are kept here as found (the generator is told to keep
// none), then dealt out by length into the caller's collection once.
class BuiltAnswers : public WordFilter {
 public:
  BuiltAnswers(const ConditionList& conditions, const Lexicon& lexicon)
      : conditions_(conditions), lexicon_(lexicon) {}

  bool Passes(std::string_view word) const override {
    if (conditions_.Passes(word, lexicon_)) found_.Append(word);
    return false;
  }

  // Appends the words shortest first, alphabetically within a length, then
  // sorts `out` when it is sorted, as appending a collection does.
  void AppendByLength(WordCollection& out) const {
    std::vector<std::string_view> alphabetical;
    alphabetical.reserve(found_.AnswerCount());
    for (size_t i = 0; i < found_.AnswerCount(); ++i) alphabetical.push_back(found_.Answer(i));
    // Answers are upper case, where byte order is the alphabetical order.
    if (!std::is_sorted(alphabetical.begin(), alphabetical.end())) {
      std::sort(alphabetical.begin(), alphabetical.end());
    }
    std::array<size_t, WordCollection::kMaxWordLength + 2> first = {};
    const auto length_of = [](std::string_view word) {
      return std::min<size_t>(word.size(), WordCollection::kMaxWordLength);
    };
    for (std::string_view word : alphabetical) ++first[length_of(word) + 1];
    for (size_t i = 1; i < first.size(); ++i) first[i] += first[i - 1];
    std::vector<std::string_view> ordered(alphabetical.size());
    for (std::string_view word : alphabetical) ordered[first[length_of(word)]++] = word;
    for (std::string_view word : ordered) {
      if (!out.Append(word)) break;
    }
    if (out.sorted()) out.Sort();
  }

 private:
  const ConditionList& conditions_;
  const Lexicon& lexicon_;
  mutable PackedAnswers found_;
};

}  // namespace

bool AnswerFinder::SetExcludedLexicon(const Lexicon* excluded) {
  if (excluded == excluded_) return false;
  excluded_ = excluded;
  filter_.Clear();
  AddFilter(filter_);
  return true;
}

void AnswerFinder::AddFilter(ConditionList& conditions) const {
  if (excluded_ != nullptr) conditions.Emplace<LexiconMemberCondition>(*excluded_, false);
}

void AnswerFinder::Find(std::string_view entry_view, const ListSettings& settings,
                        WordCollection& out, WordCollection& second) const {
  // A copy, as `entry_view` may lie in a collection the answers go to.
  const std::string entry(entry_view);
  const Lexicon& lexicon = *lexicon_;
  const ConditionFilter filter(filter_, lexicon);
  const WordFilter* answer_filter = filter_.IsEmpty() ? nullptr : &filter;
  switch (settings.list_type) {
    case ListType::kAnagrams:
      Anagrams(lexicon, entry, out, answer_filter, false);
      break;
    case ListType::kHooks: {
      const std::string front(static_cast<size_t>(std::max(0, settings.front_hook_letters)), '?');
      const std::string end(static_cast<size_t>(std::max(0, settings.end_hook_letters)), '?');
      switch (settings.hook_type) {
        case HookType::kFront:
          PatternMatches(lexicon, front + entry, out, answer_filter);
          break;
        case HookType::kEnd:
          PatternMatches(lexicon, entry + end, out, answer_filter);
          break;
        case HookType::kFrontAndEnd:
          PatternMatches(lexicon, front + entry, out, answer_filter);
          PatternMatches(lexicon, entry + end, second, answer_filter);
          break;
        case HookType::kBothEnds:
          PatternMatches(lexicon, front + entry + end, out, answer_filter);
          break;
      }
      break;
    }
    case ListType::kList:
      break;
    case ListType::kAnagramsAndHooks: {
      WordCollection anagrams(WordCollection::kSmallGrowthStep, WordCollection::kSmallBlockSize);
      Anagrams(lexicon, entry, anagrams, answer_filter, false);
      for (std::string_view anagram : anagrams) out.Insert(lexicon.HookLine(anagram));
      break;
    }
    case ListType::kBuild: {
      ConditionList conditions;
      conditions.Emplace<LengthCondition>(settings.build_minimum, settings.build_maximum);
      AddFilter(conditions);
      const BuiltAnswers built(conditions, lexicon);
      WordCollection none(WordCollection::kSmallGrowthStep, WordCollection::kSmallBlockSize);
      Builds(lexicon, entry, none, &built, false);
      built.AppendByLength(out);
      break;
    }
  }
}

int AnswerFinder::Count(std::string_view entry, const ListSettings& settings) const {
  WordCollection answers(WordCollection::kSmallGrowthStep, WordCollection::kSmallBlockSize);
  answers.SetSortMode(false, SortKey::kAlphabetical, false);
  Find(entry, settings, answers, answers);
  return answers.Count();
}

}  // namespace tavrune
