#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_lexicons.h"
#include "engine/word_collection.h"
#include "platform/silent_prompt.h"
#include "search/custom_list_search.h"
#include "search/word_search.h"

namespace tavrune::bench {
namespace {

// Every search as the custom-list dialog runs it, with its undo copy and
// re-sort: from the whole lexicon, and as a refinement of a full list.

struct DialogCase {
  const char* type;
  SearchParameters parameters;
};

const DialogCase kCases[] = {
    {"Pattern", {"*ING"}},
    {"Anywhere 2", {"OO", "U"}},
    {"Beginning", {"UN"}},
    {"Beginning 2", {"RE", "PRE"}},
    {"Compound", {"", "", 4, 4}},
    {"Consonant Vowel", {"CVCVCV"}},
    {"Cryptogram", {"XYZXYZ"}},
    {"Ending", {"ING"}},
    {"Ending 2", {"EY", "Y"}},
    {"Sub Word", {"", "", 4}},
    {"Anagram", {"AEINRST"}},
    {"Build", {"AEINRSTL"}},
    {"BuildBuild", {"QUOTA"}},
    {"Contains", {"QU"}},
    {"Contains Any", {"JQXZ"}},
    {"Contains Exact", {"AEE"}},
    {"Num Anagrams", {"", "", 2, 3}},
    {"End", {"", "", 1}},
    {"Front", {"", "", 1}},
    {"Front and End", {"", "", 1, 1}},
    {"Num Vowels", {"", "", 5, 5}},
    {"Probable", {"", "", 1, 1000}},
    {"Total Points", {"", "", 20, 30}},
    {"Word Length", {"", "", 2, 15}},
};

// The first 64,000 seven- and eight-letter words: the largest list a
// refinement can start from.
const WordCollection& FullList() {
  static const WordCollection list = [] {
    WordCollection words;
    SilentPrompt prompt;
    CustomListSearch model(words, false, DefaultLexicon(), prompt);
    model.Search(*model.registry().FindType("Word Length"), {"", "", 7, 8});
    return words;
  }();
  return list;
}

void BM_DialogSearch(benchmark::State& state, const DialogCase& c, bool refine) {
  SilentPrompt prompt;
  WordCollection working;
  CustomListSearch model(working, false, DefaultLexicon(), prompt, true);
  const SearchType& type = *model.registry().FindType(c.type);
  for (auto _ : state) {
    state.PauseTiming();
    model.NewSearch();
    if (refine) working = FullList();
    state.ResumeTiming();
    model.Search(type, c.parameters);
    benchmark::DoNotOptimize(working.Count());
  }
  state.counters["found"] = working.Count();
}

void BM_WordSearch(benchmark::State& state, WordSearchRequest request) {
  WordCollection results;
  for (auto _ : state) {
    RunWordSearch(DefaultLexicon(), request, {}, results);
    benchmark::DoNotOptimize(results.Count());
  }
  state.counters["found"] = results.Count();
}

const bool kRegistered = [] {
  const SearchTypeRegistry registry(true);
  for (const DialogCase& c : kCases) {
    if (registry.FindType(c.type)->SearchesWholeLexicon()) {
      benchmark::RegisterBenchmark((std::string("BM_DialogSearch/lexicon/") + c.type).c_str(),
                                   BM_DialogSearch, c, false)
          ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark((std::string("BM_DialogSearch/list64000/") + c.type).c_str(),
                                 BM_DialogSearch, c, true)
        ->Unit(benchmark::kMillisecond);
  }
  const std::pair<const char*, WordSearchRequest> tools[] = {
      {"pattern_star", {WordSearchType::kPattern, "*"}},
      {"anagram_AEINST??", {WordSearchType::kAnagram, "AEINST??", true}},
      {"build_AEINRST??_by_length", {WordSearchType::kBuild, "AEINRST??", true, false, true}},
      {"buildbuild_AEINRST", {WordSearchType::kBuild, "AEINRST", false, true}},
  };
  for (const auto& [name, request] : tools) {
    benchmark::RegisterBenchmark((std::string("BM_WordSearch/") + name).c_str(), BM_WordSearch,
                                 request)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace tavrune::bench
