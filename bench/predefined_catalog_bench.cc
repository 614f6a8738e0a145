// Every list of the shipped catalogue, generated on the default combined
// lexicon: each one, and the whole walk. Each list should take well under a
// second.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_lexicons.h"
#include "platform/silent_prompt.h"
#include "wordlist/predefined_catalog.h"

namespace tavrune::bench {
namespace {

// The catalogue beside this program, else beside TAVRUNE_PROGRAM_DIR.
std::string CatalogProgramFolder() {
  const std::string own = ProgramFolder();
  if (std::filesystem::exists(own + "PgmLists/Master.txt")) return own;
  const char* folder = std::getenv("TAVRUNE_PROGRAM_DIR");
  return folder != nullptr ? std::string(folder) + "/" : own;
}

struct ShippedCatalog {
  ShippedCatalog() {
    catalog.SetLexicon(LexiconId::kUKNA, &DefaultLexicon());
    catalog.Load(CatalogProgramFolder());
    // Every category stays loaded: nothing here unloads.
    for (int c = 0; c < catalog.CategoryCount(); ++c) {
      const std::string name(catalog.CategoryNames().Word(c));
      const CategoryNode* category = catalog.GetCategory(name);
      if (category == nullptr) continue;
      for (int s = 0; s < category->Count(); ++s) {
        const CategoryNode* sub = category->Subcategory(s);
        for (int l = 0; l < sub->Count(); ++l) {
          lists.push_back({PredefinedCatalog::Description(name, category->names().Word(s),
                                                          sub->List(l)->name()),
                           sub->List(l)});
        }
      }
    }
  }
  struct Entry {
    std::string description;
    const PredefinedList* list;
  };
  SilentPrompt prompt;
  PredefinedCatalog catalog{prompt};
  std::vector<Entry> lists;
};

ShippedCatalog& Catalog() {
  static ShippedCatalog* catalog = new ShippedCatalog;
  return *catalog;
}

int Generate(const PredefinedList& list, UserPrompt& prompt) {
  WordCollection words;
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  return list.Generate(DefaultLexicon(), words, prompt);
}

void BM_PredefinedList(benchmark::State& state, const PredefinedList* list) {
  int words = 0;
  for (auto _ : state) words = Generate(*list, Catalog().prompt);
  state.counters["words"] = words;
}

void BM_WholeCatalog(benchmark::State& state) {
  for (auto _ : state) {
    int words = 0;
    for (const auto& entry : Catalog().lists) words += Generate(*entry.list, Catalog().prompt);
    benchmark::DoNotOptimize(words);
  }
  state.counters["lists"] = static_cast<double>(Catalog().lists.size());
}
BENCHMARK(BM_WholeCatalog)->Unit(benchmark::kMillisecond)->Iterations(1);

// Registered before main runs, one benchmark per list.
const bool kRegistered = [] {
  for (const auto& entry : Catalog().lists) {
    benchmark::RegisterBenchmark(("BM_PredefinedList/" + entry.description).c_str(),
                                 BM_PredefinedList, entry.list)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
  }
  return true;
}();

}  // namespace
}  // namespace tavrune::bench
