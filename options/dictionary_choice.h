#ifndef TAVRUNE_OPTIONS_DICTIONARY_CHOICE_H_
#define TAVRUNE_OPTIONS_DICTIONARY_CHOICE_H_

#include <array>

#include "dictionary/dictionary.h"
#include "engine/lexicon_id.h"

namespace tavrune {

// Which lexicon files were found at start-up, by LexiconId.
using LexiconPresence = std::array<bool, kLexiconCount>;

// The enabling rules of the dictionary options.
//
// A dictionary can be chosen only when its file was found.
bool DictionaryEnabled(const LexiconPresence& present, int dictionary);
// The answer source matters only for the combined list.
bool AnswerSourceEnabled(int dictionary);
// Word-source marks need both the British and the North American list.
bool SymbolsEnabled(const LexiconPresence& present);

// Applies the answer-source rule after the dictionary was set (on opening
// and on every click of a dictionary button): with the combined list chosen
// the answers come from both lists.
void ApplyAnswerSourceRule(DictionaryChoices& choices);

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_DICTIONARY_CHOICE_H_
