#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_document.h"
#include "bench/bench_lexicons.h"
#include "engine/random_source.h"
#include "engine/word_collection.h"
#include "engine/word_walk.h"
#include "platform/settings.h"
#include "platform/user_prompt.h"
#include "wordlist/answer_removal.h"
#include "wordlist/list_import.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune::bench {
namespace {

// A document over the default combined lexicon, answers unfiltered.
struct Desk : BenchDocument {
  Desk() : BenchDocument(7) {}
};

// Every n-th word of the default lexicon, at most `limit` of them.
std::vector<std::string> LexiconSample(int every, int limit) {
  std::vector<std::string> words;
  int n = 0;
  VisitWords(DefaultLexicon(), [&](std::string_view word) {
    if (n++ % every == 0 && static_cast<int>(words.size()) < limit) words.emplace_back(word);
  });
  return words;
}

// A text file of `tokens` tokens: the lexicon sample in lower case, eight to
// a line, then from its start again until the count is reached.
std::string TextFile(int distinct, int tokens) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("tavrune-bench-import-" + std::to_string(tokens) + ".txt"))
                               .string();
  const std::vector<std::string> words = LexiconSample(4, distinct);
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < tokens; ++i) {
    std::string word = words[static_cast<size_t>(i) % words.size()];
    std::transform(word.begin(), word.end(), word.begin(),
                   [](char c) { return static_cast<char>(c - 'A' + 'a'); });
    out << word << (i % 8 == 7 ? '\n' : ' ');
  }
  return path;
}

// A fresh empty list per iteration; the import with its merge and rebuild
// is what is timed.
void BM_ImportTextFile(benchmark::State& state) {
  const int tokens = static_cast<int>(state.range(0));
  const std::string path = TextFile(MTavruneDoc::kMaxWords, tokens);
  int imported = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto desk = std::make_unique<Desk>();
    state.ResumeTiming();
    imported = ImportTextFile(*desk->doc, path);
    state.PauseTiming();
    desk.reset();
    state.ResumeTiming();
  }
  state.SetLabel(std::to_string(tokens) + " tokens, " + std::to_string(imported) + " words, " +
                 std::to_string(std::filesystem::file_size(path) / 1024) + " KiB");
  std::filesystem::remove(path);
}
BENCHMARK(BM_ImportTextFile)->Arg(64000)->Arg(100000)->Unit(benchmark::kMillisecond);

// 50 MB of bytes that are never white space: half a million rejected
// tokens, and nothing merged.
void BM_ImportBinaryFile(benchmark::State& state) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "tavrune-bench-import-binary.txt").string();
  {
    std::string content(50 << 20, '\0');
    uint32_t value = 1;
    for (char& c : content) {
      value = value * 1664525u + 1013904223u;
      c = static_cast<char>(value >> 24);
      if (c == ' ' || (c >= '\t' && c <= '\r')) c = 'x';
    }
    std::ofstream(path, std::ios::binary) << content;
  }
  Desk desk;
  for (auto _ : state) benchmark::DoNotOptimize(ImportTextFile(*desk.doc, path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_ImportBinaryFile)->Unit(benchmark::kMillisecond);

// Remove Words Without Answer over a Hooks list of 5,000 entries (front and
// end hooks of one letter), run to its end as the dialog's timer drives it.
// The slowest step is what the user feels between two repaints.
void BM_RemoveWithoutAnswers(benchmark::State& state, ListType type) {
  const std::vector<std::string> sample = LexiconSample(50, 5000);
  WordCollection words;
  for (const std::string& word : sample) words.Append(word);
  double slowest_step_ms = 0;
  int steps = 0;
  int removed = 0;
  int entries = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto desk = std::make_unique<Desk>();
    desk->doc->SetListType(type);
    desk->doc->SetHookOptions(HookType::kFrontAndEnd, 1, 1);
    desk->doc->MergeWords(words);
    entries = desk->doc->EntryCount();
    state.ResumeTiming();
    AnswerRemoval removal(*desk->doc);
    removal.Start(false);
    int progress = 0;
    steps = 0;
    for (bool done = false; !done; ++steps) {
      const auto start = std::chrono::steady_clock::now();
      done = removal.Step(progress);
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      slowest_step_ms = std::max(slowest_step_ms, took.count());
    }
    removed = removal.Finish();
    state.PauseTiming();
    desk.reset();
    state.ResumeTiming();
  }
  state.counters["steps"] = steps;
  state.counters["slowest_step_ms"] = slowest_step_ms;
  state.SetLabel(std::to_string(entries) + " entries, " + std::to_string(removed) +
                 " words removed");
}
BENCHMARK_CAPTURE(BM_RemoveWithoutAnswers, hooks, ListType::kHooks)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RemoveWithoutAnswers, anagrams, ListType::kAnagrams)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune::bench
