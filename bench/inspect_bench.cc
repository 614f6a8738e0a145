#include <benchmark/benchmark.h>

#include "bench/bench_lexicons.h"
#include "inspect/word_facts.h"
#include "inspect/wordnet.h"

namespace tavrune::bench {
namespace {

// Short and long, common and rare letters, words and non-words.
constexpr const char* kWords[] = {
    "QI",      "CAT",       "RETAINS",         "AEINRST",         "QUIXOTIC",
    "ZYZZYVA", "AERATIONS", "DEUTERANOMALIES", "OXYPHENBUTAZONE", "ABCDEFGHIJKLMNOPQ"};

// One call once the probability rank table of the word's length is made.
void BM_WordFacts(benchmark::State& state) {
  static WordInspector inspector(DefaultLexicon(), LexiconId::kUKNA);
  const char* word = kWords[state.range(0)];
  std::optional<WordFacts> facts = inspector.Inspect(word);
  for (auto _ : state) {
    facts = inspector.Inspect(word);
    benchmark::DoNotOptimize(facts);
  }
  state.SetLabel(std::string(word) + ": " + std::to_string(facts->AnagramCount()) + " anagrams, " +
                 std::to_string(facts->plus_one.size()) + " plus-one letters");
}
BENCHMARK(BM_WordFacts)->DenseRange(0, std::size(kWords) - 1)->Unit(benchmark::kMicrosecond);

// The first call for a length, which also makes the rank table of that length.
void BM_WordFactsFirstOfLength(benchmark::State& state) {
  const char* word = kWords[state.range(0)];
  for (auto _ : state) {
    WordInspector inspector(DefaultLexicon(), LexiconId::kUKNA);
    benchmark::DoNotOptimize(inspector.Inspect(word));
  }
  state.SetLabel(std::to_string(std::string_view(word).size()) + " letters");
}
BENCHMARK(BM_WordFactsFirstOfLength)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// A definition look-up with the files just opened, as the first one is.
void BM_DefineFirst(benchmark::State& state, const char* word) {
  size_t senses = 0;
  for (auto _ : state) {
    WordNet wordnet;
    if (!wordnet.Available()) return state.SkipWithError("WordNet is not installed");
    senses = wordnet.Define(word).size();
  }
  state.SetLabel(std::string(word) + ": " + std::to_string(senses) + " entries");
}
BENCHMARK_CAPTURE(BM_DefineFirst, wolves, "WOLVES")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DefineFirst, taxiing, "TAXIING")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DefineFirst, none, "QI")->Unit(benchmark::kMicrosecond);

void BM_Define(benchmark::State& state, const char* word) {
  WordNet wordnet;
  if (!wordnet.Available()) return state.SkipWithError("WordNet is not installed");
  for (auto _ : state) benchmark::DoNotOptimize(wordnet.Define(word));
}
BENCHMARK_CAPTURE(BM_Define, break, "BREAKING")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Define, none, "QI")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavrune::bench
