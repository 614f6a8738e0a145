#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_lexicons.h"
#include "engine/pattern_expression.h"
#include "engine/word_walk.h"

namespace tavrune::bench {
namespace {

// Expressions as the pattern search and conditions make them from user
// patterns, from a cheap anchored one to back-references and many closures.
const char* const kExpressions[] = {
    "^C.T.*$",              // C?T*
    "^.*Q[^U].*$",          // *Q[^U]*
    "^[AEIOU].*[AEIOU]$",   // [AEIOU]*[AEIOU]
    "^.*A.*E.*I.*O.*U.*$",  // *A*E*I*O*U*
    "^\\(..\\).*\\1$",      // same first and last two letters
    "\\<RE",                // unanchored
};

// One expression over every word of the default lexicon, as the general
// pattern method does when the pattern starts with a wildcard.
void BM_MatchLexicon(benchmark::State& state) {
  const Lexicon& lexicon = DefaultLexicon();
  if (!lexicon.IsLoaded()) {
    state.SkipWithError("lexicon missing");
    return;
  }
  PatternExpression expression;
  const std::string text = kExpressions[state.range(0)];
  expression.Compile(text);
  size_t words = 0;
  size_t matched = 0;
  for (auto _ : state) {
    matched = 0;
    VisitWords(lexicon, [&](std::string_view w) {
      ++words;
      matched += expression.Matches(w) ? 1 : 0;
    });
    benchmark::DoNotOptimize(matched);
  }
  state.SetItemsProcessed(static_cast<int64_t>(words));
  state.SetLabel(text + ", " + std::to_string(matched) + " words");
}
BENCHMARK(BM_MatchLexicon)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// The walk alone, to tell the matcher's share.
void BM_WalkLexicon(benchmark::State& state) {
  const Lexicon& lexicon = DefaultLexicon();
  if (!lexicon.IsLoaded()) {
    state.SkipWithError("lexicon missing");
    return;
  }
  size_t words = 0;
  for (auto _ : state) {
    size_t letters = 0;
    VisitWords(lexicon, [&](std::string_view w) {
      ++words;
      letters += w.size();
    });
    benchmark::DoNotOptimize(letters);
  }
  state.SetItemsProcessed(static_cast<int64_t>(words));
}
BENCHMARK(BM_WalkLexicon)->Unit(benchmark::kMillisecond);

void BM_CompileWildcard(benchmark::State& state) {
  PatternExpression expression;
  for (auto _ : state) {
    benchmark::DoNotOptimize(expression.CompileWildcard("[AEIOU]?T*[^S]"));
  }
}
BENCHMARK(BM_CompileWildcard);

void BM_CompileExpression(benchmark::State& state) {
  PatternExpression expression;
  for (auto _ : state) {
    benchmark::DoNotOptimize(expression.Compile("^C.T.*$"));
  }
}
BENCHMARK(BM_CompileExpression);

// Closures that must all give back characters before failing.
void BM_MatchPathological(benchmark::State& state) {
  std::string text = "^";
  for (int i = 0; i < 8; ++i) text += ".*";
  text += "X$";
  PatternExpression expression;
  expression.Compile(text);
  const std::string word(state.range(0), 'A');
  for (auto _ : state) benchmark::DoNotOptimize(expression.Match(word));
}
BENCHMARK(BM_MatchPathological)->Arg(15)->Arg(64)->Arg(300);

}  // namespace
}  // namespace tavrune::bench
