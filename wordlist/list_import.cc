#include "wordlist/list_import.h"

#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/user_prompt.h"
#include "resources/string_table.h"
#include "wordlist/text_tokens.h"
#include "wordlist/wordlist_messages.h"

namespace tavrune {
namespace {

namespace text = wordlist_text;

constexpr const char* kMissedWordsDescription = "Missed words";

WordCollection ScratchList() {
  WordCollection words(WordCollection::kListGrowthStep, WordCollection::kListBlockSize);
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  return words;
}

// The new words of a text file, each once, in file order, as many as a list
// holds. Words the list already has are skipped here so that they take no
// room; `overflow` tells that new words were left over.
struct TextImport {
  WordCollection words = ScratchList();
  TextTokenCount tokens;
  bool overflow = false;
};

// Reads the file; on failure nothing of it is kept.
FileStatus ReadNewWords(const std::string& path, const WordCollection& master, TextImport& result) {
  WordCollection& words = result.words;
  // Views into `words`, whose pool never moves a word once stored.
  std::unordered_set<std::string_view> taken;
  // Only a regular file: a device or a pipe may never end.
  return ForEachWordTokenInFile(
      path, true,
      [&](std::string_view word) {
        if (taken.contains(word) || master.Contains(word)) return;
        if (!words.Append(word)) {
          result.overflow = true;
          return;
        }
        taken.insert(words.Word(words.Count() - 1));
      },
      result.tokens);
}

}  // namespace

int ImportListFile(MTavruneDoc& doc, const std::string& path) {
  WordCollection words = ScratchList();
  if (!doc.Read(path, false, &words)) return 0;
  return doc.MergeWords(words);
}

int ImportTextFile(MTavruneDoc& doc, const std::string& path) {
  UserPrompt& prompt = doc.Prompt();
  TextImport import;
  FileStatus read;
  {
    const WaitCursor wait(prompt);
    prompt.SetStatusText(text::kReadingFile);
    read = ReadNewWords(path, doc.MasterWords(), import);
    prompt.SetStatusText(kIdleText);
  }
  if (!read.ok()) {
    ShowFileError(prompt, text::kCannotOpenFile, path, read);
    return 0;
  }
  const int rejected = import.tokens.rejected;
  if (rejected > 0) {
    prompt.ShowMessage(rejected == 1 ? text::kWordNotImported : text::kWordsNotImported,
                       {std::to_string(rejected)});
  }
  WordCollection& words = import.words;
  const int room = MTavruneDoc::kMaxWords - doc.MasterWords().Count();
  // Asked here rather than by the merge, which cannot know of new words
  // beyond the 64,000 that `words` holds.
  if (import.overflow || words.Count() > room) {
    if (prompt.AskYesNo(text::kMergeLimit, {std::to_string(room)}) != UserPrompt::Answer::kYes) {
      return 0;
    }
    while (words.Count() > room) words.RemoveAt(words.Count() - 1);
  }
  const WaitCursor wait(prompt);
  return doc.MergeWords(words);
}

int ReplaceWords(MTavruneDoc& doc, const WordCollection& words) {
  if (&words == &doc.MasterWords()) {
    const WordCollection copy = words;
    return ReplaceWords(doc, copy);
  }
  // Emptied first, the list has room for every word, so the merge never asks.
  doc.RemoveMarkedWords(std::vector<bool>(static_cast<size_t>(doc.MasterWords().Count()), true));
  doc.MergeWords(words);
  return doc.MasterWords().Count();
}

bool ExportText(MTavruneDoc& doc, const std::string& path) {
  UserPrompt& prompt = doc.Prompt();
  FileStatus saved;
  {
    const WaitCursor wait(prompt);
    saved = doc.MasterWords().SaveText(path, false);
  }
  if (!saved.ok()) ShowFileError(prompt, text::kSaveFailed, path, saved);
  return saved.ok();
}

bool TakeMissedWords(MTavruneDoc& doc, WordCollection missed) {
  if (missed.IsEmpty() || !doc.SaveModified()) return false;
  doc.SetModifiedFlag(false);
  doc.NewDocument();
  {
    WaitCursor wait(doc.Prompt());
    doc.MergeWords(missed);
  }
  doc.SetDescription(kMissedWordsDescription);
  return true;
}

int TakePredefinedList(MTavruneDoc& doc, const PredefinedListWords& chosen, bool as_new_list) {
  if (as_new_list) {
    const ListSettings& settings = doc.GetListSettings();
    doc.SetAnagramOrder(settings.anagram_order, settings.user_order, chosen.stem);
    doc.SetDescription(chosen.description);
  }
  return doc.MergeWords(chosen.words);
}

}  // namespace tavrune
