#ifndef TAVRUNE_DICTIONARY_DICTIONARY_H_
#define TAVRUNE_DICTIONARY_DICTIONARY_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lexicon.h"
#include "engine/lexicon_directory.h"
#include "engine/lexicon_id.h"
#include "engine/word_collection.h"
#include "engine/word_source.h"
#include "platform/settings.h"
#include "platform/user_prompt.h"

namespace tavrune {

// Which answers a list over the combined lexicon shows. The settings keep
// it as a number.
enum class AnswerSource : int {
  kBritishOnly = 0,        // not in the North-American list
  kNorthAmericanOnly = 1,  // not in the British list
  kBoth = 2,
};

// Any number other than the first two shows both.
constexpr AnswerSource AnswerSourceFromNumber(long long value) {
  if (value == 0) return AnswerSource::kBritishOnly;
  if (value == 1) return AnswerSource::kNorthAmericanOnly;
  return AnswerSource::kBoth;
}

// What the dictionary options edit.
struct DictionaryChoices {
  int source = 0;
  int answer_source = 0;
  bool use_symbols = false;
  bool use_symbols_for_main_word = false;
  WordSourceSymbols symbols;
};

// What applying new dictionary choices changed. After a change of source the
// caller moves everything that follows the current lexicon (probability
// reference, predefined lists, the document's lexicon); after a change of
// answer source the document recomputes its answers.
struct DictionaryChange {
  bool source_changed = false;
  bool answer_source_changed = false;
};

struct SourceSymbol {
  bool found = false;
  std::string symbol;
};

// The lexicons a program studies from: which lexicon files exist, one
// Lexicon slot per LexiconId (each loaded on first need and kept for the
// whole run), the user's dictionary choices and the word-source marks. It is
// neither copied nor moved, so the references it hands out (lexicons,
// symbols) stay valid while it lives. It keeps its own keys in the settings
// store and tells the user of a lexicon that cannot be loaded.
class Dictionary {
 public:
  // `data_folder` is where the "Lexicons" folder lies. Nothing is read
  // until DiscoverLexicons and ReadSettings are called.
  Dictionary(std::string data_folder, Settings& settings, UserPrompt& prompt);
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;

  // Finds the lexicon files and reads their headers. With none at all the
  // user is told (40084) and false is returned: the program cannot start.
  bool DiscoverLexicons();

  // Reads the dictionary keys. A dictionary never chosen is taken from the
  // only lexicon file when exactly one exists (so discover first); otherwise
  // NeedsDictionaryChoice() is true until ChooseDictionary is called.
  void ReadSettings();
  // Writes the dictionary keys. Every change writes them at once, so a
  // program killed or run beside this one finds the current choices.
  void WriteSettings() const;

  bool NeedsDictionaryChoice() const { return needs_dictionary_choice_; }
  // The button to preselect in the first-run choice: the first present of
  // NA, UK, UKNA, FR, NAF; NA when none is.
  LexiconId PreselectedDictionary() const;
  // The first-run choice sets both the source and the answer source.
  void ChooseDictionary(int choice);

  DictionaryChoices GetDictionaryChoices() const;
  // Takes edited dictionary choices; the answer source changes only while
  // the source is the combined list. Loads nothing: call LoadNeededLexicons.
  DictionaryChange ApplyDictionaryChoices(const DictionaryChoices& choices);

  // The slot of a lexicon; numbers outside 0-4 give the NA slot.
  Lexicon& LexiconFor(LexiconId id) { return lexicons_[Index(id)]; }
  const Lexicon& LexiconFor(LexiconId id) const { return lexicons_[Index(id)]; }
  Lexicon& LexiconFor(long long number) { return LexiconFor(SlotForNumber(number)); }
  const Lexicon& LexiconFor(long long number) const { return LexiconFor(SlotForNumber(number)); }
  Lexicon& CurrentLexicon() { return LexiconFor(source_); }
  const Lexicon& CurrentLexicon() const { return LexiconFor(source_); }
  // The lexicon whose words answers must not be in: under the combined
  // lexicon the other list for a British-only or North-American-only answer
  // source; otherwise null, and answers are not filtered.
  const Lexicon* ExcludedLexicon() const;

  // Whether the file was found at start-up; false for numbers outside 0-4.
  bool LexiconPresent(LexiconId id) const { return directory_.Present(id); }
  bool LexiconPresent(long long number) const;
  // The header read at start-up (all zero when the file could not be read).
  const LexiconHeader& Header(LexiconId id) const { return directory_.Header(id); }
  // True when the UKNA, NA and UK files were all found.
  bool AllSourcesPresent() const { return all_sources_present_; }
  // One description line per present lexicon, for the About box.
  std::string AboutText() const { return directory_.AboutText(); }

  // Loads a lexicon unless it is already in memory, with the status text and
  // wait cursor of a long operation. A missing file is reported as 40003, a
  // file that cannot be opened or is damaged as 40004; the slot then stays
  // empty, so a later call tries again.
  bool EnsureLexiconLoaded(LexiconId id);
  bool EnsureLexiconLoaded(long long number) { return EnsureLexiconLoaded(SlotForNumber(number)); }
  // The current lexicon, the one the answer filter of the combined list needs,
  // and the UK and NA lexicons while word-source marks are on. Stops at the
  // first failure (already reported).
  bool LoadNeededLexicons();
  // The lexicons LoadNeededLexicons loads, in its order.
  std::vector<LexiconId> NeededLexicons() const;
  // Whether the lexicon was loaded successfully.
  bool IsLoaded(LexiconId id) const { return loaded_[Index(id)]; }

  LexiconId Source() const { return source_; }
  void SetSource(long long value);
  // 0 British only, 1 North American only, 2 both; used with the combined list.
  int AnswerSource() const { return answer_source_; }
  void SetAnswerSource(long long value);

  // --- Word-source marks ---

  bool UseSymbols() const { return use_symbols_; }
  void SetUseSymbols(bool on);
  bool UseSymbolsForMainWord() const { return use_symbols_for_main_word_; }
  void SetUseSymbolsForMainWord(bool on);
  // One character each; an empty text gives a space.
  const WordSourceSymbols& Symbols() const { return symbols_; }
  void SetSymbols(std::string_view both, std::string_view uk_only, std::string_view na_only);
  // Whether the word is in the UK or NA lexicon, and its mark.
  SourceSymbol WordSourceSymbol(std::string_view word) const;
  // Only the mark: a space for a word in neither lexicon.
  std::string WordSourceSymbolText(std::string_view word) const;
  // Inserts every source word followed by its mark into `target` at the
  // word's index.
  void AppendSourceSymbols(const WordCollection& source, WordCollection& target) const;

  // The data folder, ending with '/': lexicons, catalogue, tips and manual.
  const std::string& DataFolderPath() const { return data_folder_; }

 private:
  std::string data_folder_;
  Settings& settings_;
  UserPrompt& prompt_;

  LexiconId source_ = LexiconId::kNA;
  int answer_source_ = 1;
  bool needs_dictionary_choice_ = false;
  bool use_symbols_ = false;
  bool use_symbols_for_main_word_ = false;
  WordSourceSymbols symbols_;

  LexiconDirectory directory_;
  bool all_sources_present_ = false;
  std::array<Lexicon, kLexiconCount> lexicons_;
  // Set by a successful load, so even a lexicon with an empty graph is read
  // only once.
  std::array<bool, kLexiconCount> loaded_ = {};
};

}  // namespace tavrune

#endif  // TAVRUNE_DICTIONARY_DICTIONARY_H_
