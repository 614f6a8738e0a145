#include "cardbox/cardbox_study.h"

#include <filesystem>

#include "cardbox/cardbox_clock.h"
#include "resources/string_table.h"

namespace tavrune {

std::string CardboxLexiconName(LexiconId id) {
  return std::filesystem::path(LexiconFileName(id)).stem().string();
}

std::string DeckTitle(const Deck& deck) {
  return deck.lexicon + ' ' + std::string(CardKindTitle(deck.kind));
}

CardboxStatus PrepareDueSession(Cardbox& cardbox, const Deck& deck, int64_t limit,
                                bool box_zero_first, DueSession* session) {
  const CardFilter filter{deck.lexicon, deck.kind};
  std::vector<Card> cards;
  DueSummary summary;
  if (CardboxStatus status = cardbox.Due(filter, limit, box_zero_first, &cards); !status.ok()) {
    return status;
  }
  if (CardboxStatus status = cardbox.Summary(filter, &summary); !status.ok()) return status;
  DueSession read;
  for (Card& card : cards) read.questions.push_back(std::move(card.question));
  const auto taken = static_cast<int64_t>(read.questions.size());
  const std::string now = ShownTime(cardbox.Now());
  if (taken < summary.due_now) {
    read.description =
        MessageText(cardbox_text::kDueListPart,
                    {DeckTitle(deck), std::to_string(taken), std::to_string(summary.due_now), now,
                     std::to_string(summary.due_now - taken)});
  } else if (summary.next_due) {
    read.description =
        MessageText(cardbox_text::kDueListAll,
                    {DeckTitle(deck), std::to_string(taken), now, ShownTime(*summary.next_due)});
  } else {
    read.description = MessageText(cardbox_text::kDueListAllNoneLater,
                                   {DeckTitle(deck), std::to_string(taken), now});
  }
  *session = std::move(read);
  return {};
}

CardboxNote NothingDueNote(const std::string& lexicon, const DueSummary& summary) {
  if (!summary.next_due) return {cardbox_text::kNoCards, {lexicon}};
  return {cardbox_text::kNothingDue, {lexicon, ShownTime(*summary.next_due)}};
}

CardboxNote DueAtStartNote(int64_t due) {
  if (due <= 0) return {};
  if (due == 1) return {cardbox_text::kOneCardDue, {}};
  return {cardbox_text::kCardsDue, {std::to_string(due)}};
}

CardboxNote GradedNote(std::string_view entry, const Card& card, bool right) {
  return {right ? cardbox_text::kGradedRight : cardbox_text::kGradedMissed,
          {std::string(entry), std::to_string(card.box), ShownTime(card.due)}};
}

CardboxNote UndoneNote(const std::optional<Card>& card) {
  if (!card) return {cardbox_text::kNothingToUndo, {}};
  return {cardbox_text::kUndone,
          {card->question, DeckTitle({card->lexicon, card->kind}), std::to_string(card->box),
           ShownTime(card->due)}};
}

}  // namespace tavrune
