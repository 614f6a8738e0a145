// One word in the word inspector as a player sees it: its facts over the
// combined lexicon, its WordNet senses, the page laid out and painted.

#include <benchmark/benchmark.h>

#include <QTextBrowser>
#include <memory>
#include <string>

#include "bench/bench_lexicons.h"
#include "inspect/ui/word_inspector_window.h"

namespace tavrune::bench {
namespace {

void BM_InspectorShowsWord(benchmark::State& state, const char* word) {
  WordNet wordnet;
  WordInspectorWindow window(std::make_unique<WordInspector>(DefaultLexicon(), LexiconId::kUKNA),
                             wordnet);
  window.show();
  for (auto _ : state) {
    window.Inspect(QString::fromLatin1(word));
    benchmark::DoNotOptimize(window.Facts()->viewport()->grab());
  }
  state.SetLabel(wordnet.Available() ? "with WordNet" : "without WordNet");
}
BENCHMARK_CAPTURE(BM_InspectorShowsWord, rates, "RATES")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InspectorShowsWord, wolves, "WOLVES")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InspectorShowsWord, taxiing, "TAXIING")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune::bench
