#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_document.h"
#include "bench/bench_lexicons.h"
#include "engine/word_walk.h"
#include "print/page_setup.h"
#include "print/print_job.h"
#include "print/print_layout.h"

namespace tavrune::bench {
namespace {

// 64,000 words of lengths 7 and 8, the longest Anagrams and Hooks list a
// player prints.
std::unique_ptr<BenchDocument> FullAnagramsAndHooks() {
  auto study = std::make_unique<BenchDocument>();
  WordCollection words;
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  VisitWords(DefaultLexicon(), [&](std::string_view word) {
    if ((word.size() == 7 || word.size() == 8) && words.Count() < WordCollection::kMaxWords) {
      words.Append(word);
    }
  });
  study->doc->SetListType(ListType::kAnagramsAndHooks);
  study->doc->MergeWords(words);
  return study;
}

// Courier-like: every character 0.6 of the font height.
int MonospaceMeasure(PrintFont, std::string_view text) {
  return static_cast<int>(text.size()) * 120;
}

// Collecting every answer with its hooks and paginating; the drawing is
// measured through Tavrune --print-pdf.
void BM_PreparePrintFullList(benchmark::State& state) {
  const auto study = FullAnagramsAndHooks();
  PrintJob job(*study->doc);
  int pages = 0;
  for (auto _ : state) {
    job.PrepareAll();
    const PrintLayout layout(PageSetup(), PrinterFacts(), job.Content(), MonospaceMeasure);
    pages = layout.PageCount();
    benchmark::DoNotOptimize(pages);
  }
  state.counters["entries"] = study->doc->EntryCount();
  state.counters["pages"] = pages;
}
BENCHMARK(BM_PreparePrintFullList)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tavrune::bench
