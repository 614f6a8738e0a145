#include "tools/inspect_command.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "inspect/inspect_messages.h"
#include "inspect/word_facts.h"
#include "inspect/wordnet.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

// "UK.TVD" and so on.
std::filesystem::path FileNameOf(LexiconId id) {
  return std::filesystem::path(LexiconFileName(id)).filename();
}

// The lexicon id a file's name gives, if any.
std::optional<LexiconId> IdOfFileName(const std::filesystem::path& path) {
  for (LexiconId id : kAllLexiconIds) {
    if (FileNameOf(id) == path.filename()) return id;
  }
  return std::nullopt;
}

// The lists that tell a word's source, looked for beside the inspected file
// under their fixed names; one that is absent is left out.
class SourceFiles {
 public:
  SourceFiles(const std::string& inspected, const Lexicon& lexicon, const Io& io) {
    const std::filesystem::path path(inspected);
    const std::optional<LexiconId> own = IdOfFileName(path);
    const auto find = [&](LexiconId id, const Lexicon*& slot) {
      if (own == id) {
        slot = &lexicon;
        return;
      }
      const std::filesystem::path file = path.parent_path() / FileNameOf(id);
      std::error_code error;
      if (!std::filesystem::exists(file, error)) return;
      auto& loaded = loaded_.emplace_back(std::make_unique<Lexicon>());
      if (loaded->LoadFile(file.string())) {
        slot = loaded.get();
      } else {
        Note(io.err, "'" + file.string() + "' is not a valid lexicon file; left out");
      }
    };
    find(LexiconId::kUK, sources_.uk);
    find(LexiconId::kNA, sources_.na);
    find(LexiconId::kUKNA, sources_.both);
  }

  const SourceLexicons& sources() const { return sources_; }

 private:
  std::vector<std::unique_ptr<Lexicon>> loaded_;
  SourceLexicons sources_;
};

std::string_view SourceName(WordSource source) {
  switch (source) {
    case WordSource::kBoth:
      return "both";
    case WordSource::kUKOnly:
      return "uk_only";
    case WordSource::kNAOnly:
      return "na_only";
    case WordSource::kNeither:
      break;
  }
  return "neither";
}

std::string Factor(double factor) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", factor);
  return text;
}

std::string Joined(const std::vector<std::string>& words, char separator) {
  std::string text;
  for (const std::string& word : words) {
    if (!text.empty()) text += separator;
    text += word;
  }
  return text;
}

std::string JsonString(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

std::string JsonArray(const std::vector<std::string>& words) {
  std::string array = "[";
  for (const std::string& word : words) {
    if (array.size() > 1) array += ',';
    array += JsonString(word);
  }
  return array + ']';
}

// One fact as a key: value line shows it and as JSON has it.
struct Fact {
  std::string_view key;
  std::string text;
  std::string json;
};

// The facts in the order they are printed; those that cannot be known are
// left out.
std::vector<Fact> FactsOf(const WordFacts& facts) {
  std::vector<Fact> out;
  const auto text = [&](std::string_view key, const std::string& value) {
    out.push_back({key, value, JsonString(value)});
  };
  const auto flag = [&](std::string_view key, bool value) {
    out.push_back({key, value ? "yes" : "no", value ? "true" : "false"});
  };
  const auto number = [&](std::string_view key, const std::string& value) {
    out.push_back({key, value, value});
  };
  text("word", facts.word);
  flag("in_lexicon", facts.in_lexicon);
  if (facts.in_uk) flag("in_uk", *facts.in_uk);
  if (facts.in_na) flag("in_na", *facts.in_na);
  if (facts.in_both) flag("in_ukna", *facts.in_both);
  if (facts.source) {
    text("source", std::string(SourceName(*facts.source)));
    text("source_mark", facts.source_mark);
  }
  text("front_hooks", facts.front_hooks);
  text("end_hooks", facts.end_hooks);
  flag("front_inner_hook", facts.front_inner_hook);
  flag("end_inner_hook", facts.end_inner_hook);
  text("alphagram", facts.alphagram);
  number("anagram_count", std::to_string(facts.AnagramCount()));
  out.push_back({"anagrams", Joined(facts.anagrams, ' '), JsonArray(facts.anagrams)});
  Fact plus_one{"plus_one", "", "{"};
  for (const PlusOneGroup& group : facts.plus_one) {
    const std::string letter(1, group.letter);
    if (!plus_one.text.empty()) {
      plus_one.text += ' ';
      plus_one.json += ',';
    }
    plus_one.text += letter + ':' + Joined(group.words, ',');
    plus_one.json += JsonString(letter) + ':' + JsonArray(group.words);
  }
  plus_one.json += '}';
  out.push_back(std::move(plus_one));
  number("points", std::to_string(facts.points));
  if (facts.probability_factor) number("probability_factor", Factor(*facts.probability_factor));
  if (facts.probability_rank) {
    number("probability_rank", std::to_string(facts.probability_rank->rank));
    number("alphagrams_of_length", std::to_string(facts.probability_rank->of));
  }
  return out;
}

void PrintLines(const WordFacts& facts, std::ostream& out) {
  for (const Fact& fact : FactsOf(facts)) {
    out << fact.key << ':' << (fact.text.empty() ? "" : " ") << fact.text << '\n';
  }
}

// One object a line, so a batch can be read as it comes.
void PrintJson(const WordFacts& facts, std::ostream& out) {
  std::string object;
  for (const Fact& fact : FactsOf(facts)) {
    object += object.empty() ? "{" : ",";
    object += JsonString(fact.key) + ':' + fact.json;
  }
  out << object << "}\n";
}

}  // namespace

int InspectCommand(const Args& args, const Io& io) {
  Args plain;
  bool json = false;
  std::optional<LexiconId> id;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (args[i] == "--lexicon-id") {
      id = ReadLexiconId(args, i, io);
      if (!id) return kExitUsage;
    } else if (args[i].starts_with("--")) {
      return io.Fail("unknown option '" + args[i] + "'");
    } else {
      plain.push_back(args[i]);
    }
  }
  if (plain.empty()) return io.Fail("inspect needs FILE.TVD");
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(plain[0], lexicon, io, status)) return status;
  const SourceFiles sources(plain[0], lexicon, io);
  WordInspector inspector(lexicon, id.value_or(IdOfFileName(plain[0]).value_or(LexiconId::kUKNA)),
                          sources.sources());
  bool first = true;
  const int read = ForEachWordArgument(
      Args(plain.begin() + 1, plain.end()), TileText::kWord, io, [&](const std::string& word) {
        const std::optional<WordFacts> facts = inspector.Inspect(word);
        if (!facts) {
          status = io.Fail("WORD '': a word needs at least one letter");
          return;
        }
        if (json) {
          PrintJson(*facts, io.out);
        } else {
          if (!first) io.out << '\n';
          PrintLines(*facts, io.out);
        }
        first = false;
      });
  return read != kExitOk ? read : status;
}

int DefineCommand(const Args& args, const Io& io) {
  std::string folder = WordNet::DefaultFolder();
  Args words;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--wordnet") {
      if (i + 1 >= args.size()) return io.Fail("--wordnet needs a folder");
      folder = args[++i];
    } else if (args[i].starts_with("--")) {
      return io.Fail("unknown option '" + args[i] + "'");
    } else {
      words.push_back(args[i]);
    }
  }
  WordNet wordnet(folder);
  if (!wordnet.Available()) return io.Fail(MessageText(kWordNetMissingText, {folder}));
  bool all_defined = true;
  const int read = ForEachWordArgument(words, TileText::kWord, io, [&](const std::string& word) {
    io.out << word << '\n';
    const std::vector<WordNetEntry> entries = wordnet.Define(word);
    if (entries.empty()) {
      io.out << "  " << MessageText(kNoDefinitionText) << '\n';
      all_defined = false;
    }
    for (const WordNetEntry& entry : entries) {
      for (const std::string& gloss : entry.glosses) {
        io.out << "  " << SenseText(word, entry, gloss) << '\n';
      }
    }
  });
  if (read != kExitOk) return read;
  return all_defined ? kExitOk : kExitNotAcceptable;
}

}  // namespace tavrune
