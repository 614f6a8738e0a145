#ifndef TAVRUNE_CARDBOX_CARDBOX_H_
#define TAVRUNE_CARDBOX_CARDBOX_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cardbox/card.h"
#include "cardbox/cardbox_status.h"
#include "cardbox/schedule.h"
#include "cardbox/sqlite_db.h"
#include "engine/random_source.h"

namespace tavrune {

// Unix seconds; injected so that tests and scripts choose the moment.
using CardboxClock = std::function<int64_t()>;

struct AddCounts {
  int64_t added = 0;
  int64_t already = 0;  // in the cardbox before, left as they were
  int64_t skipped = 0;  // not a question (see CardQuestion)
};

struct DueSummary {
  int64_t due_now = 0;
  std::optional<int64_t> next_due;  // the first due time after now
};

// Cards due on one local calendar day, from `start` (midnight, or now for
// today) to the next midnight.
struct DayCount {
  int64_t start = 0;
  int64_t count = 0;
};

struct DueForecast {
  int64_t backlog = 0;         // due now
  std::vector<DayCount> days;  // today's rest first
};

// The cardbox: one SQLite database per user holding cards, their answer
// history and the schedule. Every change is one transaction, so another
// program using the same file at the same time (which waits for the write
// lock up to the busy timeout) and a crash lose at most the change being
// made. Failures change nothing and say why.
class Cardbox {
 public:
  static constexpr int kSchemaVersion = 1;
  static constexpr int kBusyTimeoutMs = 1000;

  Cardbox(CardboxClock clock, uint32_t seed);
  Cardbox(const Cardbox&) = delete;
  Cardbox& operator=(const Cardbox&) = delete;

  // Opens the cardbox at `path`, making the file and its folder when they
  // are missing. A file that is no cardbox, fails the quick check or has a
  // newer schema is refused and left untouched; an older one is brought up
  // to date in one transaction.
  CardboxStatus Open(const std::string& path, int busy_timeout_ms = kBusyTimeoutMs);
  bool IsOpen() const { return db_.IsOpen(); }
  const std::string& Path() const { return path_; }

  CardboxStatus ReadSchedule(CardboxSchedule* schedule);
  CardboxStatus WriteSchedule(const CardboxSchedule& schedule);

  // Adds the questions of `entries` to box 0, due at once.
  CardboxStatus Add(const Deck& deck, const std::vector<std::string>& entries, AddCounts* counts);
  CardboxStatus Remove(const Deck& deck, const std::vector<std::string>& entries, int64_t* removed);
  // The card of `entry`; nothing when it is not in the cardbox.
  CardboxStatus Find(const Deck& deck, std::string_view entry, std::optional<Card>* card);

  // At most `limit` cards due now, the longest due first; with
  // `box_zero_first` the box-0 cards come before all others.
  CardboxStatus Due(const CardFilter& filter, int64_t limit, bool box_zero_first,
                    std::vector<Card>* cards);
  CardboxStatus Summary(const CardFilter& filter, DueSummary* summary);

  // Records an answer to `entry` and schedules its card again; `card` is
  // the card after it, nothing when the question is not in the cardbox.
  CardboxStatus Grade(const Deck& deck, std::string_view entry, bool right,
                      std::optional<Card>* card);
  // Takes the last recorded answer back; `card` is the card as it was
  // before it, nothing when no answer is left.
  CardboxStatus UndoLastGrade(std::optional<Card>* card);
  // Puts a card in `box` (0 to kMaxBox), scheduled as if it had just landed
  // there; box 0 is due at once.
  CardboxStatus Move(const Deck& deck, std::string_view entry, int box, std::optional<Card>* card);

  // Spreads the cards due now evenly over `days` days from today, keeping
  // their order: about a `days`-th stay due now. `moved` counts the cards
  // given a later time.
  CardboxStatus SpreadBacklog(const CardFilter& filter, int days, int64_t* moved);
  // Moves every card by the same time, earlier or later, so that exactly
  // `wanted` are due now (all of them when there are fewer); `due_now` is
  // the number due afterwards.
  CardboxStatus ShiftToBacklog(const CardFilter& filter, int64_t wanted, int64_t* due_now);

  // Cards per box, box 0 first, up to the highest box holding a card.
  CardboxStatus BoxCounts(const CardFilter& filter, std::vector<int64_t>* counts);
  // What is due now and on each of the next `days` local days, today first.
  CardboxStatus Forecast(const CardFilter& filter, int days, DueForecast* forecast);
  // Right answers on each of the last `days` local days, today last.
  CardboxStatus RightPerDay(const CardFilter& filter, int days, std::vector<DayCount>* counts);

  // The decks holding cards, by lexicon, then in the order of kAllCardKinds.
  CardboxStatus Decks(std::vector<Deck>* decks);
  // Every card of a deck, for export.
  CardboxStatus DeckCards(const Deck& deck, std::vector<Card>* cards);
  // Adds whole cards (an import); those already in the cardbox stay as
  // they are.
  CardboxStatus Insert(const std::vector<Card>& cards, AddCounts* counts);

  int64_t Now() const { return clock_(); }

 private:
  CardboxStatus Failure() const;
  CardboxStatus Migrate();
  CardboxStatus FindCard(const Deck& deck, const std::string& question, std::optional<Card>* card,
                         int64_t* id);
  // FindCard and the schedule, inside the caller's transaction.
  CardboxStatus FindCardToChange(const Deck& deck, const std::string& question,
                                 std::optional<Card>* card, int64_t* id, CardboxSchedule* schedule);
  bool WriteCardState(int64_t id, const Card& card);

  CardboxClock clock_;
  RandomEngine random_;
  sql::Database db_;
  std::string path_;
};

// cardbox.sqlite in the user's data folder; empty when no home folder is
// known.
std::string DefaultCardboxPath();

// Midnight, local time, `days` days after the day of `time`.
int64_t LocalMidnight(int64_t time, int days);

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_CARDBOX_H_
