#include "tools/lexicon_tool.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <string_view>

#include "engine/file_io.h"
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
#include "tools/inspect_command.h"
#include "tools/list_command.h"
#include "tools/search_command.h"
#include "tools/tool_io.h"
#include "wordlist/text_tokens.h"

namespace tavrune {
namespace {

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
  LexiconBuilder builder;
  builder.SetName(name);
  builder.SetDescription(description);
  WordTokenizer tokens([&builder](std::string_view word) { builder.AddWord(word); });
  bool binary = false;
  const FileStatus read =
      ReadFileChunks(source, kMaxWordListBytes, false, [&](std::string_view piece) {
        // No word list holds NUL, a lexicon or any other binary file does:
        // checked as the bytes come, so an endless device stops at once.
        binary = piece.find('\0') != std::string_view::npos;
        if (!binary) tokens.Feed(piece);
        return !binary;
      });
  if (!read.ok()) return FailReading(io.err, source, read);
  if (binary) return io.Fail("WORDS.txt '" + source + "' is not a text file (it holds NUL bytes)");
  // Swapped arguments must not cost the user a file.
  if (!force && std::filesystem::exists(target)) {
    Lexicon existing;
    FileStatus target_read;
    if (!existing.LoadFile(target, &target_read)) {
      return io.Fail("OUT.TVD '" + target + "' exists and is not a lexicon" +
                     (target_read.ok() ? "" : " (" + target_read.reason() + ")") +
                     "; give --force to replace it");
    }
  }

  // Finish hands the last word to the builder, so it comes first.
  const int not_words = tokens.Finish().rejected;
  const size_t rejected = static_cast<size_t>(not_words) + builder.RejectedCount();
  size_t written = 0;
  const std::vector<uint8_t> bytes = builder.Build(&written);
  if (written == 0) {
    return io.Fail("WORDS.txt '" + source + "' holds no usable word (" + std::to_string(rejected) +
                   " rejected); nothing written");
  }
  const FileStatus saved = WriteFileAtomically(
      target, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!saved.ok()) return FailWriting(io.err, target, saved);
  if (name.size() > LexiconBuilder::kMaxNameLength) {
    Note(io.err, "--name cut to its first " + std::to_string(LexiconBuilder::kMaxNameLength) +
                     " characters");
  }
  if (description.size() > LexiconBuilder::kMaxDescriptionLength) {
    Note(io.err, "--description cut to its first " +
                     std::to_string(LexiconBuilder::kMaxDescriptionLength) + " characters");
  }
  io.out << written << " words written, " << rejected << " rejected\n";
  return kExitOk;
}

int Info(const Args& args, const Io& io) {
  if (args.size() != 1) return io.Fail("info needs FILE.TVD");
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(args[0], lexicon, io, status)) return status;
  // The header is outside text: a control character would drive the terminal.
  io.out << PrintableText(DescriptionLine(lexicon.Header())) << '\n';
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
  // As the judge program's edit: upper-cased, then only letters and spaces.
  // Each argument is a line; without any, the play is read from standard
  // input a line at a time, so a long play is never held whole. Every word
  // is looked up, as the judge program does.
  bool any_word = false;
  bool all_found = true;
  std::string refused;
  const auto judge_line = [&](std::string line) {
    if (!refused.empty()) return;
    for (char& c : line) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    if (const size_t bad = FirstInvalidCharacter(line); bad != std::string::npos) {
      refused = DescribeCharacter(line, bad);
      return;
    }
    for (const std::string& word : SplitWords(line)) {
      any_word = true;
      all_found = lexicon.Contains(word) && all_found;
    }
  };
  if (args.size() > 1) {
    for (size_t i = 1; i < args.size(); ++i) judge_line(args[i] + '\n');
  } else if (const int read = ForEachInputLine(
                 io, [&](std::string_view line, long long) { judge_line(std::string(line)); });
             read != kExitOk) {
    return read;
  }
  if (!refused.empty()) {
    std::string message = MessageText(kInvalidCharactersQuestion);
    message.resize(message.find("\n\n"));
    return io.Fail("PLAY: " + refused + " found. " + message);
  }
  if (!any_word) return io.Fail("PLAY: " + MessageText(kNoWordsToChallengeText));
  if (!all_found) {
    io.out << MessageText(kPlayNotAcceptableText) << '\n';
    return kExitNotAcceptable;
  }
  io.out << MessageText(kPlayAcceptableText) << '\n';
  return kExitOk;
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
      {"inspect", InspectCommand},
      {"define", DefineCommand},
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
