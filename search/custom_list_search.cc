#include "search/custom_list_search.h"

#include "search/search_messages.h"

namespace tavrune {

CustomListSearch::CustomListSearch(WordCollection& working, bool prune_mode, const Lexicon& lexicon,
                                   UserPrompt& prompt, bool build_build)
    : working_(working),
      prune_mode_(prune_mode),
      lexicon_(lexicon),
      prompt_(prompt),
      registry_(build_build) {}

CustomListSearch::Outcome CustomListSearch::Search(const SearchType& type,
                                                   const SearchParameters& parameters,
                                                   std::optional<SearchMessage>* refusal) {
  if (working_.IsEmpty() && (prune_mode_ || exhausted_)) return Outcome::kIgnored;
  const WordCollection* source = Source();
  if (std::optional<SearchMessage> message = type.CheckInputs(parameters, source)) {
    prompt_.ShowMessage(message->id, message->args);
    if (refusal != nullptr) *refusal = std::move(message);
    return Outcome::kRefused;
  }
  if (source == nullptr && !type.SearchesWholeLexicon()) {
    // The type says so itself (40056). It counts as a search that found
    // nothing: Undo takes back the (empty) words it started from.
    WordCollection nothing;
    type.Search(parameters, lexicon_, nullptr, nothing, prompt_);
    undo_ = working_;
    can_undo_ = true;
    return Outcome::kRefused;
  }

  WaitCursor wait(prompt_);
  undo_ = working_;
  can_undo_ = true;
  const bool whole_lexicon = source == nullptr;
  const WordCollection searched = working_;
  working_.Clear();
  working_.SetSortMode(false, SortKey::kAlphabetical, false);
  type.Search(parameters, lexicon_, whole_lexicon ? nullptr : &searched, working_, prompt_);
  working_.SetSortMode(true, SortKey::kAlphabetical, false);
  exhausted_ = working_.IsEmpty();
  // Generators stop at the limit; a list search can never exceed its source.
  if (whole_lexicon && working_.IsFull()) {
    prompt_.ShowMessage(kSearchCutMessage, {}, UserPrompt::Icon::kInformation);
  }
  return Outcome::kDone;
}

void CustomListSearch::Undo() {
  if (!can_undo_) return;
  working_ = undo_;
  undo_.Clear();
  can_undo_ = false;
  exhausted_ = false;
}

void CustomListSearch::NewSearch() {
  working_.Clear();
  undo_.Clear();
  can_undo_ = false;
  exhausted_ = false;
}

std::string CustomListSearch::LabelWithRange(const SearchType& type, SearchField field) const {
  std::string label(type.Label(field));
  if (field != SearchField::kNumber1 && field != SearchField::kNumber2) return label;
  const SearchLimits limits = type.GetLimits(Source());
  const bool first = field == SearchField::kNumber1;
  return label + " (" + std::to_string(first ? limits.min1 : limits.min2) + " - " +
         std::to_string(first ? limits.max1 : limits.max2) + ")";
}

}  // namespace tavrune
