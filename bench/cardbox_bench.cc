#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_lexicons.h"
#include "cardbox/cardbox.h"
#include "cardbox/sqlite_db.h"
#include "cardbox/statistics.h"
#include "engine/word_walk.h"

namespace tavrune::bench {
namespace {

constexpr int64_t kNow = 1773482400;
const Deck kDeck{"UKNA", CardKind::kAnagrams};

std::string BenchFile(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("tavrune-bench-" + name)).string();
}

void RemoveDatabase(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
}

// The first `count` words of the default lexicon.
std::vector<std::string> LexiconWords(size_t count) {
  std::vector<std::string> words;
  VisitWords(DefaultLexicon(), [&](std::string_view word) {
    if (words.size() < count) words.emplace_back(word);
  });
  return words;
}

// A cardbox on disk of 100,000 cards over eight boxes, due from 30 days ago
// to 60 days ahead, and 1,000,000 answers over the last year; made once.
const std::string& LargeCardbox() {
  static const std::string path = [] {
    const std::string file = BenchFile("cardbox-large.sqlite");
    RemoveDatabase(file);
    Cardbox cardbox([] { return kNow; }, 1);
    cardbox.Open(file);
    std::vector<std::string> questions;
    for (int i = 0; questions.size() < 100000; ++i) {
      std::string question;
      for (int n = i; question.size() < 5; n /= 26) question += static_cast<char>('A' + n % 26);
      questions.push_back(question);
    }
    AddCounts counts;
    cardbox.Add({"UKNA", CardKind::kHooks}, questions, &counts);
    sql::Database db;
    db.Open(file, SQLITE_OPEN_READWRITE);
    db.Exec(
        "UPDATE cards SET box = abs(random()) % 8,"
        " due = 1773482400 - 30 * 86400 + abs(random()) % (90 * 86400)");
    db.Exec("BEGIN");
    sql::Statement insert(db,
                          "INSERT INTO history (card, answered, was_right, box_before, due_before,"
                          " streak_before) VALUES (?1, ?2, ?3, 0, 0, 0)");
    uint32_t value = 1;
    for (int i = 0; i < 1000000; ++i) {
      value = value * 1664525u + 1013904223u;
      insert.Reset();
      insert.Bind(1, 1 + value % 100000).Bind(2, kNow - (value >> 8) % (365 * 86400));
      insert.Bind(3, (value >> 4) % 3 != 0 ? 1 : 0).Run();
    }
    db.Exec("COMMIT");
    return file;
  }();
  return path;
}

// Add List to Cardbox with a list of 64,000 words, into an empty cardbox.
void BM_CardboxAdd64000(benchmark::State& state) {
  const std::vector<std::string> words = LexiconWords(64000);
  const std::string file = BenchFile("cardbox-add.sqlite");
  AddCounts counts;
  for (auto _ : state) {
    state.PauseTiming();
    RemoveDatabase(file);
    Cardbox cardbox([] { return kNow; }, 1);
    cardbox.Open(file);
    state.ResumeTiming();
    cardbox.Add(kDeck, words, &counts);
  }
  state.SetLabel(std::to_string(counts.added) + " cards added");
  RemoveDatabase(file);
}
BENCHMARK(BM_CardboxAdd64000)->Unit(benchmark::kMillisecond);

// Study Due Words: the first 100 due cards of 100,000.
void BM_CardboxDue100(benchmark::State& state) {
  Cardbox cardbox([] { return kNow; }, 1);
  cardbox.Open(LargeCardbox());
  const bool box_zero_first = state.range(0) != 0;
  std::vector<Card> cards;
  for (auto _ : state) cardbox.Due({"UKNA", CardKind::kHooks}, 100, box_zero_first, &cards);
  state.SetLabel(box_zero_first ? "box 0 first" : "due order");
}
BENCHMARK(BM_CardboxDue100)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One answer graded and committed to the disk.
void BM_CardboxGrade(benchmark::State& state) {
  Cardbox cardbox([] { return kNow; }, 1);
  cardbox.Open(LargeCardbox());
  std::vector<Card> cards;
  cardbox.Due({}, 10000, false, &cards);
  size_t i = 0;
  std::optional<Card> card;
  for (auto _ : state) {
    cardbox.Grade({"UKNA", CardKind::kHooks}, cards[i].question, i % 3 != 0, &card);
    i = (i + 1) % cards.size();
  }
}
BENCHMARK(BM_CardboxGrade)->Unit(benchmark::kMillisecond);

// What the statistics window shows: cards per box, due per day for 30 days,
// right answers per day over 30 days.
void BM_CardboxStatistics(benchmark::State& state) {
  Cardbox cardbox([] { return kNow; }, 1);
  cardbox.Open(LargeCardbox());
  CardboxStatistics statistics;
  for (auto _ : state) ReadStatistics(cardbox, {}, &statistics);
}
BENCHMARK(BM_CardboxStatistics)->Unit(benchmark::kMillisecond);

// Opening the large cardbox, quick check included: the study program's
// first grade or Study Due Words waits this long once.
void BM_CardboxOpen(benchmark::State& state) {
  const std::string& file = LargeCardbox();
  for (auto _ : state) {
    Cardbox cardbox([] { return kNow; }, 1);
    benchmark::DoNotOptimize(cardbox.Open(file).ok());
  }
}
BENCHMARK(BM_CardboxOpen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune::bench
