#include "resources/string_table.h"

#include <algorithm>
#include <span>

#include "resources/string_tables.h"

namespace tavrune {
namespace {

std::vector<StringEntry> AllStrings() {
  std::vector<StringEntry> all;
  for (std::span<const StringEntry> table : {CommonStrings(), JudgeStrings(), StudyStrings()}) {
    all.insert(all.end(), table.begin(), table.end());
  }
  std::sort(all.begin(), all.end(),
            [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; });
  return all;
}

}  // namespace

std::string_view StringText(int id) {
  static const std::vector<StringEntry> strings = AllStrings();
  const auto it = std::lower_bound(strings.begin(), strings.end(), id,
                                   [](const StringEntry& e, int v) { return e.id < v; });
  return it != strings.end() && it->id == id ? std::string_view(it->text) : std::string_view();
}

std::string FormatText(std::string_view text, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size()) {
      const char next = text[i + 1];
      if (next >= '1' && next <= '9') {
        const size_t index = static_cast<size_t>(next - '1');
        if (index < args.size()) out += args[index];
        ++i;
        continue;
      }
      if (next == '%') {
        out += '%';
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

bool IsFileErrorText(int id) {
  return id == kProgramFileMissingText || id == kCannotOpenFileText || id == kSaveFailedText;
}

std::string MessageText(int id, const std::vector<std::string>& args) {
  std::string text = FormatText(StringText(id), args);
  if (IsFileErrorText(id) && args.size() >= 2) {
    text += "\n\n";
    text += FormatText(StringText(kFileErrorDetailText), {args[0], args[1]});
  }
  return text;
}

}  // namespace tavrune
