#include <benchmark/benchmark.h>

#include "bench/bench_lexicons.h"
#include "engine/anagram_index.h"
#include "engine/generators.h"
#include "engine/random_racks.h"

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
BENCHMARK_CAPTURE(BM_Anagrams, one_blank, "AEINRS?")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Anagrams, two_blanks, "AEINR??")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Anagrams, star, "QZ*")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Builds, seven, "AEINRST")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Builds, eight, "AEINRSTL")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Builds, fifteen_two_blanks, "AEINRSTLODCUP??")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Builds, blank, "AEINRST?")->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(BM_Anagrams, three_blanks, "AEIN???")->Unit(benchmark::kMicrosecond);

// The one-off cost of the first rack with blanks on a lexicon.
void BM_AnagramIndex(benchmark::State& state) {
  const Lexicon& lexicon = DefaultLexicon();
  for (auto _ : state) {
    AnagramIndex index(lexicon);
    benchmark::DoNotOptimize(index.WordCount());
  }
}
BENCHMARK(BM_AnagramIndex)->Unit(benchmark::kMillisecond);

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
BENCHMARK_CAPTURE(BM_PatternMatches, qu, "QU*")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PatternMatches, nine_blanks, "?????????")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PatternMatches, vowels_in_order, "*A*E*I*O*U*")->Unit(benchmark::kMillisecond);

// Every word through a visitor that keeps nothing.
void BM_ForEachWord(benchmark::State& state) {
  struct Counter : WordVisitor {
    void Visit(std::string_view, const Lexicon&, WordCollection&) override { ++words; }
    int words = 0;
  } counter;
  const Lexicon& lexicon = DefaultLexicon();
  WordCollection out;
  for (auto _ : state) ForEachWord(lexicon, counter, out);
  benchmark::DoNotOptimize(counter.words);
}
BENCHMARK(BM_ForEachWord)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune::bench

namespace tavrune::bench {
namespace {

// The random-rack command with its default settings: 100 racks of 8 tiles.
void BM_RandomRacks(benchmark::State& state) {
  const Lexicon& lexicon = DefaultLexicon();
  RandomEngine random(1);
  int made = 0;
  for (auto _ : state) {
    RandomRackGenerator generator(random);
    generator.SetPointsRange(6, 16);
    generator.SetVowelRange(3, 5);
    generator.SetPhonyRange(10, 20);
    generator.SetTimeLimit(60);
    WordCollection out;
    made = generator.Generate(100, 8, lexicon, out);
  }
  state.SetLabel(std::to_string(made) + " racks");
}
BENCHMARK(BM_RandomRacks)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune::bench
