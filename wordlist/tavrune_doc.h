#ifndef TAVRUNE_WORDLIST_TAVRUNE_DOC_H_
#define TAVRUNE_WORDLIST_TAVRUNE_DOC_H_

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary.h"
#include "engine/file_io.h"
#include "engine/lexicon.h"
#include "engine/probability.h"
#include "engine/random_source.h"
#include "engine/word_collection.h"
#include "platform/settings.h"
#include "platform/user_prompt.h"
#include "wordlist/answer_finder.h"
#include "wordlist/answer_layout.h"
#include "wordlist/deletion_history.h"
#include "wordlist/list_settings.h"

namespace tavrune {

// The numbers a document passes to its views when it asks them to update.
namespace hint {
inline constexpr int kAll = 0;           // everything: after New and Open
inline constexpr int kAnagramOrder = 1;  // anagram presentation rearranged
inline constexpr int kListType = 2;      // list type changed
inline constexpr int kHookOptions = 3;   // hook options changed (Hooks lists)
inline constexpr int kSortOptions = 4;   // list ordering changed
inline constexpr int kCurrentEntry = 5;  // cursor moved, entry deleted or restored
inline constexpr int kContents = 6;      // words merged, imported or removed
inline constexpr int kBuildLimits = 8;   // build limits changed (Build lists)
}  // namespace hint

// A view of the document: the main view, the slide window, the quiz bar.
class DocumentObserver {
 public:
  virtual ~DocumentObserver() = default;
  virtual void OnUpdate(int hint) = 0;
  // The description or the file name changed, so the frame title did.
  virtual void OnTitleChanged() {}
  // A new list was started or a list file was read in (not after a failed
  // read), before the entries are built.
  virtual void OnListStarted() {}
};

// The one word list of the study program. It holds the master words (what
// is saved and merged into, alphabetical) and the presentation list derived
// from them (the entries the user steps through; for the anagram list types
// one arranged alphagram per letter set), keeps the cursor, and carries the
// list settings that travel with its file. Each entry's answers come from
// its AnswerFinder and deleted entries go to its DeletionHistory.
//
// It borrows the dictionary (lexicons and choices), the settings store and
// the user prompt, which must outlive it, and takes the random generator
// for shuffles. Views observe it through the
// hint numbers. Single-threaded.
class MTavruneDoc {
 public:
  // The most words a list holds.
  static constexpr int kMaxWords = WordCollection::kMaxWords;

  // Reads the document's settings, takes the current lexicon and works out
  // the answer filter.
  MTavruneDoc(Dictionary& dictionary, Settings& store, UserPrompt& prompt, RandomEngine& random);
  // Deletes the contents and writes the settings back.
  ~MTavruneDoc();
  MTavruneDoc(const MTavruneDoc&) = delete;
  MTavruneDoc& operator=(const MTavruneDoc&) = delete;

  // --- Views ---

  void AddObserver(DocumentObserver* observer);
  void RemoveObserver(DocumentObserver* observer);
  void UpdateAllViews(int hint);

  // --- Commands around the document, as a document framework offers them ---

  // Asks for a file name when an untitled list is saved; nullopt cancels.
  // Without one, saving an untitled list is cancelled.
  using SavePathChooser = std::function<std::optional<std::string>(const std::string& title)>;
  void SetSavePathChooser(SavePathChooser chooser) { choose_save_path_ = std::move(chooser); }

  // A modified list asks "Save changes to %1?" (Yes, No, Cancel). False when
  // the user cancelled or the save failed: the caller must not go on.
  bool SaveModified();
  // New: offers to save, starts an untitled empty list, hint 0.
  bool NewDocument();
  // Open: offers to save, then reads the file. Whatever the outcome the views
  // get hint 0; after a failure the list is new, unmodified and untitled.
  bool OpenDocument(const std::string& path);
  // Save: to the list's file, or as a new file for an untitled list.
  bool SaveDocument();
  // Save As: to `path`, which becomes the list's file on success. When
  // that is the list's own file and another program changed it since it
  // was opened or saved (its size or time differ), the user is asked
  // first (40130); No saves nothing and gives false.
  bool SaveDocumentAs(const std::string& path);
  // Save As with the name from the chooser.
  bool SaveDocumentAs();
  // Offers to save before the program closes; false to stay open.
  bool CanCloseDocument() { return SaveModified(); }

  const std::string& PathName() const { return path_; }
  // The file name without its folder, or "Untitled".
  std::string Title() const;

  // --- Lifecycle ---

  // Empties the words, the entries, the undo history, the
  // description, the notes and the stem; the other list settings stay.
  void DeleteContents();
  // Delete contents, clear the modified flag, tell the observers a list
  // started.
  void OnNewDocument();
  // Reads a word-list file into the document: delete contents, read, tell
  // the observers a list started, rebuild the entries (a Random list keeps
  // its stored order), clear the modified flag. A failure (40004, 40009 or
  // 40024 shown) leaves an empty list.
  bool OnOpenDocument(const std::string& path);
  // Writes the list to `path` without harming an existing file on failure
  // (40025 shown); success clears the modified flag.
  bool OnSaveDocument(const std::string& path);

  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true) { modified_ = modified; }

  void ReadSettings();
  // Every change of the list settings writes them at once, so a program killed or run beside this
  // one finds them.
  void WriteSettings() const;

  // --- The file ---

  // Reads a word-list file. With `apply` the description, notes, settings,
  // master words and (for a Random list) the stored presentation list go into
  // the document; a settings block read whole stays applied even when the
  // words after it are damaged. Without `apply` only the words are appended
  // to `target`. Shows 40004, 40009 or 40024 on failure. `stored_index`
  // receives the saved cursor.
  bool Read(const std::string& path, bool apply, WordCollection* target = nullptr,
            int* stored_index = nullptr);

  // --- Answers and navigation ---

  // Adds the answers of entry `index` to `out`; with front-and-end hooks the
  // end hooks go to `second` (pass `out` twice for one group).
  void ComputeAnswers(int index, WordCollection& out, WordCollection& second) const;
  // The answers of entry `index` in one group.
  int AnswerCount(int index) const;

  // Moves the cursor (clamped) and sets the modified flag; with `notify`
  // hint 5. Returns the index reached.
  int GoToEntry(int index, bool notify = true);
  // The nearest entry after (before) the cursor with at least one answer
  // becomes current; false, cursor unchanged, when there is none. Neither
  // wraps around.
  bool NextEntryWithAnswers(bool notify = true);
  bool PreviousEntryWithAnswers(bool notify = true);
  // The index of an entry, -1 when absent. Finds entries also when the list
  // is marked sorted but out of order (letters shuffled).
  int FindEntry(std::string_view entry) const;

  // --- Deleting and undeleting while studying ---

  // Removes the current entry and its words from the list, onto the undo
  // history. For the anagram list types every master word with the entry's
  // letters goes, whether or not the answer filter shows it. Hint 5.
  void DeleteCurrentEntry();
  // Restores the last deleted entry and its words; false when there is none.
  // In a Random list it comes back at the cursor, otherwise at its sorted
  // place (and, with `notify`, hint 5 as it becomes current).
  bool UndeleteLast(bool notify = true);
  // The Undelete buttons: UndeleteLast and hint 5 when something came back.
  bool UndeleteOne();
  // Undelete All: everything back, then hint 5 once.
  void UndeleteAll();
  bool CanUndelete() const { return !history_.IsEmpty(); }
  void ClearUndoHistory();

  // --- Rebuilding and settings ---

  // The entries anew from the master words: for the anagram types one
  // arranged alphagram per letter set, then the list ordering; the cursor
  // goes to `index`.
  void RebuildEntries(int index, bool notify);
  // Stores the presentation order of anagram entries (user order and stem are
  // normalised); the anagram list types are rearranged, hint 1.
  void SetAnagramOrder(AnagramOrder order, std::string_view user_order, std::string_view stem);
  // Clamped to 2-15; hint 8 for Build lists.
  void SetBuildLimits(int minimum, int maximum);
  // A change between the anagram and the word families rebuilds the entries
  // and clears the undo history. Hint 2.
  void SetListType(ListType type);
  // Letters clamped to 1-7; hint 3 for Hooks lists.
  void SetHookOptions(HookType type, int front_letters, int end_letters);
  // Orders the entries anew (first entry current), hint 4.
  void SetSortOptions(SortType type, bool descending);
  void SetDescription(std::string_view description);
  void SetNotes(std::string_view notes);

  // The List Ordering dialog's OK with its raw choices. Random asked for a
  // Random list asks 40077 first; an unchanged choice does nothing. True
  // when the list was ordered anew.
  bool ChooseListOrdering(int sort_type, int sort_order);
  // The Anagram Options dialog's OK: rearranges only when something changed.
  bool ChooseAnagramOptions(int order, std::string_view user_order, std::string_view stem);

  // The current lexicon becomes the application's current one.
  void RefreshLexicon();
  // Works out the answer filter again; a different filter clears the undo
  // history. True when it changed.
  bool RefreshAnswerFilter();
  // After the user changed the dictionary: both of the above, then hint 5.
  void DictionaryChanged();

  // The common end of every import and list-creating command: the words are
  // added to the master list (beyond 64,000 words the user is asked whether
  // to take only those that fit), duplicates are dropped, the undo history
  // is cleared and the entries are rebuilt; hint 6. Returns the number of
  // words the list grew by. Only words the list lacks count against the
  // limit, so the first of them that fit are the ones taken.
  int MergeWords(const WordCollection& words);
  // The common end of the removal commands: the master words whose index is
  // marked go in one pass, the entries are rebuilt, hint 6. The undo
  // history stays. Returns the number removed.
  int RemoveMarkedWords(const std::vector<bool>& marked);

  // --- Display helpers ---

  bool IsAnagramType() const { return tavrune::IsAnagramType(settings_.list_type); }
  // "Anagrams", "Hooks (2,1)", "Build (2-15)" ...
  std::string ListTitle() const { return tavrune::ListTitle(settings_); }
  AnswerLayout GetAnswerLayout() const;
  // The dictionary's word-source marks.
  SourceSymbol WordSourceSymbol(std::string_view word) const {
    return dictionary_.WordSourceSymbol(word);
  }
  std::string WordSourceSymbolText(std::string_view word) const {
    return dictionary_.WordSourceSymbolText(word);
  }
  void AppendSourceSymbols(const WordCollection& source, WordCollection& target) const {
    dictionary_.AppendSourceSymbols(source, target);
  }

  // --- State ---

  const WordCollection& MasterWords() const { return master_; }
  const WordCollection& Entries() const { return entries_; }
  int EntryCount() const { return entries_.Count(); }
  int CurrentIndex() const { return entries_.cursor(); }
  std::string_view CurrentEntry() const { return entries_.CurrentWord(); }
  const DeletionHistory& UndoHistory() const { return history_; }
  // Changes whenever the entries or their answers may have, so work done
  // over them (the print preparation) knows to start again.
  uint64_t Revision() const { return revision_; }

  const std::string& Description() const { return description_; }
  const std::string& Notes() const { return notes_; }
  const ListSettings& GetListSettings() const { return settings_; }
  ListType GetListType() const { return settings_.list_type; }
  HookType GetHookType() const { return settings_.hook_type; }
  SortType GetSortType() const { return settings_.sort_type; }
  AnagramOrder GetAnagramOrder() const { return settings_.anagram_order; }

  const Lexicon& CurrentLexicon() const { return finder_.lexicon(); }
  // The lexicon whose words answers must not be in; null when answers are
  // not filtered.
  const Lexicon* AnswerFilterLexicon() const { return finder_.excluded_lexicon(); }
  Dictionary& GetDictionary() { return dictionary_; }
  const Dictionary& GetDictionary() const { return dictionary_; }
  // Where the document's commands talk to the user.
  UserPrompt& Prompt() const { return prompt_; }

 private:
  // The entries from the master words, before any list ordering: for the
  // anagram types one arranged alphagram per letter set.
  void BuildEntries();
  // A Random list's stored order and cursor, when the order holds exactly
  // the list's entries; otherwise the entries in their own order, and the
  // user is told once.
  void TakeStoredOrder(const WordCollection& order, int index, const std::string& path);
  // The rearrangement of anagram entries under the anagram order.
  void ArrangeAnagramEntries();
  // The list ordering under the sort type; ends on the first entry.
  void ApplyListOrdering(bool notify);
  void ApplySettings(const ListSettings& settings, bool with_build_limits);
  void NotifyTitleChanged();
  void NotifyListStarted();
  bool SaveWithChooser();
  // Saves and makes `path` the list's file, asking first when that is
  // the list's file and another program changed it.
  bool SaveTo(const std::string& path);
  bool ChangedSinceStamped() const;

  Dictionary& dictionary_;
  Settings& store_;
  UserPrompt& prompt_;
  RandomEngine& random_;
  std::vector<DocumentObserver*> observers_;
  SavePathChooser choose_save_path_;
  std::string path_;
  // The file's size and time as this document last read or wrote it.
  std::optional<FileStamp> stamp_;
  bool modified_ = false;

  WordCollection master_;
  WordCollection entries_;
  std::string description_;
  std::string notes_;
  ListSettings settings_;

  uint64_t revision_ = 0;

  DeletionHistory history_;
  AnswerFinder finder_;
  ProbabilityReference reference_;
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_TAVRUNE_DOC_H_
