#ifndef TAVRUNE_CARDBOX_CARD_H_
#define TAVRUNE_CARDBOX_CARD_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrune {

// What a card asks: the answers of a question as one list type shows them.
enum class CardKind { kAnagrams, kHooks, kAnagramsAndHooks, kBuild };

inline constexpr std::array<CardKind, 4> kAllCardKinds = {
    CardKind::kAnagrams, CardKind::kHooks, CardKind::kAnagramsAndHooks, CardKind::kBuild};

// The kind's name in the database and on the command line: "anagrams",
// "hooks", "anagrams-hooks", "build".
std::string_view CardKindName(CardKind kind);
std::optional<CardKind> CardKindFromName(std::string_view name);
// The kind as the study program names its quiz: "Anagrams and Hooks".
std::string_view CardKindTitle(CardKind kind);

// The cards of one lexicon and kind: what a quiz grades against.
struct Deck {
  std::string lexicon;
  CardKind kind = CardKind::kAnagrams;
};

// Which cards a listing or a backlog tool covers: an empty lexicon means
// every lexicon, no kind every kind.
struct CardFilter {
  std::string lexicon;
  std::optional<CardKind> kind;
};

inline constexpr int kMaxQuestionLength = 15;

// `entry` as the question of a `kind` card: for the anagram kinds its
// alphagram, otherwise itself. Nothing when it is empty, longer than 15 or
// holds anything but A-Z and the blank '?'.
std::optional<std::string> CardQuestion(CardKind kind, std::string_view entry);

// One question in the cardbox. Times are Unix seconds.
struct Card {
  std::string lexicon;
  CardKind kind = CardKind::kAnagrams;
  std::string question;
  int box = 0;  // 0 the first
  int64_t due = 0;
  std::optional<int64_t> last_answered;
  std::optional<int64_t> last_right;
  int64_t right = 0;
  int64_t missed = 0;
  // Answers in a row: right ones counted up from 1, missed ones down from -1.
  int64_t streak = 0;
  int64_t added = 0;

  friend bool operator==(const Card&, const Card&) = default;
};

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_CARD_H_
