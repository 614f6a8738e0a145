#ifndef TAVRUNE_STUDY_CARDBOX_KINDS_H_
#define TAVRUNE_STUDY_CARDBOX_KINDS_H_

#include <optional>

#include "cardbox/card.h"
#include "wordlist/list_settings.h"

namespace tavrune {

// The kind of card a list's entries make; nothing for a plain List, which
// has no quiz.
constexpr std::optional<CardKind> CardKindOfList(ListType type) {
  switch (type) {
    case ListType::kAnagrams:
      return CardKind::kAnagrams;
    case ListType::kHooks:
      return CardKind::kHooks;
    case ListType::kAnagramsAndHooks:
      return CardKind::kAnagramsAndHooks;
    case ListType::kBuild:
      return CardKind::kBuild;
    case ListType::kList:
      break;
  }
  return std::nullopt;
}

// The list type that quizzes a kind of card.
constexpr ListType ListTypeOfCard(CardKind kind) {
  switch (kind) {
    case CardKind::kAnagrams:
      return ListType::kAnagrams;
    case CardKind::kHooks:
      return ListType::kHooks;
    case CardKind::kAnagramsAndHooks:
      return ListType::kAnagramsAndHooks;
    case CardKind::kBuild:
      return ListType::kBuild;
  }
  return ListType::kAnagrams;
}

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_CARDBOX_KINDS_H_
