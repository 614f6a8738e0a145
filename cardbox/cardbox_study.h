#ifndef TAVRUNE_CARDBOX_CARDBOX_STUDY_H_
#define TAVRUNE_CARDBOX_CARDBOX_STUDY_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cardbox/card.h"
#include "cardbox/cardbox.h"
#include "engine/lexicon_id.h"

namespace tavrune {

// String-table numbers of what the study program says about the cardbox.
namespace cardbox_text {
inline constexpr int kCardsDue = 40207;
inline constexpr int kOneCardDue = 40208;
inline constexpr int kGradedRight = 40209;
inline constexpr int kGradedMissed = 40210;
inline constexpr int kDueListAll = 40211;
inline constexpr int kDueListAllNoneLater = 40212;
inline constexpr int kDueListPart = 40213;
inline constexpr int kNothingDue = 40214;
inline constexpr int kNoCards = 40215;
inline constexpr int kAdded = 40216;
inline constexpr int kNotQuizList = 40217;
inline constexpr int kUndone = 40218;
inline constexpr int kNothingToUndo = 40219;
inline constexpr int kImported = 40220;
inline constexpr int kExported = 40221;
inline constexpr int kSpread = 40222;
inline constexpr int kShifted = 40223;
inline constexpr int kBadDayList = 40224;
inline constexpr int kNoQuizType = 40225;
inline constexpr int kEmptyDeck = 40226;
}  // namespace cardbox_text

// A string-table text with its arguments, for a message box or the status
// bar.
struct CardboxNote {
  int id = 0;
  std::vector<std::string> args;

  friend bool operator==(const CardboxNote&, const CardboxNote&) = default;
};

// The name a lexicon's cards carry: its file's name without the extension,
// as the command line names it ("UKNA").
std::string CardboxLexiconName(LexiconId id);
// "UKNA Anagrams and Hooks".
std::string DeckTitle(const Deck& deck);

// The list Study Due Words opens: the due questions of a deck, in due order,
// and a description saying how many were due and when the next ones are.
struct DueSession {
  std::vector<std::string> questions;
  std::string description;
};

CardboxStatus PrepareDueSession(Cardbox& cardbox, const Deck& deck, int64_t limit,
                                bool box_zero_first, DueSession* session);

// Why Study Due Words has nothing for a lexicon, given what is due in it
// over every kind.
CardboxNote NothingDueNote(const std::string& lexicon, const DueSummary& summary);

// The status text at start-up: how many cards are due; id 0 when none.
CardboxNote DueAtStartNote(int64_t due);

// The status text after Verify graded `entry`, its card now `card`.
CardboxNote GradedNote(std::string_view entry, const Card& card, bool right);

// What Undo Last Grade says, given the card it restored (nothing when no
// answer was left).
CardboxNote UndoneNote(const std::optional<Card>& card);

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_CARDBOX_STUDY_H_
