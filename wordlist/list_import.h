#ifndef TAVRUNE_WORDLIST_LIST_IMPORT_H_
#define TAVRUNE_WORDLIST_LIST_IMPORT_H_

#include <string>

#include "wordlist/predefined_catalog.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune {

// The import and export commands of a word list. Each ends, like every
// command that adds words, in MTavruneDoc::MergeWords, and tells the user
// through the document's prompt what went wrong.

// The words of another word-list file (its description, notes and settings
// are read and dropped). The file's own messages on failure (40004, 40009,
// 40024) and no change. Returns the number of words the list grew by.
int ImportListFile(MTavruneDoc& doc, const std::string& path);

// The words of a plain-text file: white-space separated tokens (a run of
// more than 100 characters is taken as several tokens); a token of at most
// 15 letters and '?' is upper-cased and merged in file order, any other is
// counted and reported once (40028 for one, 40027 for more). A file that
// cannot be opened or read, or is not a regular file, gives 40004 and no
// change. When more new words are found than fit in a list, the user is
// asked first (40087), as for a merge. Returns the number of words the list
// grew by.
int ImportTextFile(MTavruneDoc& doc, const std::string& path);

// The words a predefined list gave. A new list takes the list's stem (for
// the Stem presentation) and its "Category.Subcategory.List" description;
// an import keeps the list's own. Returns the number of words the list grew
// by.
int TakePredefinedList(MTavruneDoc& doc, const PredefinedListWords& chosen, bool as_new_list);

// A new list of `missed`, the words the quizzes of the current list type
// missed (taken before the new list may reset the history), of the same type and settings as the
// one studied, described as "Missed words", so the player can drill them. The modified list is
// offered for saving first. False when nothing was missed or the user cancelled.
bool TakeMissedWords(MTavruneDoc& doc, WordCollection missed);

// The end of Customize: the words become the list's words (the entries are
// rebuilt, the undo history cleared, hint 6). Returns the number of words
// the list holds.
int ReplaceWords(MTavruneDoc& doc, const WordCollection& words);

// The master words, alphabetical and upper case, one a line. The old file is
// replaced only when the new one is complete; on failure 40025. The
// document is not changed.
bool ExportText(MTavruneDoc& doc, const std::string& path);

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_LIST_IMPORT_H_
