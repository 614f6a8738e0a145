#include "engine/pattern_expression.h"

#include <gtest/gtest.h>

#include <random>
// GCC 12 warns inside its own <regex> templates; the warning is not ours.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#pragma GCC diagnostic pop
#include <string>
#include <vector>

#include "engine/word_walk.h"
#include "tests/support/fuzz_seed.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

constexpr uint8_t Op(PatternOp op) { return static_cast<uint8_t>(op); }

std::vector<uint8_t> ProgramOf(std::string_view expression) {
  testing::KeepFuzzSeed("pattern_fuzz", expression);
  PatternExpression e;
  EXPECT_EQ(e.Compile(expression), std::nullopt) << expression;
  return {e.Program().begin(), e.Program().end()};
}

std::string ErrorOf(std::string_view expression) {
  testing::KeepFuzzSeed("pattern_fuzz", expression);
  PatternExpression e;
  const auto error = e.Compile(expression);
  EXPECT_FALSE(e.IsCompiled());
  EXPECT_TRUE(e.Program().empty());
  return error ? std::string(*error) : std::string("(compiled)");
}

bool Matches(std::string_view expression, std::string_view word) {
  testing::KeepFuzzSeed("pattern_fuzz", expression);
  PatternExpression e;
  EXPECT_EQ(e.Compile(expression), std::nullopt) << expression;
  return e.Matches(word);
}

TEST(PatternExpressionTest, CompileMessages) {
  EXPECT_EQ(ErrorOf("*a"), "Empty closure");
  EXPECT_EQ(ErrorOf("+a"), "Empty closure");
  EXPECT_EQ(ErrorOf("^*"), "Illegal closure");
  EXPECT_EQ(ErrorOf("\\(a\\)*"), "Illegal closure");
  EXPECT_EQ(ErrorOf("\\(*a\\)"), "Illegal closure");
  EXPECT_EQ(ErrorOf("\\<*"), "Illegal closure");
  EXPECT_EQ(ErrorOf("a\\>+"), "Illegal closure");
  EXPECT_EQ(ErrorOf("\\(a\\)\\1*"), "Illegal closure");
  EXPECT_EQ(ErrorOf("[abc"), "Missing ]");
  EXPECT_EQ(ErrorOf("[]"), "Missing ]");
  EXPECT_EQ(ErrorOf("[^]"), "Missing ]");
  EXPECT_EQ(ErrorOf("\\(\\)"), "Null pattern inside \\(\\)");
  EXPECT_EQ(ErrorOf("\\(a\\(\\)\\)"), "Null pattern inside \\(\\)");
  EXPECT_EQ(ErrorOf("\\(a\\1\\)"), "Cyclical reference");
  EXPECT_EQ(ErrorOf("\\2\\(a\\)"), "Undetermined reference");
  EXPECT_EQ(ErrorOf("\\(a\\)\\2"), "Undetermined reference");
  EXPECT_EQ(ErrorOf("\\(a"), "Unmatched \\(");
  EXPECT_EQ(ErrorOf("\\(a\\(b\\)"), "Unmatched \\(");
  EXPECT_EQ(ErrorOf("a\\)"), "Unmatched \\)");
  EXPECT_EQ(ErrorOf("\\<\\>"), "Null pattern inside \\<\\>");
  std::string nine;
  for (int i = 0; i < 9; ++i) nine += "\\(a\\)";
  EXPECT_EQ(ProgramOf(nine + "\\9").size(), 9 * 6 + 3u);
  EXPECT_EQ(ErrorOf(nine + "\\(a\\)"), "Too many \\(\\) pairs");
}

TEST(PatternExpressionTest, ReferenceToAnyOpenGroupIsCyclical) {
  // The inner group is closed but the outer one is not.
  EXPECT_EQ(ErrorOf("\\(a\\(b\\)\\1\\)"), "Cyclical reference");
  EXPECT_EQ(ProgramOf("\\(a\\(b\\)\\2\\)").size(), 15u);
}

TEST(PatternExpressionTest, ProgramsThatFillTheBufferAreRefused) {
  // CHR c is two bytes and END one: 511 characters fit, 512 do not.
  EXPECT_EQ(ProgramOf(std::string(511, 'A')).size(), PatternExpression::kProgramCapacity - 1);
  EXPECT_EQ(ErrorOf(std::string(512, 'A')), "Regular expression too long");
  // Each class is 17 bytes, and "+" doubles it before wrapping.
  std::string classes;
  for (int i = 0; i < 30; ++i) classes += "[AB]+";
  EXPECT_EQ(ErrorOf(classes), "Regular expression too long");
  // 255 closures of four bytes that do not repeat one another, then one of
  // three, fill it exactly.
  std::string closures;
  for (int i = 0; i < 255; ++i) closures += i % 2 == 0 ? "A*" : "B*";
  EXPECT_EQ(ProgramOf(closures + ".*").size(), PatternExpression::kProgramCapacity);
  EXPECT_EQ(ErrorOf(closures + "B*"), "Regular expression too long");
  EXPECT_EQ(ErrorOf(closures + ".*A"), "Regular expression too long");
}

TEST(PatternExpressionTest, ProgramLayout) {
  using enum PatternOp;
  EXPECT_EQ(ProgramOf("^C.T.*$"),
            (std::vector<uint8_t>{Op(kBol), Op(kChr), 'C', Op(kAny), Op(kChr), 'T', Op(kClo),
                                  Op(kAny), Op(kEnd), Op(kEol), Op(kEnd)}));
  EXPECT_EQ(ProgramOf("a**"), ProgramOf("a*"));
  EXPECT_EQ(ProgramOf("a+*"), ProgramOf("aa*"));
  EXPECT_EQ(ProgramOf("a+"), ProgramOf("aa*"));
  // '^' and '$' anchor only at the ends; elsewhere they are characters.
  EXPECT_EQ(ProgramOf("a^$b"), (std::vector<uint8_t>{Op(kChr), 'a', Op(kChr), '^', Op(kChr), '$',
                                                     Op(kChr), 'b', Op(kEnd)}));
  EXPECT_EQ(ProgramOf("\\.\\x\\"),
            (std::vector<uint8_t>{Op(kChr), '.', Op(kChr), 'x', Op(kChr), '\\', Op(kEnd)}));
  EXPECT_EQ(ProgramOf("\\(a\\)\\1\\<b\\>"),
            (std::vector<uint8_t>{Op(kBot), 1, Op(kChr), 'a', Op(kEot), 1, Op(kRef), 1, Op(kBow),
                                  Op(kChr), 'b', Op(kEow), Op(kEnd)}));

  // Bit c % 8 of byte c / 8.
  const std::vector<uint8_t> ccl = ProgramOf("[AC]");
  ASSERT_EQ(ccl.size(), 18u);
  EXPECT_EQ(ccl[0], Op(kCcl));
  for (int b = 0; b < 16; ++b) EXPECT_EQ(ccl[1 + b], b == 8 ? 0x0A : 0) << b;
  const std::vector<uint8_t> complement = ProgramOf("[^AC]");
  for (int b = 0; b < 16; ++b) EXPECT_EQ(complement[1 + b], b == 8 ? 0xF5 : 0xFF) << b;
}

// A closure that takes nothing the one before it does not is dropped, so a
// run of wildcard stars costs no more than one.
TEST(PatternExpressionTest, RedundantClosuresAreDropped) {
  const std::vector<std::pair<std::string, std::string>> same = {
      {"^.*.*QX$", "^.*QX$"}, {WildcardToExpression(std::string(300, '*') + "QX"), "^.*QX$"},
      {"A*A*A*", "A*"},       {"[AB]*A*B*", "[AB]*"},
      {".*[AB]*", ".*"},      {"A+A*", "AA*"},
  };
  for (const auto& [long_form, short_form] : same) {
    EXPECT_EQ(ProgramOf(long_form), ProgramOf(short_form)) << long_form;
  }
  // Kept: a wider closure after a narrower one.
  EXPECT_NE(ProgramOf("A*[AB]*"), ProgramOf("[AB]*"));
  EXPECT_TRUE(Matches("^A*[AB]*$", "AAB"));
}

TEST(PatternExpressionTest, EmptyExpressionKeepsTheLastProgram) {
  PatternExpression e;
  EXPECT_EQ(e.Compile(""), "No previous regular expression");
  ASSERT_EQ(e.Compile("^CAT$"), std::nullopt);
  EXPECT_EQ(e.Compile(""), std::nullopt);
  EXPECT_TRUE(e.Matches("CAT"));
  EXPECT_EQ(e.Compile("[CAT"), "Missing ]");
  EXPECT_FALSE(e.Matches("CAT"));
  EXPECT_EQ(e.Match("CAT"), MatchResult::kNoMatch);
  EXPECT_EQ(e.Compile(""), "No previous regular expression");

  // Each object has its own program.
  PatternExpression a;
  PatternExpression b;
  ASSERT_EQ(a.Compile("^A"), std::nullopt);
  ASSERT_EQ(b.Compile("^B"), std::nullopt);
  EXPECT_TRUE(a.Matches("AX"));
  EXPECT_FALSE(a.Matches("BX"));
  EXPECT_TRUE(b.Matches("BX"));
  PatternExpression copy = a;
  ASSERT_EQ(a.Compile("^Z"), std::nullopt);
  EXPECT_TRUE(copy.Matches("AX"));
}

TEST(PatternExpressionTest, CharacterClasses) {
  EXPECT_FALSE(Matches("^CAT[^S]$", "CAT"));
  EXPECT_TRUE(Matches("^CAT[^S]$", "CATE"));
  EXPECT_FALSE(Matches("^CAT[^S]$", "CATS"));
  EXPECT_TRUE(Matches("^[A-CX]$", "B"));
  EXPECT_TRUE(Matches("^[A-CX]$", "X"));
  EXPECT_FALSE(Matches("^[A-CX]$", "D"));
  // '-' first or last, and ']' first, are members.
  EXPECT_TRUE(Matches("^[-A]$", "-"));
  EXPECT_TRUE(Matches("^[A-]$", "-"));
  EXPECT_TRUE(Matches("^[^-]$", "A"));
  EXPECT_FALSE(Matches("^[^-]$", "-"));
  EXPECT_TRUE(Matches("^[]A]$", "]"));
  EXPECT_TRUE(Matches("^[^]A]$", "B"));
  EXPECT_FALSE(Matches("^[^]A]$", "]"));
  // A range continues from the end of the previous one.
  EXPECT_TRUE(Matches("^[A-C-E]$", "D"));
  EXPECT_FALSE(Matches("^[C-A]$", "B"));
  EXPECT_TRUE(Matches("^[C-A]$", "C"));
  // Characters outside 0-127 belong to no class.
  EXPECT_FALSE(Matches("^[^A]$", "\xC1"));
  EXPECT_FALSE(Matches("^[\xC1]$", "A"));
  // Classes and ANY never match past the end.
  EXPECT_FALSE(Matches("^CAT.$", "CAT"));
  EXPECT_FALSE(Matches("^CAT[^Z]*.$", "CAT"));
}

TEST(PatternExpressionTest, ClosuresBacktrack) {
  EXPECT_TRUE(Matches("^A*AB$", "AAAB"));
  EXPECT_TRUE(Matches("^A*AB$", "AB"));
  EXPECT_FALSE(Matches("^A+B$", "B"));
  EXPECT_TRUE(Matches("^A+B$", "AB"));
  EXPECT_TRUE(Matches("^[AB]*B[AB]*A$", "BBBA"));
  EXPECT_TRUE(Matches("^.*ING$", "SINGING"));
  EXPECT_FALSE(Matches("^.*ING$", "SINGINGS"));
  EXPECT_TRUE(Matches("^X*$", ""));
}

TEST(PatternExpressionTest, UnanchoredSearchesAndGroupPositions) {
  PatternExpression e;
  ASSERT_EQ(e.Compile("N\\(G*\\)S"), std::nullopt);
  ASSERT_TRUE(e.Matches("SINGS"));
  EXPECT_EQ(e.Group(0).begin, 2);
  EXPECT_EQ(e.Group(0).end, 5);
  EXPECT_EQ(e.Group(1).begin, 3);
  EXPECT_EQ(e.Group(1).end, 4);
  EXPECT_EQ(e.Group(2).begin, -1);
  EXPECT_FALSE(e.Matches("SNAG"));
  EXPECT_EQ(e.Group(0).begin, -1);

  // The first try position wins, with the longest closure there.
  ASSERT_EQ(e.Compile("A.*B"), std::nullopt);
  ASSERT_TRUE(e.Matches("XAXBXB"));
  EXPECT_EQ(e.Group(0).begin, 1);
  EXPECT_EQ(e.Group(0).end, 6);

  // An unanchored expression is never tried on an empty word or at its end.
  EXPECT_FALSE(Matches("X*", ""));
  EXPECT_TRUE(Matches("X*", "A"));
  EXPECT_FALSE(Matches("$", "AB"));
  EXPECT_TRUE(Matches("^$", ""));
  EXPECT_TRUE(Matches("^", ""));
  EXPECT_TRUE(Matches("B$", "AB"));
}

TEST(PatternExpressionTest, BackReferences) {
  EXPECT_TRUE(Matches("^\\(..\\)\\1$", "ABAB"));
  EXPECT_FALSE(Matches("^\\(..\\)\\1$", "ABBA"));
  EXPECT_TRUE(Matches("^\\(.*\\)\\1$", "MURMUR"));
  EXPECT_FALSE(Matches("^\\(.*\\)\\1$", "MURMURS"));
  EXPECT_TRUE(Matches("^\\(.\\)\\(.\\).\\2\\1$", "LEVEL"));
  EXPECT_FALSE(Matches("^\\(.\\)\\(.\\).\\2\\1$", "LEVER"));
  // The reference must not run past the end of the word.
  EXPECT_FALSE(Matches("^\\(AB\\)\\1", "ABA"));
  EXPECT_TRUE(Matches("\\(.\\)\\1", "BOOK"));
}

TEST(PatternExpressionTest, WordBoundaries) {
  EXPECT_TRUE(Matches("\\<CAT\\>", "THE CAT SAT"));
  EXPECT_FALSE(Matches("\\<CAT\\>", "THE CATS SAT"));
  EXPECT_FALSE(Matches("\\<CAT\\>", "SCAT"));
  EXPECT_TRUE(Matches("\\<CAT\\>", "CAT"));
  EXPECT_TRUE(Matches("\\<AT", "A_B AT"));
  EXPECT_FALSE(Matches("\\<B", "A_B"));
  EXPECT_TRUE(Matches("T\\>", "CAT-"));
}

TEST(PatternExpressionTest, WildcardTranslation) {
  EXPECT_EQ(WildcardToExpression("C?T*"), "^C.T.*$");
  EXPECT_EQ(WildcardToExpression("A.B"), "^A\\.B$");
  EXPECT_EQ(WildcardToExpression("[AE]?+"), "^[AE].+$");
  EXPECT_EQ(WildcardToExpression(""), "^$");
  const std::string all_dots(40, '.');
  EXPECT_EQ(WildcardToExpression(all_dots).size(), all_dots.size() * 2 + 2);

  PatternExpression e;
  ASSERT_EQ(e.CompileWildcard("C?T*"), std::nullopt);
  EXPECT_TRUE(e.Matches("CAT"));
  EXPECT_TRUE(e.Matches("CUTTER"));
  EXPECT_FALSE(e.Matches("SCAT"));
  ASSERT_EQ(e.CompileWildcard("A.B"), std::nullopt);
  EXPECT_TRUE(e.Matches("A.B"));
  EXPECT_FALSE(e.Matches("AXB"));

  // Over a lexicon, as the pattern search uses it.
  const Lexicon lexicon = testing::MakeLexicon({"CAT", "CATS", "COT", "CUTE", "SCAT", "ACT"});
  ASSERT_EQ(e.CompileWildcard("C?T[S]*"), std::nullopt);
  std::vector<std::string> found;
  VisitWords(lexicon, [&](std::string_view w) {
    if (e.Matches(w)) found.emplace_back(w);
  });
  EXPECT_EQ(found, (std::vector<std::string>{"CATS"}));
}

// Closures over long subjects: the failure memo keeps these polynomial, and
// the explicit backtracking stack keeps them off the real one.
TEST(PatternExpressionTest, PathologicalPatternsFinish) {
  // Closures that alternate, as a run of equal ones compiles to one.
  std::string many;
  for (int i = 0; i < 6; ++i) many += "A*B*";
  const std::string word64(64, 'A');
  EXPECT_EQ(
      [&] {
        PatternExpression e;
        e.Compile("^" + many + "X$");
        return e.Match(word64);
      }(),
      MatchResult::kNoMatch);
  EXPECT_TRUE(Matches(many + "A" + many + "B", std::string(300, 'A') + "B"));
  EXPECT_FALSE(Matches(many + "A" + many + "B", std::string(400, 'A')));

  std::string closures;
  for (int i = 0; i < 125; ++i) closures += "A*B*";
  EXPECT_TRUE(Matches("^" + closures + "$", std::string(200, 'A')));
  EXPECT_FALSE(Matches("^" + closures + "B$", std::string(200, 'A')));
  EXPECT_FALSE(Matches(closures + "B", std::string(500, 'A')));
  // Too long a subject for the memo: the step budget ends the search.
  PatternExpression huge;
  ASSERT_EQ(huge.Compile(closures + "B"), std::nullopt);
  EXPECT_NE(huge.Match(std::string(20000, 'A')), MatchResult::kMatch);
  EXPECT_EQ(huge.Match(std::string(20000, 'A') + "B"), MatchResult::kMatch);

  // Back-references defeat the memo: a hopeless search gives up rather
  // than running on, and a feasible one still succeeds.
  PatternExpression refs;
  ASSERT_EQ(refs.Compile("^\\(.*\\)\\(.*\\)\\(.*\\)\\(.*\\)\\(.*\\)" + many + "\\1\\2X$"),
            std::nullopt);
  EXPECT_NE(refs.Match(std::string(120, 'A')), MatchResult::kMatch);
  EXPECT_EQ(refs.Match("AAX"), MatchResult::kMatch);
}

// Full matches against the standard library's basic regular expressions, on
// random patterns over a small alphabet, exercise backtracking, back-references
// and the memo together.
TEST(PatternExpressionTest, AgreesWithStandardBasicExpressions) {
  std::mt19937 random(20240611);
  const std::vector<std::string> atoms = {"A", "B", ".", "[AB]", "[^A]", "[B-C]"};
  int compared = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string body;
    int groups = 0;
    int open = 0;
    std::vector<int> closed;
    const int parts = 1 + random() % 7;
    for (int i = 0; i < parts; ++i) {
      const int kind = random() % 10;
      if (kind < 5) {
        body += atoms[random() % atoms.size()];
        if (random() % 2) body += '*';
      } else if (kind < 7 && groups < 9) {
        body += "\\(";
        ++groups;
        ++open;
        body += atoms[random() % atoms.size()];
        body += '*';
        closed.push_back(groups);
      } else if (kind < 8 && open > 0) {
        body += "\\)";
        --open;
      } else if (kind < 9 && !closed.empty() && open == 0) {
        body += "\\" + std::to_string(closed[random() % closed.size()]);
      } else {
        body += ".*";
      }
    }
    while (open-- > 0) body += "\\)";
    const std::string expression = "^" + body + "$";

    PatternExpression ours;
    if (ours.Compile(expression)) continue;
    std::regex theirs;
    try {
      theirs = std::regex(expression, std::regex::basic);
    } catch (const std::regex_error&) {
      continue;
    }
    for (int w = 0; w < 8; ++w) {
      std::string word;
      const int length = random() % 9;
      for (int k = 0; k < length; ++k) word += static_cast<char>('A' + random() % 3);
      ASSERT_EQ(ours.Matches(word), std::regex_match(word, theirs))
          << expression << " on \"" << word << "\"";
      ++compared;
    }
  }
  EXPECT_GT(compared, 10000);
}

}  // namespace
}  // namespace tavrune
