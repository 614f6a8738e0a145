#include <benchmark/benchmark.h>

#include "bench/bench_lexicons.h"
#include "engine/generators.h"

namespace tavrune::bench {
namespace {

template <int (*Generate)(const Lexicon&, std::string_view, WordCollection&, const WordFilter*,
                          bool)>
void RunRack(benchmark::State& state, const char* rack) {
  const Lexicon& lexicon = DefaultLexicon();
  int found = 0;
  for (auto _ : state) {
    WordCollection out;
    found = Generate(lexicon, rack, out, nullptr, true);
    benchmark::DoNotOptimize(found);
  }
  state.SetLabel(std::string(rack) + ": " + std::to_string(found) + " words");
}

void BM_Anagrams(benchmark::State& state, const char* rack) { RunRack<Anagrams>(state, rack); }
void BM_Builds(benchmark::State& state, const char* rack) { RunRack<Builds>(state, rack); }

BENCHMARK_CAPTURE(BM_Anagrams, seven, "AEINRST")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Anagrams, two_blanks, "AEINR??")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Anagrams, star, "QZ*")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Builds, eight, "AEINRSTL")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Builds, blank, "AEINRST?")->Unit(benchmark::kMicrosecond);

void BM_BuildBuilds(benchmark::State& state) {
  const Lexicon& lexicon = DefaultLexicon();
  int found = 0;
  for (auto _ : state) {
    WordCollection out;
    found = BuildBuilds(lexicon, "AEINRSTL", out);
  }
  state.SetLabel(std::to_string(found) + " pairs");
}
BENCHMARK(BM_BuildBuilds)->Unit(benchmark::kMillisecond);

void BM_PatternMatches(benchmark::State& state, const char* pattern) {
  const Lexicon& lexicon = DefaultLexicon();
  int found = 0;
  for (auto _ : state) {
    WordCollection out;
    found = PatternMatches(lexicon, pattern, out);
  }
  state.SetLabel(std::string(pattern) + ": " + std::to_string(found) + " words");
}
BENCHMARK_CAPTURE(BM_PatternMatches, exact, "??A?E??")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PatternMatches, prefix, "UN*")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PatternMatches, general, "*ING")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune::bench
