#include "tools/tool_io.h"

#include <charconv>
#include <fstream>

#include "resources/string_table.h"

namespace tavrune {

std::string_view TrimLine(std::string_view line) {
  const auto first = line.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = line.find_last_not_of(" \t\r\n");
  return line.substr(first, last - first + 1);
}

int Fail(std::ostream& err, const std::string& message) {
  err << "tavrune-lexicon: " << message << '\n';
  return kExitUsage;
}

bool LoadLexicon(const std::string& path, Lexicon& lexicon, std::ostream& err, int& status) {
  std::ifstream probe(path);
  if (!probe) {
    status = Fail(err, "cannot open '" + path + "'");
    return false;
  }
  if (!lexicon.LoadFile(path)) {
    status = Fail(err, "'" + path + "' is not a valid lexicon file");
    return false;
  }
  return true;
}

std::optional<long long> ParseInteger(std::string_view text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

void PrintWords(const WordCollection& words, const Io& io) {
  std::string buffer;
  for (std::string_view word : words) {
    buffer.append(word);
    buffer += '\n';
  }
  io.out << buffer;
  if (words.IsFull()) io.err << "(result cut at 64,000 words)\n";
}

void StreamPrompt::ShowMessage(int id, const std::vector<std::string>& args, Icon) {
  err_ << MessageText(id, args) << '\n';
}

}  // namespace tavrune
