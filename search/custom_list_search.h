#ifndef TAVRUNE_SEARCH_CUSTOM_LIST_SEARCH_H_
#define TAVRUNE_SEARCH_CUSTOM_LIST_SEARCH_H_

#include <optional>
#include <string>

#include "engine/lexicon.h"
#include "engine/word_collection.h"
#include "platform/user_prompt.h"
#include "search/search_type.h"
#include "search/search_type_registry.h"

namespace tavrune {

// The custom-list dialog without its windows: a working list narrowed by
// successive searches, the first over the whole lexicon (unless pruning a
// list), with one level of undo. The working list belongs to the caller.
class CustomListSearch {
 public:
  // What Search did.
  enum class Outcome {
    kIgnored,  // nothing to refine: pruning an empty list, or the last search found nothing
    kRefused,  // an input was wrong; the prompt showed why
    kDone,
  };

  // `working` is searched first when it holds words. In `prune_mode` the
  // whole lexicon is never searched.
  CustomListSearch(WordCollection& working, bool prune_mode, const Lexicon& lexicon,
                   UserPrompt& prompt, bool build_build = false);

  const SearchTypeRegistry& registry() const { return registry_; }
  const WordCollection& working() const { return working_; }
  bool prune_mode() const { return prune_mode_; }
  bool CanUndo() const { return can_undo_; }
  // The last search left no words; searching waits for Undo or New Search.
  bool Exhausted() const { return exhausted_; }

  // The checks of CheckInputs, then the search over the working words (or
  // the whole lexicon while there are none), which replaces them. On
  // refusal `refusal` (when given) names the message and the input at fault;
  // a type that cannot search the whole lexicon is refused with Undo
  // enabled, as after a search that found nothing.
  Outcome Search(const SearchType& type, const SearchParameters& parameters,
                 std::optional<SearchMessage>* refusal = nullptr);
  // The words before the last search come back; only once.
  void Undo();
  // Forgets every search: the next covers the whole lexicon again.
  void NewSearch();

  // The list the types' limits depend on: null while there are no words.
  const WordCollection* Source() const { return working_.IsEmpty() ? nullptr : &working_; }
  // A number's label with its range, "Min length (2 - 15)"; a pattern's as
  // it is.
  std::string LabelWithRange(const SearchType& type, SearchField field) const;

 private:
  WordCollection& working_;
  WordCollection undo_;
  bool prune_mode_;
  bool can_undo_ = false;
  // A search ran and left no words: refining nothing must not become a
  // whole-lexicon search.
  bool exhausted_ = false;
  const Lexicon& lexicon_;
  UserPrompt& prompt_;
  SearchTypeRegistry registry_;
};

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_CUSTOM_LIST_SEARCH_H_
