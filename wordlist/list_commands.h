#ifndef TAVRUNE_WORDLIST_LIST_COMMANDS_H_
#define TAVRUNE_WORDLIST_LIST_COMMANDS_H_

#include "wordlist/tavrune_doc.h"

namespace tavrune {

// When the commands that change which words a list holds are enabled, so the
// menus and toolbar can ask the document.

// Import a .tvr, text, predefined or custom list: while the list has room.
bool CanImportWords(const MTavruneDoc& doc);
// Customize and Remove Common Words: while the list has entries.
bool CanCustomizeList(const MTavruneDoc& doc);
bool CanRemoveCommonWords(const MTavruneDoc& doc);
// Not for the List type: its entries have no answers, so removing those
// without would empty the list and removing those with would do nothing.
bool CanRemoveWordsWithAnswers(const MTavruneDoc& doc);
bool CanRemoveWordsWithoutAnswers(const MTavruneDoc& doc);
// British words can be told apart with the NA and combined lexicons,
// North-American ones with the UK and combined lexicons.
bool CanRemoveBritishWords(const MTavruneDoc& doc);
bool CanKeepBritishWords(const MTavruneDoc& doc);
bool CanRemoveNorthAmericanWords(const MTavruneDoc& doc);
bool CanKeepNorthAmericanWords(const MTavruneDoc& doc);
// Export: always, an empty list giving an empty file.
bool CanExportText(const MTavruneDoc& doc);

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_LIST_COMMANDS_H_
