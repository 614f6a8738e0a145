#ifndef TAVRUNE_WORDLIST_LIST_REMOVAL_H_
#define TAVRUNE_WORDLIST_LIST_REMOVAL_H_

#include <string>

#include "engine/lexicon.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune {

// The commands that take groups of words out of a list. Each changes the
// master words in one pass, then rebuilds the entries (hint 6); the undo
// history stays. They return the number of words removed.

// Every word the other word-list file holds. Its messages on failure (40004,
// 40009, 40024) and no change.
int RemoveCommonWords(MTavruneDoc& doc, const std::string& path);

// Every word the lexicon holds, or, for KeepWordsIn, every word it lacks.
int RemoveWordsIn(MTavruneDoc& doc, const Lexicon& lexicon);
int KeepWordsIn(MTavruneDoc& doc, const Lexicon& lexicon);

// The four menu commands over the UK and NA lexicons, loaded first when
// needed (a failure is reported by the loading and changes nothing). Each
// does nothing while its command is disabled (list_commands.h).
int RemoveBritishWords(MTavruneDoc& doc);
int KeepBritishWords(MTavruneDoc& doc);
int RemoveNorthAmericanWords(MTavruneDoc& doc);
int KeepNorthAmericanWords(MTavruneDoc& doc);

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_LIST_REMOVAL_H_
