#include "engine/word_source.h"

#include <gtest/gtest.h>

#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

using testing::MakeLexicon;

TEST(WordSourceTest, SourcesAndMarks) {
  const Lexicon uk = MakeLexicon({"CAT", "COLOUR", "LORRY"});
  const Lexicon na = MakeLexicon({"CAT", "COLOR"});
  const WordSourceSymbols symbols;
  EXPECT_EQ(GetWordSource("CAT", uk, na), WordSource::kBoth);
  EXPECT_EQ(GetWordSource("LORRY", uk, na), WordSource::kUKOnly);
  EXPECT_EQ(GetWordSource("COLOR", uk, na), WordSource::kNAOnly);
  EXPECT_EQ(GetWordSource("XYZZY", uk, na), WordSource::kNeither);
  EXPECT_EQ(WordSourceMark("CAT", uk, na, symbols), "*");
  EXPECT_EQ(WordSourceMark("LORRY", uk, na, symbols), "#");
  EXPECT_EQ(WordSourceMark("COLOR", uk, na, symbols), "$");
  EXPECT_EQ(WordSourceMark("XYZZY", uk, na, symbols), "");
}

TEST(WordSourceTest, EmptySymbolShowsAsBlankAndLongOnesAreCut) {
  WordSourceSymbols symbols;
  symbols.both = "";
  symbols.uk_only = "UK";
  EXPECT_EQ(WordSourceMark(WordSource::kBoth, symbols), " ");
  EXPECT_EQ(WordSourceMark(WordSource::kUKOnly, symbols), "U");
}

TEST(WordSourceTest, UnloadedListsKnowNoWord) {
  const Lexicon empty;
  EXPECT_EQ(GetWordSource("CAT", empty, empty), WordSource::kNeither);
}

}  // namespace
}  // namespace tavrune
