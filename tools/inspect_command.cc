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

void PrintLines(const WordFacts& facts, std::ostream& out) {
  const auto line = [&](std::string_view key, std::string_view value) {
    out << key << ':' << (value.empty() ? "" : " ") << value << '\n';
  };
  const auto yes_no = [](bool value) { return value ? "yes" : "no"; };
  line("word", facts.word);
  line("in_lexicon", yes_no(facts.in_lexicon));
  if (facts.in_uk) line("in_uk", yes_no(*facts.in_uk));
  if (facts.in_na) line("in_na", yes_no(*facts.in_na));
  if (facts.in_both) line("in_ukna", yes_no(*facts.in_both));
  if (facts.source) {
    line("source", SourceName(*facts.source));
    line("source_mark", facts.source_mark);
  }
  line("front_hooks", facts.front_hooks);
  line("end_hooks", facts.end_hooks);
  line("front_inner_hook", yes_no(facts.front_inner_hook));
  line("end_inner_hook", yes_no(facts.end_inner_hook));
  line("alphagram", facts.alphagram);
  line("anagram_count", std::to_string(facts.AnagramCount()));
  line("anagrams", Joined(facts.anagrams, ' '));
  std::string plus_one;
  for (const PlusOneGroup& group : facts.plus_one) {
    if (!plus_one.empty()) plus_one += ' ';
    plus_one += std::string(1, group.letter) + ':' + Joined(group.words, ',');
  }
  line("plus_one", plus_one);
  line("points", std::to_string(facts.points));
  if (facts.probability_factor) line("probability_factor", Factor(*facts.probability_factor));
  if (facts.probability_rank) {
    line("probability_rank", std::to_string(facts.probability_rank->rank));
    line("alphagrams_of_length", std::to_string(facts.probability_rank->of));
  }
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

// One object a line, so a batch can be read as it comes.
void PrintJson(const WordFacts& facts, std::ostream& out) {
  std::string object;
  const auto field = [&](std::string_view key, const std::string& value) {
    object += object.empty() ? "{" : ",";
    object += JsonString(key) + ':' + value;
  };
  const auto boolean = [](bool value) { return std::string(value ? "true" : "false"); };
  field("word", JsonString(facts.word));
  field("in_lexicon", boolean(facts.in_lexicon));
  if (facts.in_uk) field("in_uk", boolean(*facts.in_uk));
  if (facts.in_na) field("in_na", boolean(*facts.in_na));
  if (facts.in_both) field("in_ukna", boolean(*facts.in_both));
  if (facts.source) {
    field("source", JsonString(SourceName(*facts.source)));
    field("source_mark", JsonString(facts.source_mark));
  }
  field("front_hooks", JsonString(facts.front_hooks));
  field("end_hooks", JsonString(facts.end_hooks));
  field("front_inner_hook", boolean(facts.front_inner_hook));
  field("end_inner_hook", boolean(facts.end_inner_hook));
  field("alphagram", JsonString(facts.alphagram));
  field("anagram_count", std::to_string(facts.AnagramCount()));
  field("anagrams", JsonArray(facts.anagrams));
  std::string plus_one = "{";
  for (const PlusOneGroup& group : facts.plus_one) {
    if (plus_one.size() > 1) plus_one += ',';
    plus_one += JsonString(std::string(1, group.letter)) + ':' + JsonArray(group.words);
  }
  field("plus_one", plus_one + '}');
  field("points", std::to_string(facts.points));
  if (facts.probability_factor) field("probability_factor", Factor(*facts.probability_factor));
  if (facts.probability_rank) {
    field("probability_rank", std::to_string(facts.probability_rank->rank));
    field("alphagrams_of_length", std::to_string(facts.probability_rank->of));
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
