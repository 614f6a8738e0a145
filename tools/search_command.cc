#include "tools/search_command.h"

#include <fstream>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <string_view>

#include "engine/letters.h"
#include "engine/lexicon.h"
#include "engine/word_collection.h"
#include "platform/user_prompt.h"
#include "resources/string_table.h"
#include "search/search_type_registry.h"
#include "tools/lexicon_tool.h"
#include "tools/tool_io.h"

namespace tavrune {
namespace {

// Keeps the first message a search shows; on the command line it is an error.
class RecordedMessages : public UserPrompt {
 public:
  void ShowMessage(int id, const std::vector<std::string>& args, Icon) override {
    if (!first_) first_ = MessageText(id, args);
  }
  Answer AskYesNo(int, const std::vector<std::string>&) override { return Answer::kNo; }
  Answer AskYesNoCancel(int, const std::vector<std::string>&) override { return Answer::kCancel; }
  void SetStatusText(int, const std::vector<std::string>&) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}

  const std::optional<std::string>& first() const { return first_; }

 private:
  std::optional<std::string> first_;
};

// A dialog message on one line: its line breaks become spaces.
std::string OneLine(std::string text) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') {
      line += text[i];
    } else if (!line.empty() && line.back() != ' ') {
      line += ' ';
    }
  }
  return line;
}

std::string_view OptionOf(SearchField field) {
  switch (field) {
    case SearchField::kPattern1:
      return "--p1";
    case SearchField::kPattern2:
      return "--p2";
    case SearchField::kNumber1:
      return "--n1";
    case SearchField::kNumber2:
      return "--n2";
  }
  return {};
}

// "'A', 'B' or 'C'" of every type name.
std::string TypeNames(const SearchTypeRegistry& registry) {
  std::vector<std::string> names;
  for (int c = 0; c < registry.CategoryCount(); ++c) {
    const SearchCategory& category = registry.Category(c);
    for (int t = 0; t < category.TypeCount(); ++t) {
      names.push_back("'" + std::string(category.Type(t).name()) + "'");
    }
  }
  std::string text;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
    text += names[i];
  }
  return text;
}

}  // namespace

std::string SearchHelp() {
  std::string text =
      "Runs one search of the custom-list dialog with its checks, over the whole\n"
      "lexicon or the words of a text file, and prints the words found one a line.\n"
      "Patterns may be typed in lower case. A message the dialog would show goes to\n"
      "standard error, naming the option at fault.\n"
      "\n"
      "Options:\n"
      "  --p1 TEXT, --p2 TEXT  the type's patterns (default empty)\n"
      "  --n1 N, --n2 N        the type's numbers (default: their minimums)\n"
      "  --not                 the words that do NOT match\n"
      "  --list WORDS.txt      search these words instead of the lexicon\n"
      "  --build-build         also offer the BuildBuild type\n"
      "\n"
      "Types (TYPE) and what they read:\n";
  const SearchTypeRegistry registry(true);
  for (int c = 0; c < registry.CategoryCount(); ++c) {
    const SearchCategory& category = registry.Category(c);
    text += "  " + category.name() + ":\n";
    for (int t = 0; t < category.TypeCount(); ++t) {
      const SearchType& type = category.Type(t);
      const SearchLimits limits = type.GetLimits(nullptr);
      std::string line = "    " + std::string(type.name());
      line.resize(21, ' ');
      std::string inputs;
      for (SearchField field : {SearchField::kPattern1, SearchField::kPattern2,
                                SearchField::kNumber1, SearchField::kNumber2}) {
        if (!type.Uses(field)) continue;
        if (!inputs.empty()) inputs += ", ";
        inputs += std::string(OptionOf(field)) + " " + std::string(type.Label(field));
        if (field == SearchField::kNumber1 && type.name() != "Probable") {
          inputs += " (" + std::to_string(limits.min1) + "-" + std::to_string(limits.max1) + ")";
        } else if (field == SearchField::kNumber2 && type.name() != "Probable") {
          inputs += " (" + std::to_string(limits.min2) + "-" + std::to_string(limits.max2) + ")";
        }
      }
      if (!type.SearchesWholeLexicon()) inputs += "; needs --list";
      text += line + inputs + "\n";
    }
  }
  return text;
}

int RunSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const DataFolder& data) {
  std::vector<std::string> positional;
  std::map<std::string, std::string, std::less<>> values;
  bool matching = true;
  bool build_build = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--p1" || a == "--p2" || a == "--n1" || a == "--n2" || a == "--list") {
      if (i + 1 >= args.size()) return Fail(err, a + " needs a value");
      values[a] = args[++i];
    } else if (a == "--not") {
      matching = false;
    } else if (a == "--build-build") {
      build_build = true;
    } else if (a.starts_with("--")) {
      return Fail(err, "unknown option '" + a + "'");
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) return Fail(err, "search needs FILE.TVD and TYPE");

  const std::string& path = positional[0];
  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(path, data, lexicon, err, status)) return status;
  const SearchTypeRegistry registry(build_build);
  const SearchType* type = registry.FindType(positional[1]);
  if (type == nullptr) {
    return Fail(
        err, "unknown search type '" + positional[1] + "'; the types are " + TypeNames(registry));
  }

  WordCollection source;
  const auto list = values.find("--list");
  if (list != values.end()) {
    if (const FileStatus read = source.LoadText(list->second, false); !read.ok()) {
      return FailReading(err, list->second, read);
    }
  }
  const WordCollection* searched = list != values.end() ? &source : nullptr;

  SearchParameters parameters;
  parameters.matching = matching;
  // The patterns as the dialog's upper-casing edits leave them.
  parameters.pattern1 = UpperCased(values["--p1"]);
  parameters.pattern2 = UpperCased(values["--p2"]);
  // Like the dialog, numbers not given stand at their minimums.
  const SearchLimits limits = type->GetLimits(searched);
  parameters.number1 = limits.min1;
  parameters.number2 = limits.min2;
  for (const auto& [option, number] :
       {std::pair{"--n1", &parameters.number1}, std::pair{"--n2", &parameters.number2}}) {
    const auto given = values.find(option);
    if (given == values.end()) continue;
    const std::optional<long long> value = ParseInteger(given->second);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max()) {
      return Fail(err, std::string(option) + ": " + MessageText(kIntegerText));
    }
    *number = static_cast<int>(*value);
  }
  if (const auto message = type->CheckInputs(parameters, searched)) {
    return Fail(err, std::string(OptionOf(message->field)) + ": " +
                         OneLine(MessageText(message->id, message->args)));
  }

  WordCollection result;
  result.SetSortMode(false, SortKey::kAlphabetical, false);
  RecordedMessages messages;
  type->Search(parameters, lexicon, searched, result, messages);
  // The only message a search shows: a list-only type without a list.
  if (messages.first()) return Fail(err, "--list: " + OneLine(*messages.first()));
  std::string buffer;
  for (std::string_view word : result) {
    buffer.append(word);
    buffer += '\n';
  }
  out << buffer;
  if (result.Count() >= WordCollection::kMaxWords) {
    err << "tavrune-lexicon: the result holds its limit of " << WordCollection::kMaxWords
        << " words; more may match\n";
  }
  return kExitOk;
}

}  // namespace tavrune
