#include "tools/list_command.h"

#include <optional>
#include <ostream>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "dictionary/dictionary.h"
#include "engine/random_source.h"
#include "engine/word_collection.h"
#include "platform/settings.h"
#include "platform/user_prompt.h"
#include "resources/string_table.h"
#include "tools/lexicon_tool.h"
#include "tools/tool_io.h"
#include "wordlist/list_settings.h"
#include "wordlist/tavrune_doc.h"
#include "wordlist/text_tokens.h"
#include "wordlist/word_list_file.h"
#include "wordlist/wordlist_messages.h"

namespace tavrune {
namespace {

void NoteLeftOut(std::ostream& err, const std::string& count) {
  Note(err, count + " words left out: a list holds at most 64,000");
}

void PrintWords(std::ostream& out, const WordCollection& words) {
  for (std::string_view word : words) {
    out << word << '\n';
  }
}

int Show(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return Fail(err, "list show needs FILE.tvr");
  const std::string& path = args[0];
  WordListFile file;
  const WordListReadProgress read = ReadWordListFile(path, true, file);
  switch (read.result) {
    case WordListReadResult::kCannotOpen:
      return FailReading(err, path, read.file_status);
    case WordListReadResult::kNotWordList:
      err << MessageText(wordlist_text::kNotWordListFile, {path}) << '\n';
      return kExitUsage;
    case WordListReadResult::kDamaged:
      err << MessageText(wordlist_text::kCorruptFile, {path}) << '\n';
      return kExitUsage;
    case WordListReadResult::kOk:
      break;
  }
  const ListSettings& s = file.settings;
  const auto build_limit = [&](int value) {
    return file.has_build_limits ? std::to_string(value) : std::string("(not stored)");
  };
  out << "Description: " << file.description << '\n';
  out << "Notes: " << file.notes << '\n';
  out << "List type: " << ListTypeName(s.list_type) << '\n';
  out << "Hook type: " << HookTypeName(s.hook_type) << '\n';
  out << "Front hook letters: " << s.front_hook_letters << '\n';
  out << "End hook letters: " << s.end_hook_letters << '\n';
  out << "Sort type: " << SortTypeName(s.sort_type) << '\n';
  out << "Sort order: " << (s.descending ? "Descending" : "Ascending") << '\n';
  out << "Anagram order: " << AnagramOrderName(s.anagram_order) << '\n';
  out << "User order: " << s.user_order << '\n';
  out << "Stem: " << s.stem << '\n';
  out << "Build minimum: " << build_limit(s.build_minimum) << '\n';
  out << "Build maximum: " << build_limit(s.build_maximum) << '\n';
  out << "Version: " << file.version << '\n';
  out << "Current index: " << file.current_index << '\n';
  PrintWords(out, file.words);
  if (file.has_presentation) {
    out << "Presentation:\n";
    PrintWords(out, file.presentation);
  }
  if (file.words_left_out > 0) {
    NoteLeftOut(err, std::to_string(file.words_left_out));
    return kExitNotAcceptable;
  }
  return kExitOk;
}

// The names the options take, in the order the help lists them.
constexpr std::pair<std::string_view, ListType> kListTypes[] = {
    {"list", ListType::kList},   {"anagrams", ListType::kAnagrams},
    {"hooks", ListType::kHooks}, {"anagrams-hooks", ListType::kAnagramsAndHooks},
    {"build", ListType::kBuild},
};
constexpr std::pair<std::string_view, SortType> kSortTypes[] = {
    {"alphabetical", SortType::kAlphabetical},
    {"probability", SortType::kProbability},
    {"random", SortType::kRandom},
    {"points", SortType::kTotalPoints},
    {"length", SortType::kWordLength},
};

template <typename Value, size_t N>
std::optional<Value> Lookup(const std::pair<std::string_view, Value> (&table)[N],
                            std::string_view name) {
  for (const auto& [text, value] : table) {
    if (text == name) return value;
  }
  return std::nullopt;
}

template <typename Value, size_t N>
std::string Names(const std::pair<std::string_view, Value> (&table)[N]) {
  std::string text;
  for (const auto& entry : table) {
    if (!text.empty()) text += ", ";
    text += entry.first;
  }
  return text;
}

int Make(const Args& args, std::ostream& out, std::ostream& err) {
  Args files;
  std::string description;
  ListType list_type = ListType::kList;
  SortType sort_type = SortType::kAlphabetical;
  bool descending = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--description" || a == "--list-type" || a == "--sort") {
      if (i + 1 >= args.size()) return Fail(err, a + " needs a value");
      const std::string& value = args[++i];
      if (a == "--description") {
        description = value;
      } else if (a == "--list-type") {
        const auto type = Lookup(kListTypes, value);
        if (!type) {
          return Fail(err, "--list-type: unknown list type '" + value + "'; the types are " +
                               Names(kListTypes));
        }
        list_type = *type;
      } else {
        const auto type = Lookup(kSortTypes, value);
        if (!type) {
          return Fail(
              err, "--sort: unknown sort type '" + value + "'; the sorts are " + Names(kSortTypes));
        }
        sort_type = *type;
      }
    } else if (a == "--descending") {
      descending = true;
    } else if (a.starts_with("--")) {
      return Fail(err, "unknown option '" + a + "'");
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 2) return Fail(err, "list make needs WORDS.txt and OUT.tvr");
  // Each word once, in file order, before the limit counts it. The words
  // left out are told apart up to a bound that keeps memory in check.
  constexpr size_t kMaxLeftOutCounted = 1'000'000;
  WordCollection words;
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  std::unordered_set<std::string_view> kept;  // views into `words`
  std::unordered_set<std::string> left_out;
  TextTokenCount tokens;
  const FileStatus read = ForEachWordTokenInFile(
      files[0], false,
      [&](std::string_view word) {
        if (kept.contains(word)) return;
        if (words.Append(word)) {
          kept.insert(words.Word(words.Count() - 1));
        } else if (left_out.size() <= kMaxLeftOutCounted) {
          left_out.emplace(word);
        }
      },
      tokens);
  if (!read.ok()) return FailReading(err, files[0], read);

  // The document with default settings, so every ordering and arrangement
  // is the program's own.
  MemorySettings settings;
  StreamPrompt prompt(err);
  Dictionary dictionary("", settings, prompt);
  RandomEngine random = ClockSeededEngine();
  MTavruneDoc doc(dictionary, settings, prompt, random);
  doc.SetListType(list_type);
  doc.SetSortOptions(sort_type, descending);
  doc.SetDescription(description);
  doc.MergeWords(words);
  if (!doc.OnSaveDocument(files[1])) return kExitUsage;
  out << doc.MasterWords().Count() << " words written, " << tokens.rejected << " rejected\n";
  if (!left_out.empty()) {
    NoteLeftOut(err, left_out.size() > kMaxLeftOutCounted
                         ? "More than " + std::to_string(kMaxLeftOutCounted)
                         : std::to_string(left_out.size()));
    return kExitNotAcceptable;
  }
  return kExitOk;
}

}  // namespace

std::string ListHelp() {
  return "list show prints a word-list file's settings, then its words one a line.\n"
         "list make writes the words of a text file (any separators; words of more\n"
         "than 15 letters or other characters than A-Z and '?' are skipped and\n"
         "counted) as a word-list file with the study program's default settings.\n"
         "A list holds at most 64,000 words: each word counts once, and the words\n"
         "beyond are left out with a note and exit status 1 (list show says the same\n"
         "of a file that holds more). WORDS.txt may be 256 MB at most.\n"
         "\n"
         "Options of list make:\n"
         "  --description TEXT  the list's description (default empty)\n"
         "  --list-type TYPE    how the list is studied (default list):\n"
         "                      " +
         Names(kListTypes) +
         "\n"
         "  --sort SORT         the order of its words (default alphabetical):\n"
         "                      " +
         Names(kSortTypes) +
         "\n"
         "  --descending        sort in descending order\n";
}

int RunListCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Fail(err, "list needs show or make");
  const Args rest(args.begin() + 1, args.end());
  if (args[0] == "show") return Show(rest, out, err);
  if (args[0] == "make") return Make(rest, out, err);
  return Fail(err, "unknown list command '" + args[0] + "'");
}

}  // namespace tavrune
