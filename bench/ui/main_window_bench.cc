// The study program's main window built and shown, as start-up does once
// the lexicons are loaded: actions, menus, toolbar, status bar and view.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/bench_document.h"
#include "study/application_state.h"
#include "study/ui/main_frame.h"

namespace tavrune::bench {
namespace {

void BM_MainWindowShown(benchmark::State& state) {
  BasicBenchDocument<ApplicationState> study;
  QuizRecord record(*study.doc, study.settings);
  PredefinedCatalog catalog(study.prompt);
  // Never opened: the window opens its cardbox only when a command needs it.
  LazyCardbox cardbox(
      "", [] { return int64_t{0}; }, 1, study.prompt);
  for (auto _ : state) {
    MMainFrame frame(StudyContext{study.app, study.settings, *study.doc, record, catalog,
                                  study.prompt, study.random, cardbox});
    frame.RemoveUnavailableCommands();
    frame.show();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune::bench
