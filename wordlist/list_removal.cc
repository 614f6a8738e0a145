#include "wordlist/list_removal.h"

#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/user_prompt.h"
#include "resources/string_table.h"
#include "wordlist/list_commands.h"
#include "wordlist/wordlist_messages.h"

namespace tavrune {
namespace {

namespace text = wordlist_text;

// Marks the master words `remove` picks, under the status text `status_id`,
// then removes them.
template <typename Pick>
int RemoveWhere(MTavruneDoc& doc, int status_id, Pick&& remove) {
  UserPrompt& prompt = doc.Prompt();
  const WaitCursor wait(prompt);
  prompt.SetStatusText(status_id);
  const WordCollection& master = doc.MasterWords();
  std::vector<bool> marked(static_cast<size_t>(master.Count()));
  for (int i = 0; i < master.Count(); ++i) marked[static_cast<size_t>(i)] = remove(master.Word(i));
  prompt.SetStatusText(kIdleText);
  return doc.RemoveMarkedWords(marked);
}

int WithLexicon(MTavruneDoc& doc, LexiconId id, bool keep) {
  Dictionary& dictionary = doc.GetDictionary();
  if (!dictionary.EnsureLexiconLoaded(id)) return 0;
  const Lexicon& lexicon = dictionary.LexiconFor(id);
  return keep ? KeepWordsIn(doc, lexicon) : RemoveWordsIn(doc, lexicon);
}

}  // namespace

int RemoveCommonWords(MTavruneDoc& doc, const std::string& path) {
  WordCollection other(WordCollection::kListGrowthStep, WordCollection::kListBlockSize);
  other.SetSortMode(false, SortKey::kAlphabetical, false);
  if (!doc.Read(path, false, &other)) return 0;
  const std::unordered_set<std::string_view> common(other.begin(), other.end());
  return RemoveWhere(doc, text::kRemovingCommonWords,
                     [&](std::string_view word) { return common.contains(word); });
}

int RemoveWordsIn(MTavruneDoc& doc, const Lexicon& lexicon) {
  return RemoveWhere(doc, text::kRemovingWords,
                     [&](std::string_view word) { return lexicon.Contains(word); });
}

int KeepWordsIn(MTavruneDoc& doc, const Lexicon& lexicon) {
  return RemoveWhere(doc, text::kRemovingWords,
                     [&](std::string_view word) { return !lexicon.Contains(word); });
}

int RemoveBritishWords(MTavruneDoc& doc) {
  return CanRemoveBritishWords(doc) ? WithLexicon(doc, LexiconId::kUK, false) : 0;
}

int KeepBritishWords(MTavruneDoc& doc) {
  return CanKeepBritishWords(doc) ? WithLexicon(doc, LexiconId::kUK, true) : 0;
}

int RemoveNorthAmericanWords(MTavruneDoc& doc) {
  return CanRemoveNorthAmericanWords(doc) ? WithLexicon(doc, LexiconId::kNA, false) : 0;
}

int KeepNorthAmericanWords(MTavruneDoc& doc) {
  return CanKeepNorthAmericanWords(doc) ? WithLexicon(doc, LexiconId::kNA, true) : 0;
}

}  // namespace tavrune
