#include "tools/engine_commands.h"

#include <cstdio>
#include <map>
#include <optional>

#include "engine/generators.h"
#include "engine/probability.h"
#include "engine/random_racks.h"
#include "engine/tiles.h"
#include "resources/string_table.h"
#include "search/search_setting_keys.h"

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
int RackCommand(const char* name, TileText kind, const Args& args, const Io& io,
                Generate generate) {
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
  const auto rack = ReadTileText(plain[1], kind, "RACK", io.err);
  if (!rack) return kExitUsage;
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(plain[0], lexicon, io, status)) return status;
  WordCollection words = ResultList();
  generate(lexicon, *rack, words, small_caps);
  PrintWords(words, io);
  return kExitOk;
}

// The value after `option` in the random rack dialog's terms: an integer
// from `min` to `max`, or the dialog's own message naming the option.
std::optional<int> RackNumber(const Args& args, size_t& i, const std::string& option, int min,
                              int max, const Io& io) {
  if (i + 1 >= args.size()) {
    io.Fail(option + ": " + MessageText(kIntegerText));
    return std::nullopt;
  }
  const auto value = ParseInteger(args[++i]);
  if (!value) {
    io.Fail(option + ": " + MessageText(kIntegerText));
    return std::nullopt;
  }
  if (*value < min || *value > max) {
    io.Fail(option + ": " +
            MessageText(kIntegerRangeText, {std::to_string(min), std::to_string(max)}));
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

// Message numbers of the random rack command.
constexpr int kFewerRacksMessage = 40081;
constexpr int kNoRacksMessage = 40082;

}  // namespace

int AnagramCommand(const Args& args, const Io& io) {
  return RackCommand("anagram", TileText::kWildRack, args, io,
                     [](const Lexicon& l, const std::string& rack, WordCollection& out, bool caps) {
                       Anagrams(l, rack, out, nullptr, caps);
                     });
}

int BuildCommand(const Args& args, const Io& io) {
  return RackCommand("build", TileText::kRack, args, io,
                     [](const Lexicon& l, const std::string& rack, WordCollection& out, bool caps) {
                       Builds(l, rack, out, nullptr, caps);
                     });
}

int BuildBuildCommand(const Args& args, const Io& io) {
  return RackCommand("buildbuild", TileText::kRack, args, io,
                     [](const Lexicon& l, const std::string& rack, WordCollection& out, bool caps) {
                       BuildBuilds(l, rack, out, caps);
                     });
}

int PatternCommand(const Args& args, const Io& io) {
  if (args.size() != 2) return io.Fail("pattern needs FILE.TVD and PATTERN");
  const auto pattern = ReadTileText(args[1], TileText::kPattern, "PATTERN", io.err);
  if (!pattern) return kExitUsage;
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  WordCollection words = ResultList();
  std::string error;
  PatternMatches(lexicon, *pattern, words, nullptr, &error);
  if (!error.empty()) return io.Fail("PATTERN '" + args[1] + "': " + error);
  PrintWords(words, io);
  return kExitOk;
}

int StatsCommand(const Args& args, const Io& io) {
  ProbabilityReference reference(LexiconId::kUKNA);
  Args words;
  bool header = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--lexicon-id") {
      const std::optional<LexiconId> id = ReadLexiconId(args, i, io);
      if (!id) return kExitUsage;
      reference.Select(*id);
    } else if (args[i] == "--header") {
      header = true;
    } else if (args[i].starts_with("--")) {
      return io.Fail("unknown option '" + args[i] + "'");
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.empty()) return io.Fail("stats needs at least one WORD");
  for (std::string& word : words) {
    auto read = ReadTileText(word, TileText::kRack, "WORD", io.err);
    if (!read) return kExitUsage;
    word = std::move(*read);
  }
  if (header) io.out << "word\tpoints\tvowels\tdraws\tprobability\n";
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
  namespace rr = setting::random_racks;
  if (args.empty() || args[0].starts_with("--")) return io.Fail("racks needs FILE.TVD");
  int count = rr::kNumRacks.default_value;
  int letters = rr::kLettersPerRack.default_value;
  int time_limit = rr::kMaxTime.default_value;
  bool no_blanks = rr::kIgnoreBlanks.default_value != 0;
  std::optional<uint32_t> seed;
  struct Range {
    const IntSetting& min;
    const IntSetting& max;
    int low;
    int high;
  };
  std::map<std::string, Range, std::less<>> ranges = {
      {"--points", {rr::kMinPoints, rr::kMaxPoints, 0, 0}},
      {"--vowels", {rr::kMinVowels, rr::kMaxVowels, 0, 0}},
      {"--phonies", {rr::kMinPhonies, rr::kMaxPhonies, 0, 0}},
      {"--probability", {rr::kMinProbFactor, rr::kMaxProbFactor, 0, 0}},
  };
  for (auto& [name, range] : ranges) {
    range.low = range.min.default_value;
    range.high = range.max.default_value;
  }
  const std::map<std::string, std::pair<const IntSetting*, int*>, std::less<>> singles = {
      {"--count", {&rr::kNumRacks, &count}},
      {"--letters", {&rr::kLettersPerRack, &letters}},
      {"--time", {&rr::kMaxTime, &time_limit}},
  };
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--no-blanks") {
      no_blanks = true;
    } else if (option == "--seed") {
      const auto value = RackNumber(args, i, option, 0, 0x7FFFFFFF, io);
      if (!value) return kExitUsage;
      seed = static_cast<uint32_t>(*value);
    } else if (const auto single = singles.find(option); single != singles.end()) {
      const IntSetting& s = *single->second.first;
      const auto value = RackNumber(args, i, option, s.min, s.max, io);
      if (!value) return kExitUsage;
      *single->second.second = *value;
    } else if (const auto range = ranges.find(option); range != ranges.end()) {
      // As in the dialog, the maximum is checked against the minimum given.
      Range& r = range->second;
      const auto low = RackNumber(args, i, option, r.min.min, r.min.max, io);
      if (!low) return kExitUsage;
      const auto high = RackNumber(args, i, option, *low, r.max.max, io);
      if (!high) return kExitUsage;
      r.low = *low;
      r.high = *high;
    } else {
      return io.Fail("unknown option '" + option + "'");
    }
  }

  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  RandomEngine random = seed ? RandomEngine(*seed) : ClockSeededEngine();
  RandomRackGenerator generator(random, io.clock ? io.clock : RandomRackGenerator::SystemSeconds);
  generator.SetNoBlanks(no_blanks);
  generator.SetTimeLimit(time_limit);
  generator.SetVowelRange(ranges.at("--vowels").low, ranges.at("--vowels").high);
  generator.SetPhonyRange(ranges.at("--phonies").low, ranges.at("--phonies").high);
  generator.SetProbabilityFactorRange(ranges.at("--probability").low,
                                      ranges.at("--probability").high);
  generator.SetPointsRange(ranges.at("--points").low, ranges.at("--points").high);
  WordCollection racks = ResultList();
  const int produced = generator.Generate(count, letters, lexicon, racks);
  PrintWords(racks, io);
  if (produced == 0) {
    Note(io.err, MessageText(kNoRacksMessage));
    return kExitNotAcceptable;
  }
  if (produced < count) {
    Note(io.err, MessageText(kFewerRacksMessage) + " (" + std::to_string(produced) + " of " +
                     std::to_string(count) + ")");
    return kExitNotAcceptable;
  }
  return kExitOk;
}

}  // namespace tavrune

namespace tavrune {

std::string RacksHelp() {
  namespace rr = setting::random_racks;
  const auto range = [](const IntSetting& s) {
    return std::to_string(s.min) + "-" + std::to_string(s.max);
  };
  const auto single = [&](const char* option, const char* text, const IntSetting& s) {
    std::string line = "  " + std::string(option);
    line.resize(24, ' ');
    return line + text + " (default " + std::to_string(s.default_value) + ", " + range(s) + ")\n";
  };
  const auto pair = [&](const char* option, const char* text, const IntSetting& min,
                        const IntSetting& max) {
    std::string line = "  " + std::string(option) + " MIN MAX";
    line.resize(24, ' ');
    return line + text + " (default " + std::to_string(min.default_value) + " " +
           std::to_string(max.default_value) + "; MIN " + range(min) + ", MAX MIN-" +
           std::to_string(max.max) + ")\n";
  };
  return "Draws racks from freshly shuffled 100-tile bags until enough meet every\n"
         "range or the time runs out. A phony (a rack with no anagram) is taken only\n"
         "when every tile, swapped for a blank, gives a word. The racks are printed\n"
         "alphabetically; when fewer than asked came out, the dialog's message goes to\n"
         "standard error and the exit status is 1.\n"
         "\n"
         "Options:\n" +
         single("--count N", "racks to make", rr::kNumRacks) +
         single("--letters K", "tiles per rack", rr::kLettersPerRack) +
         pair("--points", "the rack's points", rr::kMinPoints, rr::kMaxPoints) +
         pair("--vowels", "its vowels", rr::kMinVowels, rr::kMaxVowels) +
         pair("--phonies", "percentage of phonies", rr::kMinPhonies, rr::kMaxPhonies) +
         pair("--probability", "factor, as stats gives it", rr::kMinProbFactor,
              rr::kMaxProbFactor) +
         single("--time S", "seconds before giving up", rr::kMaxTime) +
         "  --no-blanks           take both blanks out of the bag\n"
         "  --seed S              the same racks for the same seed (0-2147483647;\n"
         "                        default: from the clock)\n"
         "\n"
         "Exit status: 0 all racks made, 1 fewer or none, 2 an error.\n";
}

}  // namespace tavrune
