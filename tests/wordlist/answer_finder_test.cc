#include "wordlist/answer_finder.h"

#include <gtest/gtest.h>

#include "tests/wordlist/doc_fixture.h"

namespace tavrune {
namespace {

// The document fixture's application state holds the three lexicons.
class AnswerFinderTest : public testing::DocTest {};

TEST_F(AnswerFinderTest, OnlyTheCombinedLexiconExcludesTheOtherList) {
  struct Case {
    int source;
    int answer_source;
    const Lexicon* excluded;
  };
  const Lexicon* uk = &app_.LexiconFor(LexiconId::kUK);
  const Lexicon* na = &app_.LexiconFor(LexiconId::kNA);
  const Case cases[] = {
      {2, 0, na}, {2, 1, uk}, {2, 2, nullptr}, {2, 4, nullptr}, {0, 0, nullptr}, {1, 1, nullptr},
  };
  for (const Case& c : cases) {
    app_.SetSource(c.source);
    app_.SetAnswerSource(c.answer_source);
    EXPECT_EQ(app_.ExcludedLexicon(), c.excluded)
        << "source " << c.source << ", answer source " << c.answer_source;
  }
}

}  // namespace
}  // namespace tavrune
