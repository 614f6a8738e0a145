#include "tools/lexicon_tool.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <istream>
#include <iterator>
#include <map>
#include <ostream>
#include <string_view>

#include "engine/lexicon.h"
#include "engine/lexicon_builder.h"
#include "engine/word_walk.h"
#include "judge/challenge.h"
#include "judge/judge_messages.h"
#include "judge/split_words.h"
#include "resources/string_table.h"
#include "tools/cardbox_command.h"
#include "tools/catalog_command.h"
#include "tools/command_help.h"
#include "tools/engine_commands.h"
#include "tools/list_command.h"
#include "tools/search_command.h"
#include "tools/tool_io.h"

namespace tavrune {
namespace {

// Whether the file holds NUL bytes: no word list does, a lexicon or any
// other binary file does.
bool HasNulBytes(const std::string& bytes) { return bytes.find('\0') != std::string::npos; }

int Compile(const Args& args, const Io& io) {
  std::string name;
  std::string description;
  bool force = false;
  Args files;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--name" || args[i] == "--description") {
      if (i + 1 >= args.size()) return io.Fail(args[i] + " needs a value");
      std::string& value = args[i] == "--name" ? name : description;
      value = args[++i];
    } else if (args[i] == "--force") {
      force = true;
    } else if (args[i].starts_with("--")) {
      return io.Fail("unknown option '" + args[i] + "'");
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return io.Fail("compile needs WORDS.txt and OUT.TVD");
  const std::string& source = files[0];
  const std::string& target = files[1];
  std::ifstream input(source, std::ios::binary);
  if (!input) return io.Fail("cannot open '" + source + "'");
  const std::string text((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
  if (input.bad()) return io.Fail("cannot read '" + source + "'");
  if (HasNulBytes(text)) {
    return io.Fail("WORDS.txt '" + source + "' is not a text file (it holds NUL bytes)");
  }
  // Swapped arguments must not cost the user a file.
  if (!force && std::filesystem::exists(target)) {
    Lexicon existing;
    if (!existing.LoadFile(target)) {
      return io.Fail("OUT.TVD '" + target +
                     "' exists and is not a lexicon; give --force to replace it");
    }
  }

  LexiconBuilder builder;
  builder.SetName(name);
  builder.SetDescription(description);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string_view word = TrimLine(std::string_view(text).substr(start, end - start));
    if (!word.empty()) builder.AddWord(word);
    start = end + 1;
  }
  size_t written = 0;
  const std::vector<uint8_t> bytes = builder.Build(&written);
  if (written == 0) {
    return io.Fail("WORDS.txt '" + source + "' holds no usable word (" +
                   std::to_string(builder.RejectedCount()) + " rejected); nothing written");
  }
  if (!WriteFileAtomically(target, bytes)) return io.Fail("cannot write '" + target + "'");
  if (name.size() > LexiconBuilder::kMaxNameLength) {
    Note(io.err, "--name cut to its first " + std::to_string(LexiconBuilder::kMaxNameLength) +
                     " characters");
  }
  if (description.size() > LexiconBuilder::kMaxDescriptionLength) {
    Note(io.err, "--description cut to its first " +
                     std::to_string(LexiconBuilder::kMaxDescriptionLength) + " characters");
  }
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
  bool all_found = true;
  const int read = ForEachWordArgument(Args(args.begin() + 1, args.end()), TileText::kWord, io,
                                       [&](const std::string& w) {
                                         const bool found = lexicon.Contains(w);
                                         all_found = all_found && found;
                                         io.out << w << '\t' << (found ? '1' : '0') << '\n';
                                       });
  if (read != kExitOk) return read;
  return all_found ? kExitOk : kExitNotAcceptable;
}

int Hooks(const Args& args, const Io& io) {
  if (args.empty()) return io.Fail("hooks needs FILE.TVD");
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  return ForEachWordArgument(Args(args.begin() + 1, args.end()), TileText::kWord, io,
                             [&](const std::string& w) { io.out << lexicon.HookLine(w) << '\n'; });
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
  // Each argument is a line; without any, the play is read from stdin.
  std::string text;
  if (args.size() > 1) {
    for (size_t i = 1; i < args.size(); ++i) {
      text += args[i];
      text += '\n';
    }
  } else {
    text.assign(std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>());
  }
  // As the judge program's edit: upper-cased, then only letters and spaces.
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (const size_t bad = FirstInvalidCharacter(text); bad != std::string::npos) {
    std::string message = MessageText(kInvalidCharactersQuestion);
    message.resize(message.find("\n\n"));
    return io.Fail("PLAY: " + DescribeCharacter(text, bad) + " found. " + message);
  }
  switch (JudgePlay(lexicon, text)) {
    case Verdict::kAcceptable:
      io.out << MessageText(kPlayAcceptableText) << '\n';
      return kExitOk;
    case Verdict::kNotAcceptable:
      io.out << MessageText(kPlayNotAcceptableText) << '\n';
      return kExitNotAcceptable;
    case Verdict::kNoWords:
      break;
  }
  return io.Fail("PLAY: " + MessageText(kNoWordsToChallengeText));
}

int SearchCommand(const Args& args, const Io& io) {
  return RunSearchCommand(args, io.out, io.err, io.data);
}

int ListCommand(const Args& args, const Io& io) { return RunListCommand(args, io.out, io.err); }

}  // namespace

int RunLexiconTool(const Args& args, std::istream& in, std::ostream& out, std::ostream& err,
                   ToolClock clock, DataFolder data) {
  const Io io{in, out, err, std::move(clock), std::move(data)};
  if (args.empty()) return io.Fail("missing command; 'tavrune-lexicon --help' lists them");
  if (args[0] == "--version") {
    out << VersionText();
    return kExitOk;
  }
  if (IsHelpOption(args[0]) || args[0] == "help") {
    if (args.size() == 1) {
      out << ProgramHelp();
      return kExitOk;
    }
    const std::string page = CommandHelp(args[1]);
    if (page.empty())
      return io.Fail("no command '" + args[1] + "'; 'tavrune-lexicon --help' lists them");
    out << page;
    return kExitOk;
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
      {"cardbox", RunCardboxCommand},
  };
  const auto command = kCommands.find(args[0]);
  if (command == kCommands.end()) {
    return io.Fail("unknown command '" + args[0] + "'; 'tavrune-lexicon --help' lists them");
  }
  const Args rest(args.begin() + 1, args.end());
  // "--help" anywhere asks for the page, never for a word or a file.
  if (std::any_of(rest.begin(), rest.end(), [](const std::string& a) { return IsHelpOption(a); })) {
    out << CommandHelp(args[0]);
    return kExitOk;
  }
  return command->second(rest, io);
}

}  // namespace tavrune
