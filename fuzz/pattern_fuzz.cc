// Any text as a pattern: compiling must refuse it or give a program that
// matches without reading out of bounds, in bounded steps, and the pattern
// walk of a lexicon must find only words the pattern matches.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/generators.h"
#include "engine/lexicon_builder.h"
#include "engine/pattern_expression.h"

namespace {

constexpr std::string_view kWords[] = {
    "A",
    "AA",
    "AB",
    "ABS",
    "AT",
    "BA",
    "BAT",
    "CAT",
    "CATS",
    "CAST",
    "CASTS",
    "SCAT",
    "TACT",
    "QI",
    "ZA",
    "ZZZ",
    "BEAST",
    "ABACA",
    "BANANA",
    "ABCABC",
    "CATTLE",
    "ABRACADABRA",
    "MISSISSIPPI",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKL",  // 64 letters
};

const tavrune::Lexicon& SmallLexicon() {
  static const tavrune::Lexicon lexicon = [] {
    tavrune::LexiconBuilder builder;
    for (std::string_view w : kWords) builder.AddWord(w);
    tavrune::Lexicon built;
    built.LoadBytes(builder.Build());
    return built;
  }();
  return lexicon;
}

void CheckGroups(const tavrune::PatternExpression& e, std::string_view subject) {
  for (int g = 0; g < tavrune::PatternExpression::kGroupCount; ++g) {
    const tavrune::PatternSpan span = e.Group(g);
    if (span.begin < -1 || span.end > static_cast<int>(subject.size())) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // The pattern's own text as a subject too, cut to the longest a word can
  // be, as no subject in the programs is longer.
  const std::string_view own = text.substr(0, tavrune::kMaxGraphDepth);

  tavrune::PatternExpression expression;
  if (!expression.Compile(text)) {
    for (std::string_view subject : {std::string_view(), own}) {
      if (expression.Match(subject) == tavrune::MatchResult::kMatch)
        CheckGroups(expression, subject);
    }
    for (std::string_view w : kWords) {
      if (expression.Match(w) == tavrune::MatchResult::kMatch) CheckGroups(expression, w);
    }
  }

  tavrune::WordCollection found;
  found.SetSortMode(false, tavrune::SortKey::kAlphabetical, false);
  std::string error;
  tavrune::PatternMatches(SmallLexicon(), text, found, nullptr, &error);
  tavrune::PatternExpression wildcard;
  const bool compiles = !wildcard.CompileWildcard(text).has_value();
  // A faulty pattern is refused, and a sound one only for its cost.
  if (!error.empty() && compiles && error != "Pattern too complex") __builtin_trap();
  for (std::string_view w : found) {
    if (!compiles || !wildcard.Matches(w)) __builtin_trap();
  }
  return 0;
}
