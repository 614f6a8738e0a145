#include "tools/engine_commands.h"

#include <cstdio>
#include <map>

#include "engine/generators.h"
#include "engine/probability.h"
#include "engine/random_racks.h"
#include "engine/tiles.h"

namespace tavrune {
namespace {

// Results in alphabetical order, letters compared regardless of case.
WordCollection ResultList() {
  WordCollection words;
  words.SetSortMode(true, SortKey::kAlphabetical, false);
  return words;
}

// LEXICON RACK [--small-caps] for the rack generators.
template <typename Generate>
int RackCommand(const char* name, const Args& args, const Io& io, Generate generate) {
  Args plain;
  bool small_caps = false;
  for (const std::string& arg : args) {
    if (arg == "--small-caps") {
      small_caps = true;
    } else if (arg.starts_with("--")) {
      return io.Fail("unknown option '" + arg + "'");
    } else {
      plain.push_back(arg);
    }
  }
  if (plain.size() != 2) return io.Fail(std::string(name) + " needs FILE.TVD and RACK");
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(plain[0], lexicon, io, status)) return status;
  WordCollection words = ResultList();
  generate(lexicon, plain[1], words, small_caps);
  PrintWords(words, io);
  return kExitOk;
}

// Reads "--name MIN MAX" style option values from args[i + 1 ...].
bool ReadNumbers(const Args& args, size_t& i, int count, std::vector<int>& values, const Io& io,
                 int& status) {
  const std::string option = args[i];
  for (int k = 0; k < count; ++k) {
    if (i + 1 >= args.size()) {
      status = io.Fail("option " + option + " needs " + std::to_string(count) + " number(s)");
      return false;
    }
    const auto value = ParseInteger(args[++i]);
    if (!value || *value < -1000000 || *value > 1000000) {
      status = io.Fail("option " + option + ": '" + args[i] + "' is not a usable number");
      return false;
    }
    values.push_back(static_cast<int>(*value));
  }
  return true;
}

}  // namespace

int AnagramCommand(const Args& args, const Io& io) {
  return RackCommand("anagram", args, io,
                     [](const Lexicon& l, const std::string& rack, WordCollection& out, bool caps) {
                       Anagrams(l, rack, out, nullptr, caps);
                     });
}

int BuildCommand(const Args& args, const Io& io) {
  return RackCommand("build", args, io,
                     [](const Lexicon& l, const std::string& rack, WordCollection& out, bool caps) {
                       Builds(l, rack, out, nullptr, caps);
                     });
}

int BuildBuildCommand(const Args& args, const Io& io) {
  return RackCommand("buildbuild", args, io,
                     [](const Lexicon& l, const std::string& rack, WordCollection& out, bool caps) {
                       BuildBuilds(l, rack, out, caps);
                     });
}

int PatternCommand(const Args& args, const Io& io) {
  if (args.size() != 2) return io.Fail("pattern needs FILE.TVD and PATTERN");
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  WordCollection words = ResultList();
  std::string error;
  PatternMatches(lexicon, args[1], words, nullptr, &error);
  if (!error.empty()) return io.Fail(error);
  PrintWords(words, io);
  return kExitOk;
}

int StatsCommand(const Args& args, const Io& io) {
  ProbabilityReference reference(LexiconId::kUKNA);
  Args words;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--lexicon-id") {
      if (i + 1 >= args.size()) return io.Fail("option --lexicon-id needs a number");
      const auto id = ParseInteger(args[++i]);
      if (!id || !reference.SelectNumber(*id)) {
        return io.Fail("--lexicon-id takes 0 to 4, not '" + args[i] + "'");
      }
    } else if (args[i].starts_with("--")) {
      return io.Fail("unknown option '" + args[i] + "'");
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.empty()) return io.Fail("stats needs at least one WORD");
  for (const std::string& word : words) {
    char factor[32];
    std::snprintf(factor, sizeof factor, "%.3f", reference.Factor(word));
    char draws[32];
    std::snprintf(draws, sizeof draws, "%.0f", static_cast<double>(DrawCount(word)));
    io.out << word << '\t' << WordPoints(word) << '\t' << VowelCount(word) << '\t' << draws << '\t'
           << factor << '\n';
  }
  return kExitOk;
}

int RacksCommand(const Args& args, const Io& io) {
  if (args.empty() || args[0].starts_with("--")) return io.Fail("racks needs FILE.TVD");
  int count = 100;
  int letters = 8;
  long long seed = -1;
  std::map<std::string, std::vector<int>> ranges;
  bool no_blanks = false;
  int time_limit = 60;
  int status = kExitOk;
  const std::map<std::string, int> kOptionNumbers = {
      {"--count", 1},  {"--letters", 1}, {"--seed", 1},        {"--phonies", 2},
      {"--points", 2}, {"--vowels", 2},  {"--probability", 2}, {"--time", 1}};
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--no-blanks") {
      no_blanks = true;
      continue;
    }
    const auto option = kOptionNumbers.find(args[i]);
    if (option == kOptionNumbers.end()) return io.Fail("unknown option '" + args[i] + "'");
    std::vector<int> values;
    if (!ReadNumbers(args, i, option->second, values, io, status)) return status;
    ranges[option->first] = values;
  }
  if (ranges.count("--count")) count = ranges["--count"][0];
  if (ranges.count("--letters")) letters = ranges["--letters"][0];
  if (ranges.count("--seed")) seed = ranges["--seed"][0];
  if (ranges.count("--time")) time_limit = ranges["--time"][0];
  if (count < 0 || count > WordCollection::kMaxWords) return io.Fail("--count takes 0 to 64000");
  if (letters < 2 || letters > 15) return io.Fail("--letters takes 2 to 15");
  if (time_limit < 0) return io.Fail("--time takes 0 or more seconds");

  Lexicon lexicon;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  RandomEngine random = seed >= 0 ? RandomEngine(static_cast<uint32_t>(seed)) : ClockSeededEngine();
  RandomRackGenerator generator(random);
  generator.SetNoBlanks(no_blanks);
  generator.SetTimeLimit(time_limit);
  // The random-rack command's own defaults.
  const auto range = [&](const char* name, int min, int max) {
    const auto it = ranges.find(name);
    return it == ranges.end() ? std::pair{min, max} : std::pair{it->second[0], it->second[1]};
  };
  const auto [min_phonies, max_phonies] = range("--phonies", 10, 20);
  const auto [min_points, max_points] = range("--points", 6, 16);
  const auto [min_vowels, max_vowels] = range("--vowels", 3, 5);
  const auto [min_factor, max_factor] = range("--probability", 0, 100);
  generator.SetPhonyRange(min_phonies, max_phonies);
  generator.SetPointsRange(min_points, max_points);
  generator.SetVowelRange(min_vowels, max_vowels);
  generator.SetProbabilityFactorRange(min_factor, max_factor);
  WordCollection racks = ResultList();
  generator.Generate(count, letters, lexicon, racks);
  PrintWords(racks, io);
  return kExitOk;
}

}  // namespace tavrune
