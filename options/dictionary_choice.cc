#include "options/dictionary_choice.h"

namespace tavrune {

bool DictionaryEnabled(const LexiconPresence& present, int dictionary) {
  return dictionary >= 0 && dictionary < kLexiconCount && present[static_cast<size_t>(dictionary)];
}

bool AnswerSourceEnabled(int dictionary) { return dictionary == Index(LexiconId::kUKNA); }

bool SymbolsEnabled(const LexiconPresence& present) {
  return present[Index(LexiconId::kUK)] && present[Index(LexiconId::kNA)];
}

void ApplyAnswerSourceRule(DictionaryChoices& choices) {
  if (AnswerSourceEnabled(choices.source)) choices.answer_source = Index(LexiconId::kUKNA);
}

}  // namespace tavrune
