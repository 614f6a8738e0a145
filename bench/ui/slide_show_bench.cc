// The next word of a slide show over a full list, as the main window does
// it: the answers computed, filled into the slide area and painted.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <algorithm>
#include <string>

#include "bench/bench_document.h"
#include "engine/word_walk.h"
#include "study/ui/slide_bar.h"
#include "study/ui/tavrune_view.h"

namespace tavrune::bench {
namespace {

// 64,000 words of the lexicon: every fourth word.
WordCollection FullList() {
  WordCollection list;
  list.SetSortMode(false, SortKey::kAlphabetical, false);
  int n = 0;
  VisitWords(DefaultLexicon(), [&](std::string_view word) {
    if (n++ % 4 == 0) list.Append(word);
  });
  return list;
}

void BM_NextWordPainted(benchmark::State& state, ListType type) {
  BenchDocument study;
  study.settings.PutInt("SlideWindow", "AnswerInterval", 0);  // every answer at once
  study.doc->SetListType(type);
  study.doc->MergeWords(FullList());
  QuizRecord record(*study.doc, study.settings);
  MTavruneView view(*study.doc, record, study.settings, study.prompt);
  view.resize(900, 700);
  long long answers = 0;
  for (auto _ : state) {
    if (study.doc->CurrentIndex() == study.doc->EntryCount() - 1) study.doc->GoToEntry(0);
    view.Next();
    answers += view.Bar()->AnswerCount(0);
    benchmark::DoNotOptimize(view.Slide()->grab());
  }
  state.SetLabel(std::to_string(study.doc->EntryCount()) + " entries, " +
                 std::to_string(answers / std::max<long long>(1, state.iterations())) +
                 " answers a word");
}
BENCHMARK_CAPTURE(BM_NextWordPainted, build_2_15, ListType::kBuild)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NextWordPainted, anagrams_and_hooks, ListType::kAnagramsAndHooks)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
