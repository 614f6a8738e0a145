#include "tools/search_command.h"

#include <charconv>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <string_view>

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

std::optional<int> ParseNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// The patterns as the dialog's upper-casing edits leave them.
std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

int RunSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> positional;
  std::map<std::string, std::string, std::less<>> values;
  bool matching = true;
  bool build_build = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--p1" || a == "--p2" || a == "--n1" || a == "--n2" || a == "--list") {
      if (i + 1 >= args.size()) return Fail(err, "option " + a + " needs a value");
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
  if (!LoadLexicon(path, lexicon, err, status)) return status;
  const SearchTypeRegistry registry(build_build);
  const SearchType* type = registry.FindType(positional[1]);
  if (type == nullptr) return Fail(err, "unknown search type '" + positional[1] + "'");

  WordCollection source;
  const auto list = values.find("--list");
  if (list != values.end() && !source.LoadText(list->second, false)) {
    return Fail(err, "cannot read '" + list->second + "'");
  }
  const WordCollection* searched = list != values.end() ? &source : nullptr;

  SearchParameters parameters;
  parameters.matching = matching;
  parameters.pattern1 = UpperCase(values["--p1"]);
  parameters.pattern2 = UpperCase(values["--p2"]);
  // Like the dialog, numbers not given stand at their minimums.
  const SearchLimits limits = type->GetLimits(searched);
  parameters.number1 = limits.min1;
  parameters.number2 = limits.min2;
  for (const auto& [option, number] :
       {std::pair{"--n1", &parameters.number1}, std::pair{"--n2", &parameters.number2}}) {
    const auto given = values.find(option);
    if (given == values.end()) continue;
    const std::optional<int> value = ParseNumber(given->second);
    if (!value) return Fail(err, MessageText(kIntegerText));
    *number = *value;
  }
  if (const auto message = type->CheckInputs(parameters, searched)) {
    return Fail(err, MessageText(message->id, message->args));
  }

  WordCollection result;
  result.SetSortMode(false, SortKey::kAlphabetical, false);
  RecordedMessages messages;
  type->Search(parameters, lexicon, searched, result, messages);
  if (messages.first()) return Fail(err, *messages.first());
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
