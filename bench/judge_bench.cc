// The judge window's work on a large paste: the check for invalid characters,
// the cleaning, and judging every word. Each should take a moment at most.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_lexicons.h"
#include "judge/challenge.h"

namespace tavrune {
namespace {

std::string PastedText(const char* line) {
  std::string text;
  while (text.size() < 100 * 1024) text += line;
  return text;
}

void BM_JudgePaste100KB(benchmark::State& state) {
  const Lexicon& lexicon = bench::DefaultLexicon();
  const std::string text = PastedText("QI ZA QUIXOTRY XYZZY CAT\n");
  for (auto _ : state) {
    benchmark::DoNotOptimize(HasInvalidCharacters(text));
    benchmark::DoNotOptimize(JudgeChallenge(lexicon, text));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_JudgePaste100KB)->Unit(benchmark::kMillisecond);

void BM_CleanPaste100KB(benchmark::State& state) {
  const std::string text = PastedText("QI, ZA; QUIXOTRY - XYZZY 42\n");
  for (auto _ : state) {
    benchmark::DoNotOptimize(HasInvalidCharacters(text));
    benchmark::DoNotOptimize(RemoveInvalidCharacters(text));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CleanPaste100KB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune
