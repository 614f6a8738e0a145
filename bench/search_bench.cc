#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_lexicons.h"
#include "engine/generators.h"
#include "engine/word_collection.h"
#include "platform/silent_prompt.h"
#include "search/search_type_registry.h"

namespace tavrune::bench {
namespace {

struct Case {
  const char* type;
  const char* p1;
  const char* p2;
  int n1;
  int n2;
  bool matching;
};

// One search as the custom-list dialog runs it: an empty result in
// insertion order, the whole lexicon or a list as the source.
void RunSearch(benchmark::State& state, const Case& c, const WordCollection* source) {
  static const SearchTypeRegistry registry(true);
  const SearchType* type = registry.FindType(c.type);
  const Lexicon& lexicon = DefaultLexicon();
  SilentPrompt prompt;
  SearchParameters parameters{c.p1, c.p2, c.n1, c.n2, c.matching};
  int found = 0;
  for (auto _ : state) {
    WordCollection result;
    result.SetSortMode(false, SortKey::kAlphabetical, false);
    type->Search(parameters, lexicon, source, result, prompt);
    found = result.Count();
    benchmark::DoNotOptimize(found);
  }
  state.SetLabel(std::to_string(found) + " words" + (prompt.messages > 0 ? ", message shown" : ""));
}

void BM_WholeLexiconSearch(benchmark::State& state, Case c) { RunSearch(state, c, nullptr); }

// The walks: every lexicon word tested by the condition.
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, anywhere2_OO_U, Case{"Anywhere 2", "OO", "U", 0, 0, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, compound_4_4, Case{"Compound", "", "", 4, 4, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, sub_word_4, Case{"Sub Word", "", "", 4, 0, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, num_vowels_5_5, Case{"Num Vowels", "", "", 5, 5, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, total_points_20_30,
                  Case{"Total Points", "", "", 20, 30, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, contains_any_JQXZ,
                  Case{"Contains Any", "JQXZ", "", 0, 0, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, cryptogram_XYZXYZ,
                  Case{"Cryptogram", "XYZXYZ", "", 0, 0, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, cryptogram_XYZXYZ_not_matching,
                  Case{"Cryptogram", "XYZXYZ", "", 0, 0, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, buildbuild_QUOTA,
                  Case{"BuildBuild", "QUOTA", "", 0, 0, true})
    ->Unit(benchmark::kMillisecond);

// Direct generation: one engine call producing exactly the matching words.
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, anagram_AEINRST,
                  Case{"Anagram", "AEINRST", "", 0, 0, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, contains_QU, Case{"Contains", "QU", "", 0, 0, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, build_AEINRSTL, Case{"Build", "AEINRSTL", "", 0, 0, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, word_length_7_7, Case{"Word Length", "", "", 7, 7, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, beginning_UN, Case{"Beginning", "UN", "", 0, 0, true})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeLexiconSearch, ending2_EY_Y, Case{"Ending 2", "EY", "Y", 0, 0, true})
    ->Unit(benchmark::kMillisecond);

// The words of the default lexicon of one length, up to `limit` of them.
const WordCollection& WordsOfLength(int length, int limit) {
  static std::vector<std::unique_ptr<WordCollection>> made;
  auto list = std::make_unique<WordCollection>();
  list->SetSortMode(false, SortKey::kAlphabetical, false);
  PatternMatches(DefaultLexicon(), std::string(static_cast<size_t>(length), '?'), *list);
  while (list->Count() > limit) list->RemoveAt(list->Count() - 1);
  list->SetSortMode(true, SortKey::kAlphabetical, false);
  made.push_back(std::move(list));
  return *made.back();
}

void BM_FrontOnFiveLetterWords(benchmark::State& state) {
  static const WordCollection& five = WordsOfLength(5, WordCollection::kMaxWords);
  RunSearch(state, Case{"Front", "", "", 2, 0, true}, &five);
  state.counters["list"] = five.Count();
}
BENCHMARK(BM_FrontOnFiveLetterWords)->Unit(benchmark::kMillisecond);

void BM_NumAnagramsOnSevenLetterWords(benchmark::State& state) {
  static const WordCollection& seven = WordsOfLength(7, 2000);
  RunSearch(state, Case{"Num Anagrams", "", "", 0, 0, true}, &seven);
  state.counters["list"] = seven.Count();
}
BENCHMARK(BM_NumAnagramsOnSevenLetterWords)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrune::bench
