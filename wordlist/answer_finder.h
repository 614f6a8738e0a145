#ifndef TAVRUNE_WORDLIST_ANSWER_FINDER_H_
#define TAVRUNE_WORDLIST_ANSWER_FINDER_H_

#include <string_view>

#include "engine/lexicon.h"
#include "engine/word_collection.h"
#include "search/search_condition.h"
#include "wordlist/list_settings.h"

namespace tavrune {

// Decides the answers of a list entry under the list type: its anagrams, its
// hooks, its anagrams with their hook letters, or the words it builds, each
// left out when the excluded lexicon holds it. Borrows the lexicons, which
// must outlive it.
class AnswerFinder {
 public:
  explicit AnswerFinder(const Lexicon& lexicon) : lexicon_(&lexicon) {}
  AnswerFinder(const AnswerFinder&) = delete;
  AnswerFinder& operator=(const AnswerFinder&) = delete;

  void SetLexicon(const Lexicon& lexicon) { lexicon_ = &lexicon; }
  const Lexicon& lexicon() const { return *lexicon_; }
  // Null lifts the filter. True when the excluded lexicon changed.
  bool SetExcludedLexicon(const Lexicon* excluded);
  const Lexicon* excluded_lexicon() const { return excluded_; }

  // Adds the answers of `entry` to `out`; with front-and-end hooks the end
  // hooks go to `second` (pass `out` twice for one group).
  void Find(std::string_view entry, const ListSettings& settings, WordCollection& out,
            WordCollection& second) const;
  // The answers of `entry` in one group.
  int Count(std::string_view entry, const ListSettings& settings) const;

 private:
  // Answers must not be in the excluded lexicon (when there is one).
  void AddFilter(ConditionList& conditions) const;

  const Lexicon* lexicon_;
  const Lexicon* excluded_ = nullptr;
  ConditionList filter_;
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_ANSWER_FINDER_H_
