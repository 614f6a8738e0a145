#include "study/welcome_tips.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iterator>
#include <utility>

#include "engine/file_io.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

constexpr size_t kMaxLineLength = 254;
// A tips file is a few kilobytes; anything past this is not read.
constexpr size_t kMaxTipsBytes = 1 << 20;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsBlankLine(std::string_view line) {
  for (char c : line) {
    if (!IsBlank(c)) return false;
  }
  return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    do {
      lines.push_back(line.substr(0, kMaxLineLength));
      line.remove_prefix(std::min(line.size(), kMaxLineLength));
    } while (!line.empty());
  }
  return lines;
}

}  // namespace

std::vector<std::string> ParseTips(std::string_view text) {
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  const std::vector<std::string_view> lines = SplitLines(text);
  std::vector<std::string> tips;
  size_t i = 0;
  while (true) {
    while (i < lines.size() && IsBlankLine(lines[i])) ++i;
    if (i == lines.size()) break;
    std::string_view first = lines[i++];
    while (IsBlank(first.front())) first.remove_prefix(1);
    if (first.front() == '#') continue;
    std::string tip(first);
    for (; i < lines.size() && !IsBlankLine(lines[i]); ++i) {
      if (tip.back() != ' ') tip += ' ';
      tip += lines[i];
    }
    tips.push_back(std::move(tip));
  }
  return tips;
}

std::vector<std::string> LoadTips(const std::string& data_folder, UserPrompt& prompt,
                                  RandomEngine& random) {
  const std::string path = data_folder + kTipsFileName;
  InputFile file;
  std::string text(kMaxTipsBytes, '\0');
  size_t got = 0;
  FileStatus status = file.Open(path, true);
  if (status.ok()) status = file.ReadFull(text.data(), text.size(), got);
  if (!status.ok()) {
    ShowFileError(prompt, status.error() == ENOENT ? kProgramFileMissingText : kCannotOpenFileText,
                  path, status);
    return {};
  }
  text.resize(got);

  std::vector<std::string> tips = ParseTips(text);
  // Every place swaps with a random one, first to last.
  const auto count = static_cast<uint32_t>(tips.size());
  for (uint32_t i = 0; i < count; ++i) std::swap(tips[i], tips[RandomBelow(random, count)]);
  return tips;
}

}  // namespace tavrune
