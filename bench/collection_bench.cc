#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_lexicons.h"
#include "engine/tiles.h"
#include "engine/word_collection.h"
#include "engine/word_walk.h"

namespace tavrune::bench {
namespace {

// A full list: 64,000 words spread over the whole default lexicon, in
// lexicon (alphabetical) order.
const std::vector<std::string>& FullListWords() {
  static const std::vector<std::string> words = [] {
    std::vector<std::string> all;
    VisitWords(DefaultLexicon(), [&](std::string_view w) { all.emplace_back(w); });
    std::vector<std::string> picked;
    if (all.empty()) return picked;
    const double step = static_cast<double>(all.size()) / WordCollection::kMaxWords;
    for (int i = 0; i < WordCollection::kMaxWords && step >= 1.0; ++i) {
      picked.push_back(all[static_cast<size_t>(i * step)]);
    }
    return picked;
  }();
  return words;
}

// The same words in a fixed random order.
const std::vector<std::string>& ShuffledWords() {
  static const std::vector<std::string> words = [] {
    std::vector<std::string> shuffled = FullListWords();
    RandomEngine engine(1);
    ShuffleRange(shuffled.begin(), shuffled.end(), engine);
    return shuffled;
  }();
  return words;
}

WordCollection UnsortedCollection(const std::vector<std::string>& words) {
  WordCollection c;
  c.SetSortMode(false, SortKey::kAlphabetical, false);
  for (const std::string& w : words) c.Append(w);
  return c;
}

bool HaveWords(benchmark::State& state) {
  if (FullListWords().size() == WordCollection::kMaxWords) return true;
  state.SkipWithError("lexicon missing: set TAVRUNE_PROGRAM_DIR to a build with lexicons");
  return false;
}

// Sorting a shuffled full list under each key (0 Alphabetical, 1 Length,
// 2 Probability, 3 Points), descending as the list ordering dialog offers.
void BM_SortFullList(benchmark::State& state) {
  if (!HaveWords(state)) return;
  const SortKey key = static_cast<SortKey>(state.range(0));
  const WordCollection shuffled = UnsortedCollection(ShuffledWords());
  for (auto _ : state) {
    state.PauseTiming();
    WordCollection c(shuffled);
    state.ResumeTiming();
    c.SetSortMode(true, key, true);
    benchmark::DoNotOptimize(c.Word(0));
  }
  state.SetItemsProcessed(state.iterations() * WordCollection::kMaxWords);
}
BENCHMARK(BM_SortFullList)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Inserting a full list one word at a time into a sorted collection:
// 0 alphabetical in lexicon order (what a generator does), 1 alphabetical in
// random order, 2 by probability in random order.
void BM_InsertFullListSorted(benchmark::State& state) {
  if (!HaveWords(state)) return;
  const int mode = static_cast<int>(state.range(0));
  const std::vector<std::string>& words = mode == 0 ? FullListWords() : ShuffledWords();
  for (auto _ : state) {
    WordCollection c;
    if (mode == 2) c.SetSortMode(true, SortKey::kProbability, true);
    for (const std::string& w : words) c.Insert(w);
    benchmark::DoNotOptimize(c.Count());
  }
  state.SetItemsProcessed(state.iterations() * WordCollection::kMaxWords);
}
BENCHMARK(BM_InsertFullListSorted)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

// Saving and loading a full list as text, plain (0) and front-coded (1).
void BM_SaveText(benchmark::State& state) {
  if (!HaveWords(state)) return;
  const bool front_coded = state.range(0) != 0;
  const WordCollection c = UnsortedCollection(FullListWords());
  const std::string path = TempPath("tavrune-bench-save.txt");
  for (auto _ : state) {
    if (!c.SaveText(path, front_coded)) state.SkipWithError("cannot write the temporary file");
  }
  state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LoadText(benchmark::State& state) {
  if (!HaveWords(state)) return;
  const bool front_coded = state.range(0) != 0;
  const std::string path = TempPath("tavrune-bench-load.txt");
  UnsortedCollection(FullListWords()).SaveText(path, front_coded);
  for (auto _ : state) {
    WordCollection c;  // sorted: loading ends with one sort check
    c.LoadText(path, front_coded);
    benchmark::DoNotOptimize(c.Count());
  }
  state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A word list's master block written and read back as archive records.
void BM_ArchiveRoundTrip(benchmark::State& state) {
  if (!HaveWords(state)) return;
  const WordCollection c = UnsortedCollection(FullListWords());
  for (auto _ : state) {
    std::stringstream stream;
    c.WriteArchive(stream, "Qm7;#x1!");
    WordCollection read;
    read.ReadArchive(stream, "Qm7;#x1!");
    benchmark::DoNotOptimize(read.Count());
  }
}
BENCHMARK(BM_ArchiveRoundTrip)->Unit(benchmark::kMillisecond);

void BM_DrawCount(benchmark::State& state) {
  if (!HaveWords(state)) return;
  const std::vector<std::string>& words = FullListWords();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DrawCount(words[i]));
    if (++i == words.size()) i = 0;
  }
}
BENCHMARK(BM_DrawCount);

}  // namespace
}  // namespace tavrune::bench
