#include "tools/lexicon_tool.h"

#include <fstream>
#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <string_view>

#include "engine/lexicon.h"
#include "engine/lexicon_builder.h"
#include "engine/word_walk.h"
#include "judge/split_words.h"
#include "tools/catalog_command.h"
#include "tools/engine_commands.h"
#include "tools/list_command.h"
#include "tools/search_command.h"
#include "tools/tool_io.h"

namespace tavrune {
namespace {

// Applies `per_word` to the word arguments, or to each line of standard
// input when there are none, so a large batch runs in one process.
void ForEachWordArgument(const Args& words, const Io& io,
                         const std::function<void(const std::string&)>& per_word) {
  if (!words.empty()) {
    for (const std::string& w : words) per_word(w);
    return;
  }
  std::string line;
  while (std::getline(io.in, line)) {
    const std::string_view word = TrimLine(line);
    if (!word.empty()) per_word(std::string(word));
  }
}

int Compile(const Args& args, const Io& io) {
  std::string name;
  std::string description;
  Args files;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--name" || args[i] == "--description") {
      if (i + 1 >= args.size()) return io.Fail("option " + args[i] + " needs a value");
      std::string& value = args[i] == "--name" ? name : description;
      value = args[++i];
    } else if (args[i].starts_with("--")) {
      return io.Fail("unknown option '" + args[i] + "'");
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return io.Fail("compile needs WORDS.txt and OUT.TVD");
  std::ifstream input(files[0], std::ios::binary);
  if (!input) return io.Fail("cannot open '" + files[0] + "'");

  LexiconBuilder builder;
  builder.SetName(name);
  builder.SetDescription(description);
  std::string line;
  while (std::getline(input, line)) {
    const std::string_view word = TrimLine(line);
    if (!word.empty()) builder.AddWord(word);
  }
  if (input.bad()) return io.Fail("cannot read '" + files[0] + "'");
  size_t written = 0;
  if (!builder.WriteFile(files[1], &written)) return io.Fail("cannot write '" + files[1] + "'");
  io.out << written << " words written, " << builder.RejectedCount() << " rejected\n";
  return kExitOk;
}

int Info(const Args& args, const Io& io) {
  if (args.size() != 1) return io.Fail("info needs FILE.TVD");
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  io.out << DescriptionLine(lexicon.Header()) << '\n';
  io.out << lexicon.EdgeCount() << " edges\n";
  return kExitOk;
}

int ContainsCommand(const Args& args, const Io& io) {
  if (args.empty()) return io.Fail("contains needs FILE.TVD");
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  ForEachWordArgument(Args(args.begin() + 1, args.end()), io, [&](const std::string& w) {
    io.out << w << '\t' << (lexicon.Contains(w) ? '1' : '0') << '\n';
  });
  return kExitOk;
}

int Hooks(const Args& args, const Io& io) {
  if (args.empty()) return io.Fail("hooks needs FILE.TVD");
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  ForEachWordArgument(Args(args.begin() + 1, args.end()), io,
                      [&](const std::string& w) { io.out << lexicon.HookLine(w) << '\n'; });
  return kExitOk;
}

int Words(const Args& args, const Io& io) {
  if (args.size() != 1) return io.Fail("words needs FILE.TVD");
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  std::string buffer;
  VisitWords(lexicon, [&](std::string_view word) {
    buffer.append(word);
    buffer += '\n';
    if (buffer.size() > 1 << 16) {
      io.out << buffer;
      buffer.clear();
    }
  });
  io.out << buffer;
  return kExitOk;
}

int Judge(const Args& args, const Io& io) {
  if (args.empty()) return io.Fail("judge needs FILE.TVD");
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  std::string text;
  for (size_t i = 1; i < args.size(); ++i) {
    text += args[i];
    text += '\n';
  }
  switch (JudgePlay(lexicon, text)) {
    case Verdict::kAcceptable:
      io.out << "Play is Acceptable.\n";
      return kExitOk;
    case Verdict::kNotAcceptable:
      io.out << "Play is NOT Acceptable.\n";
      return kExitNotAcceptable;
    case Verdict::kNoWords:
      io.out << "There are no words to challenge!\n";
      return kExitUsage;
  }
  return kExitUsage;
}

int SearchCommand(const Args& args, const Io& io) { return RunSearchCommand(args, io.out, io.err); }

int ListCommand(const Args& args, const Io& io) { return RunListCommand(args, io.out, io.err); }

}  // namespace

int RunLexiconTool(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  const Io io{in, out, err};
  if (args.empty()) {
    return io.Fail(
        "missing command: compile, info, contains, hooks, words, judge, anagram, build, "
        "buildbuild, pattern, stats, racks, search, list or catalog");
  }
  static const std::map<std::string, int (*)(const Args&, const Io&), std::less<>> kCommands = {
      {"compile", Compile},
      {"info", Info},
      {"contains", ContainsCommand},
      {"hooks", Hooks},
      {"words", Words},
      {"judge", Judge},
      {"search", SearchCommand},
      {"list", ListCommand},
      {"anagram", AnagramCommand},
      {"build", BuildCommand},
      {"buildbuild", BuildBuildCommand},
      {"pattern", PatternCommand},
      {"stats", StatsCommand},
      {"racks", RacksCommand},
      {"catalog", CatalogCommand},
  };
  const auto command = kCommands.find(args[0]);
  if (command == kCommands.end()) return io.Fail("unknown command '" + args[0] + "'");
  return command->second(Args(args.begin() + 1, args.end()), io);
}

}  // namespace tavrune
