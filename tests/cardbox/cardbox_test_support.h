#ifndef TAVRUNE_TESTS_CARDBOX_CARDBOX_TEST_SUPPORT_H_
#define TAVRUNE_TESTS_CARDBOX_CARDBOX_TEST_SUPPORT_H_

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <cstdint>
#include <string>

#include "cardbox/cardbox.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune::testing {

// 14 March 2026, 10:00 UTC.
inline constexpr int64_t kStart = 1773482400;

// A cardbox in a fresh folder with a clock the test sets; local time is UTC
// so that day boundaries are plain.
class CardboxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    ASSERT_TRUE(box_.Open(path_).ok());
  }

  const Deck anagrams_{"UKNA", CardKind::kAnagrams};
  const Deck hooks_{"UKNA", CardKind::kHooks};

  TempFolder dir_;
  std::string path_ = dir_.File("data/cardbox.sqlite");
  int64_t now_ = kStart;
  Cardbox box_{[this] { return now_; }, 7};

  AddCounts Add(const Deck& deck, const std::vector<std::string>& entries) {
    AddCounts counts;
    EXPECT_TRUE(box_.Add(deck, entries, &counts).ok());
    return counts;
  }
  std::optional<Card> Grade(const Deck& deck, const std::string& entry, bool right) {
    std::optional<Card> card;
    EXPECT_TRUE(box_.Grade(deck, entry, right, &card).ok());
    return card;
  }
  std::optional<Card> Find(const Deck& deck, const std::string& entry) {
    std::optional<Card> card;
    EXPECT_TRUE(box_.Find(deck, entry, &card).ok());
    return card;
  }
  std::vector<std::string> DueQuestions(const CardFilter& filter = {}, bool box_zero_first = false,
                                        int64_t limit = 100) {
    std::vector<Card> cards;
    EXPECT_TRUE(box_.Due(filter, limit, box_zero_first, &cards).ok());
    std::vector<std::string> questions;
    for (const Card& card : cards) questions.push_back(card.question);
    return questions;
  }
};

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_CARDBOX_CARDBOX_TEST_SUPPORT_H_
