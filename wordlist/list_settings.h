#ifndef TAVRUNE_WORDLIST_LIST_SETTINGS_H_
#define TAVRUNE_WORDLIST_LIST_SETTINGS_H_

#include <string>
#include <string_view>

namespace tavrune {

// What an entry of a word list is and what its answers are. The numbers are
// kept in the settings store and the dialogs.
enum class ListType : int {
  kAnagrams = 0,
  kHooks = 1,
  kList = 2,
  kAnagramsAndHooks = 3,
  kBuild = 4,
};

inline constexpr int kListTypeCount = 5;
// The list types a quiz can be of, in the order the menus offer them.
inline constexpr ListType kQuizListTypes[] = {ListType::kHooks, ListType::kAnagrams,
                                              ListType::kAnagramsAndHooks, ListType::kBuild};

// Where hook letters are added: n front letters, m end letters.
enum class HookType : int {
  kFront = 0,        // n '?' then the entry
  kEnd = 1,          // the entry then m '?'
  kFrontAndEnd = 2,  // both, as two answer groups
  kBothEnds = 3,     // n '?', the entry, m '?' at once
};

enum class SortType : int {
  kAlphabetical = 0,
  kProbability = 1,
  kRandom = 2,
  kTotalPoints = 3,
  kWordLength = 4,
};

// The order of the letters inside an anagram entry.
enum class AnagramOrder : int {
  kAlphabetical = 0,
  kConsonantFirst = 1,
  kRandom = 2,
  kStem = 3,
  kVowelFirst = 4,
  kUserSpecified = 5,
};

inline constexpr std::string_view kAlphabeticalLetterOrder = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::string_view kVowelFirstLetterOrder = "AEIOUBCDFGHJKLMNPQRSTVWXYZ";
inline constexpr std::string_view kConsonantFirstLetterOrder = "BCDFGHJKLMNPQRSTVWXYZAEIOU";

// Raw numbers (settings, dialogs) as values; each falls back as the settings
// do: an unknown list type is Anagrams, hook type front-and-end, sort type
// and anagram order Alphabetical.
ListType ListTypeFromNumber(long long value);
HookType HookTypeFromNumber(long long value);
SortType SortTypeFromNumber(long long value);
AnagramOrder AnagramOrderFromNumber(long long value);

// Anagrams and Anagrams and Hooks: entries are arranged alphagrams.
constexpr bool IsAnagramType(ListType type) {
  return type == ListType::kAnagrams || type == ListType::kAnagramsAndHooks;
}

// The settings a word list carries in its file and in the settings store.
struct ListSettings {
  AnagramOrder anagram_order = AnagramOrder::kAlphabetical;
  std::string user_order = std::string(kAlphabeticalLetterOrder);
  std::string stem;
  ListType list_type = ListType::kList;
  HookType hook_type = HookType::kFrontAndEnd;
  int front_hook_letters = 1;
  int end_hook_letters = 1;
  bool descending = false;
  SortType sort_type = SortType::kAlphabetical;
  int build_minimum = 2;
  int build_maximum = 15;

  friend bool operator==(const ListSettings&, const ListSettings&) = default;
};

// The ranges the option dialogs allow; values from outside (files, callers)
// are clamped into them.
inline constexpr int kMinHookLetters = 1;
inline constexpr int kMaxHookLetters = 7;
inline constexpr int kMinBuildLength = 2;
inline constexpr int kMaxBuildLength = 15;

int ClampHookLetters(long long value);
int ClampBuildLength(long long value);
// The user order as the settings keep it: a permutation of A-Z, otherwise
// the alphabet.
std::string NormalizeUserOrder(std::string_view order);
// The stem reduced to its letters, upper-cased and cut as the settings keep it.
std::string NormalizeStem(std::string_view stem);
// Every field within its range.
ListSettings Normalized(ListSettings settings);

// The one-letter codes of the word-list file. Reading an unknown letter gives
// the fallback of each field (note that the hook type falls back to both ends
// simultaneously, while an unknown value is written as 'B').
char AnagramOrderLetter(AnagramOrder order);
char ListTypeLetter(ListType type);
char HookTypeLetter(HookType type);
char SortOrderLetter(bool descending);
char SortTypeLetter(SortType type);
AnagramOrder AnagramOrderFromLetter(char letter);
ListType ListTypeFromLetter(char letter);
HookType HookTypeFromLetter(char letter);
bool DescendingFromLetter(char letter);
SortType SortTypeFromLetter(char letter);

// Names as people read them ("Anagrams and Hooks", "Word Length").
std::string_view ListTypeName(ListType type);
std::string_view HookTypeName(HookType type);
std::string_view SortTypeName(SortType type);
std::string_view AnagramOrderName(AnagramOrder order);

// A description as a window title or a printed header shows it: its first
// line, at most this many characters, never cut inside a UTF-8 character.
// The list keeps the whole description, however long.
inline constexpr size_t kShownDescriptionCharacters = 200;
std::string_view ShownDescription(std::string_view description);

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_LIST_SETTINGS_H_
