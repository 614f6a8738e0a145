#include "cardbox/card.h"

#include "engine/letter_order.h"

namespace tavrune {

std::string_view CardKindName(CardKind kind) {
  switch (kind) {
    case CardKind::kAnagrams:
      return "anagrams";
    case CardKind::kHooks:
      return "hooks";
    case CardKind::kAnagramsAndHooks:
      return "anagrams-hooks";
    case CardKind::kBuild:
      return "build";
  }
  return "anagrams";
}

std::string_view CardKindTitle(CardKind kind) {
  switch (kind) {
    case CardKind::kAnagrams:
      return "Anagrams";
    case CardKind::kHooks:
      return "Hooks";
    case CardKind::kAnagramsAndHooks:
      return "Anagrams and Hooks";
    case CardKind::kBuild:
      break;
  }
  return "Build";
}

std::optional<CardKind> CardKindFromName(std::string_view name) {
  for (CardKind kind : kAllCardKinds) {
    if (CardKindName(kind) == name) return kind;
  }
  return std::nullopt;
}

std::optional<std::string> CardQuestion(CardKind kind, std::string_view entry) {
  if (entry.empty() || entry.size() > kMaxQuestionLength) return std::nullopt;
  for (char c : entry) {
    if ((c < 'A' || c > 'Z') && c != '?') return std::nullopt;
  }
  if (kind == CardKind::kAnagrams || kind == CardKind::kAnagramsAndHooks) return Alphagram(entry);
  return std::string(entry);
}

}  // namespace tavrune
