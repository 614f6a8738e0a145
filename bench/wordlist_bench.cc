#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/bench_document.h"
#include "bench/bench_lexicons.h"
#include "engine/random_source.h"
#include "engine/word_collection.h"
#include "engine/word_walk.h"
#include "platform/settings.h"
#include "platform/user_prompt.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune::bench {
namespace {

// A document over the default combined lexicon, answers unfiltered.
struct Study : BenchDocument {
  Study() : BenchDocument(2024) {}
};

// Every fourth word of the lexicon, up to a full list of 64,000.
const WordCollection& FullList() {
  static const WordCollection* words = [] {
    auto* list = new WordCollection;
    list->SetSortMode(false, SortKey::kAlphabetical, false);
    int n = 0;
    VisitWords(DefaultLexicon(), [&](std::string_view word) {
      if (n++ % 4 == 0) list->Append(word);
    });
    return list;
  }();
  return *words;
}

std::unique_ptr<Study> FullStudy(ListType type, SortType sort) {
  auto study = std::make_unique<Study>();
  study->doc->SetListType(type);
  study->doc->SetSortOptions(sort, false);
  study->doc->MergeWords(FullList());
  return study;
}

void BM_Rebuild(benchmark::State& state, ListType type, SortType sort) {
  const auto study = FullStudy(type, sort);
  for (auto _ : state) study->doc->RebuildEntries(0, false);
  state.SetLabel(std::to_string(study->doc->MasterWords().Count()) + " words, " +
                 std::to_string(study->doc->EntryCount()) + " entries");
}
BENCHMARK_CAPTURE(BM_Rebuild, list, ListType::kList, SortType::kAlphabetical)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Rebuild, anagrams, ListType::kAnagrams, SortType::kAlphabetical)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Rebuild, probability, ListType::kList, SortType::kProbability)
    ->Unit(benchmark::kMillisecond);

std::string TempList() {
  return (std::filesystem::temp_directory_path() / "tavrune-bench-list.tvr").string();
}

void BM_Save(benchmark::State& state) {
  const auto study = FullStudy(ListType::kList, SortType::kRandom);
  const std::string path = TempList();
  for (auto _ : state) {
    if (!study->doc->OnSaveDocument(path)) state.SkipWithError("save failed");
  }
  state.SetLabel(std::to_string(std::filesystem::file_size(path)) + " bytes");
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_Open(benchmark::State& state, SortType sort) {
  const std::string path = TempList();
  FullStudy(ListType::kList, sort)->doc->OnSaveDocument(path);
  Study study;
  for (auto _ : state) {
    if (!study.doc->OnOpenDocument(path)) state.SkipWithError("open failed");
  }
  state.SetLabel(std::to_string(study.doc->EntryCount()) + " entries");
}
BENCHMARK_CAPTURE(BM_Open, alphabetical, SortType::kAlphabetical)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, random, SortType::kRandom)->Unit(benchmark::kMillisecond);

void BM_ComputeAnswers(benchmark::State& state, ListType type, const char* entry) {
  Study study;
  MTavruneDoc& doc = *study.doc;
  doc.SetListType(type);
  doc.SetHookOptions(HookType::kFrontAndEnd, 2, 2);
  doc.SetBuildLimits(2, 15);
  WordCollection words;
  words.Append(entry);
  doc.MergeWords(words);
  int answers = 0;
  // As the views collect answers: in the order they are found.
  for (auto _ : state) {
    WordCollection front;
    WordCollection end;
    front.SetSortMode(false, SortKey::kAlphabetical, false);
    end.SetSortMode(false, SortKey::kAlphabetical, false);
    doc.ComputeAnswers(0, front, end);
    answers = front.Count() + end.Count();
    benchmark::DoNotOptimize(answers);
  }
  state.SetLabel(std::string(entry) + ": " + std::to_string(answers) + " answers");
}
BENCHMARK_CAPTURE(BM_ComputeAnswers, anagrams, ListType::kAnagrams, "AEINRST")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComputeAnswers, anagrams_and_hooks, ListType::kAnagramsAndHooks, "AEINRST")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComputeAnswers, hooks_2_2, ListType::kHooks, "RATE")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComputeAnswers, build_15, ListType::kBuild, "AEINRSTLODCUPGM")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavrune::bench
