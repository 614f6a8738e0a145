#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_lexicons.h"
#include "engine/word_walk.h"

namespace tavrune::bench {
namespace {

// Every lexicon a user may choose, loaded and checked from its file.
void BM_LoadLexicon(benchmark::State& state) {
  const LexiconId id = static_cast<LexiconId>(state.range(0));
  const std::string path = LexiconPath(id);
  Lexicon lexicon;
  for (auto _ : state) {
    if (!lexicon.LoadFile(path)) {
      state.SkipWithError("lexicon missing: build the default lexicons first");
      return;
    }
    benchmark::DoNotOptimize(lexicon.EdgeCount());
  }
  state.SetLabel(std::string(LexiconFileName(id)) + ", " +
                 std::to_string(lexicon.EdgeCount() * 4 / 1024) + " KiB of edges");
}
BENCHMARK(BM_LoadLexicon)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// Words of every length, present and absent, in a fixed mix.
std::vector<std::string> ProbeWords(const Lexicon& lexicon) {
  std::vector<std::string> words;
  size_t n = 0;
  VisitWords(lexicon, [&](std::string_view w) {
    if (++n % 97 == 0) {
      words.emplace_back(w);
      std::string phony(w);
      phony.back() = phony.back() == 'Z' ? 'Q' : 'Z';
      words.push_back(phony);
    }
  });
  return words;
}

// One look-up per iteration over the probe words, cycling.
template <typename Probe>
void RunProbes(benchmark::State& state, Probe probe) {
  const Lexicon& lexicon = DefaultLexicon();
  const std::vector<std::string> words = ProbeWords(lexicon);
  if (words.empty()) {
    state.SkipWithError("lexicon missing");
    return;
  }
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(probe(lexicon, words[i]));
    if (++i == words.size()) i = 0;
  }
}

void BM_Contains(benchmark::State& state) {
  RunProbes(state, [](const Lexicon& l, const std::string& w) { return l.Contains(w); });
}
BENCHMARK(BM_Contains);

// 26 front and 26 end probes.
void BM_HookLine(benchmark::State& state) {
  RunProbes(state, [](const Lexicon& l, const std::string& w) { return l.HookLine(w); });
}
BENCHMARK(BM_HookLine);

void BM_VisitAllWords(benchmark::State& state) {
  const Lexicon& lexicon = DefaultLexicon();
  for (auto _ : state) {
    size_t n = 0;
    VisitWords(lexicon, [&](std::string_view) { ++n; });
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(BM_VisitAllWords)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune::bench
