#include "tools/tool_io.h"

#include <charconv>
#include <filesystem>
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
  Note(err, message);
  return kExitUsage;
}

void Note(std::ostream& err, const std::string& message) {
  err << "tavrune-lexicon: " << message << '\n';
}

namespace {

bool Allowed(char c, TileText kind) {
  if (c >= 'A' && c <= 'Z') return true;
  switch (kind) {
    case TileText::kWord:
      return false;
    case TileText::kRack:
      return c == '?';
    case TileText::kWildRack:
      return c == '?' || c == '*';
    case TileText::kPattern:
      return std::string_view("?*.^$[]-+\\()<>123456789").find(c) != std::string_view::npos;
  }
  return false;
}

std::string_view AllowedText(TileText kind) {
  switch (kind) {
    case TileText::kWord:
      return "letters A-Z only";
    case TileText::kRack:
      return "letters A-Z and the blank '?' only";
    case TileText::kWildRack:
      return "letters A-Z, the blank '?' and '*' only";
    case TileText::kPattern:
      return "letters A-Z and the pattern characters ? * [ ] ^ - . + $ \\ ( ) < > 1-9 only";
  }
  return {};
}

// The length of the UTF-8 sequence starting at `position`; 0 when none.
size_t Utf8Length(std::string_view text, size_t position) {
  const auto lead = static_cast<unsigned char>(text[position]);
  const size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || position + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[position + i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

std::string DescribeCharacter(std::string_view text, size_t position) {
  const auto c = static_cast<unsigned char>(text[position]);
  if (c >= 0x20 && c < 0x7F) return "'" + std::string(1, static_cast<char>(c)) + "'";
  if (const size_t length = Utf8Length(text, position)) {
    return "'" + std::string(text.substr(position, length)) + "'";
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  return std::string("byte \\x") + kHex[c >> 4] + kHex[c & 15];
}

std::optional<std::string> ReadTileText(std::string_view text, TileText kind, std::string_view what,
                                        std::ostream& err) {
  std::string upper(text);
  for (size_t i = 0; i < upper.size(); ++i) {
    char& c = upper[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!Allowed(c, kind)) {
      Fail(err, std::string(what) + " '" + std::string(text) + "': " + DescribeCharacter(text, i) +
                    " is not allowed (" + std::string(AllowedText(kind)) + ")");
      return std::nullopt;
    }
  }
  return upper;
}

int ForEachWordArgument(const Args& words, TileText kind, const Io& io,
                        const std::function<void(const std::string&)>& per_word) {
  const char* what = kind == TileText::kWord ? "WORD" : "RACK";
  if (!words.empty()) {
    // Arguments are checked before anything is printed.
    std::vector<std::string> read;
    for (const std::string& w : words) {
      auto word = ReadTileText(w, kind, what, io.err);
      if (!word) return kExitUsage;
      read.push_back(std::move(*word));
    }
    for (const std::string& w : read) per_word(w);
    return kExitOk;
  }
  int status = kExitOk;
  std::string line;
  for (long long number = 1; std::getline(io.in, line); ++number) {
    const std::string_view text = TrimLine(line);
    if (text.empty()) continue;
    const std::string label = "line " + std::to_string(number) + ": " + what;
    if (const auto word = ReadTileText(text, kind, label, io.err)) {
      per_word(*word);
    } else {
      status = kExitUsage;
    }
  }
  return status;
}

bool LoadLexicon(const std::string& argument, const DataFolder& data, Lexicon& lexicon,
                 std::ostream& err, int& status) {
  std::string path = argument;
  std::error_code ec;
  const bool bare = argument.find('/') == std::string::npos && !data.folder.empty();
  if (bare && !std::filesystem::exists(argument, ec)) {
    const std::string name = argument.ends_with(".TVD") ? argument : argument + ".TVD";
    path = data.folder + "Lexicons/" + name;
    if (!std::filesystem::exists(path, ec)) {
      const std::string where =
          data.has_lexicons ? data.folder + "Lexicons" : LexiconFoldersTried(data, " or ");
      status =
          Fail(err, "cannot open '" + argument + "': no such file, nor " + name + " in " + where);
      return false;
    }
  }
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
