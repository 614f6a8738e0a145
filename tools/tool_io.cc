#include "tools/tool_io.h"

#include <charconv>
#include <filesystem>

#include "engine/text_encoding.h"
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

}  // namespace

std::string DescribeCharacter(std::string_view text, size_t position) {
  const auto c = static_cast<unsigned char>(text[position]);
  if (c >= 0x20 && c < 0x7F) return "'" + std::string(1, static_cast<char>(c)) + "'";
  if (const size_t length = Utf8SequenceLength(text, position)) {
    return "'" + std::string(text.substr(position, length)) + "'";
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  return std::string("byte \\x") + kHex[c >> 4] + kHex[c & 15];
}

std::string PrintableText(std::string_view text) {
  std::string printable;
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const size_t length = c >= 0x20 && c < 0x7F ? 1 : Utf8SequenceLength(text, i);
    // U+0080 to U+009F are control characters too.
    if (length == 0 ||
        (length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0)) {
      printable += '?';
      ++i;
      continue;
    }
    printable.append(text.substr(i, length));
    i += length;
  }
  return printable;
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
  const int read = ForEachInputLine(io, [&](std::string_view line, long long number) {
    const std::string_view text = TrimLine(line);
    if (text.empty()) return;
    const std::string label = "line " + std::to_string(number) + ": " + what;
    if (const auto word = ReadTileText(text, kind, label, io.err)) {
      per_word(*word);
    } else {
      status = kExitUsage;
    }
  });
  return read != kExitOk ? read : status;
}

int ForEachInputLine(const Io& io,
                     const std::function<void(std::string_view line, long long number)>& per_line) {
  std::string line;
  for (long long number = 1; std::getline(io.in, line); ++number) {
    if (!io.in.eof()) line += '\n';
    per_line(line, number);
  }
  const auto* buffer = dynamic_cast<const FileInputBuffer*>(io.in.rdbuf());
  if (buffer != nullptr && !buffer->status().ok()) {
    return io.Fail("cannot read standard input: " + buffer->status().reason());
  }
  if (io.in.bad()) return io.Fail("cannot read standard input");
  return kExitOk;
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
  FileStatus read;
  if (lexicon.LoadFile(path, &read)) return true;
  status = read.ok() ? Fail(err, "'" + path + "' is " + kDamagedLexiconReason)
                     : FailReading(err, path, read);
  return false;
}

int FailReading(std::ostream& err, const std::string& path, const FileStatus& status) {
  return Fail(err, "cannot read '" + path + "': " + status.reason());
}

int FailWriting(std::ostream& err, const std::string& path, const FileStatus& status) {
  return Fail(err, "cannot write '" + path + "': " + status.reason());
}

std::optional<long long> ParseInteger(std::string_view text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

std::optional<LexiconId> ReadLexiconId(const Args& args, size_t& i, const Io& io) {
  const std::string& option = args[i];
  if (i + 1 >= args.size()) {
    io.Fail(option + " needs a number");
    return std::nullopt;
  }
  const std::optional<long long> number = ParseInteger(args[++i]);
  if (!number || *number < 0 || *number >= kLexiconCount) {
    io.Fail(option + " takes 0 to 4, not '" + args[i] + "'");
    return std::nullopt;
  }
  return static_cast<LexiconId>(*number);
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
  if (IsFileErrorText(id) && args.size() >= 2) {
    file_error_ = true;
    const FileStatus reason = FileStatus::Refused(args[1]);
    if (id == kSaveFailedText) {
      FailWriting(err_, args[0], reason);
    } else {
      FailReading(err_, args[0], reason);
    }
    return;
  }
  err_ << MessageText(id, args) << '\n';
}

}  // namespace tavrune
