// Text files and archive records of WordCollection.
#include <algorithm>
#include <cstring>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <utility>

#include "engine/file_io.h"
#include "engine/text_encoding.h"
#include "engine/word_collection.h"

namespace tavrune {
namespace {

constexpr size_t kMaxWord = WordCollection::kMaxWordLength;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Separators of the words of a text file; NUL too, as words cannot hold it.
bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\0';
}

// The number of leading characters `word` shares with `previous`.
size_t SharedPrefix(std::string_view previous, std::string_view word) {
  const size_t n = std::min(previous.size(), word.size());
  size_t shared = 0;
  while (shared < n && previous[shared] == word[shared]) ++shared;
  return shared;
}

// "N" and the rest of the word after N shared characters, or the whole word
// when it shares none with the previous one. A rest may not begin with a
// digit, which would read as part of N, so fewer characters are shared then.
std::string FrontCode(std::string_view previous, std::string_view word) {
  size_t shared = SharedPrefix(previous, word);
  while (shared > 0 && shared < word.size() && IsDigit(word[shared])) --shared;
  if (shared == 0) return std::string(word);
  return std::to_string(shared) + std::string(word.substr(shared));
}

// Splits a front-coded token into its shared count and its rest. The count
// saturates far above any word length, so a long run of digits cannot
// overflow it.
std::pair<size_t, std::string_view> SplitFrontCode(std::string_view token) {
  size_t shared = 0;
  size_t i = 0;
  for (; i < token.size() && IsDigit(token[i]); ++i) {
    shared = std::min<size_t>(shared * 10 + static_cast<size_t>(token[i] - '0'), 1u << 20);
  }
  return {shared, token.substr(i)};
}

// The key stream of archive records: the key's characters with their bit
// order reversed.
std::string KeyStream(std::string_view key) {
  if (key.empty()) key = WordCollection::kDefaultArchiveKey;
  std::string stream(key);
  for (char& c : stream) {
    uint8_t b = static_cast<uint8_t>(c);
    uint8_t reversed = 0;
    for (int bit = 0; bit < 8; ++bit) reversed |= ((b >> bit) & 1) << (7 - bit);
    c = static_cast<char>(reversed);
  }
  return stream;
}

void Encipher(std::span<char> record, std::string_view key_stream) {
  for (size_t i = 0; i < record.size(); ++i) record[i] ^= key_stream[i % key_stream.size()];
}

}  // namespace

FileStatus WordCollection::LoadText(const std::string& path, bool front_coded) {
  char token[kMaxWord];
  size_t token_size = 0;
  std::string previous;
  std::string word;
  bool full = false;
  // Decodes and appends one token; false once the collection is full.
  const auto take = [&](std::string_view text) {
    if (front_coded && IsDigit(text.front())) {
      const auto [shared, rest] = SplitFrontCode(text);
      word.assign(previous, 0, std::min(shared, previous.size()));
      word.append(rest.substr(0, kMaxWord - word.size()));
    } else {
      word.assign(text);
    }
    previous.swap(word);
    // A bare "0" decodes to nothing: no word.
    return previous.empty() || Append(previous);
  };
  bool first_piece = true;
  const FileStatus status =
      ReadFileChunks(path, kMaxWordListBytes, false, [&](std::string_view piece) {
        if (first_piece) piece = WithoutByteOrderMark(piece);
        first_piece = false;
        for (size_t i = 0; i < piece.size() && !full; ++i) {
          const char c = piece[i];
          if (!IsSeparator(c)) {
            // Characters beyond the longest word are dropped: the token is cut.
            if (token_size < kMaxWord) token[token_size++] = c;
          } else if (token_size > 0) {
            full = !take(std::string_view(token, token_size));
            token_size = 0;
          }
        }
        return !full;
      });
  if (status.ok() && !full && token_size > 0) take(std::string_view(token, token_size));
  if (sorted_) Sort();
  return status;
}

FileStatus WordCollection::SaveText(const std::string& path, bool front_coded) const {
  std::string bytes;
  std::string_view previous;
  for (const char* item : items_) {
    if (item == nullptr) continue;
    const std::string_view word(item);
    bytes += front_coded ? FrontCode(previous, word) : std::string(word);
    bytes += '\n';
    previous = word;
  }
  return WriteFileAtomically(path, bytes);
}

bool WordCollection::WriteArchive(std::ostream& out, std::string_view key) const {
  int32_t count = 0;
  for (const char* item : items_) {
    if (item == nullptr) continue;
    if (std::strlen(item) > kMaxWord) return false;
    ++count;
  }
  const std::string key_stream = KeyStream(key);
  const auto put_le = [&out](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i)));
  };
  put_le(static_cast<uint32_t>(count), 4);
  std::string_view previous;
  for (const char* item : items_) {
    if (item == nullptr) continue;
    const std::string_view word(item);
    std::string record = FrontCode(previous, word);
    Encipher(record, key_stream);
    put_le(static_cast<uint32_t>(record.size()), 2);
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
    previous = word;
  }
  return out.good();
}

bool WordCollection::ReadArchive(std::istream& in, std::string_view key, int* left_out) {
  const std::string key_stream = KeyStream(key);
  const auto get_le = [&in](int bytes, uint32_t& value) {
    unsigned char raw[4];
    if (!in.read(reinterpret_cast<char*>(raw), bytes)) return false;
    value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<uint32_t>(raw[i]) << (8 * i);
    return true;
  };
  const auto read_records = [&]() {
    uint32_t raw_count = 0;
    if (!get_le(4, raw_count)) return false;
    const int32_t count = static_cast<int32_t>(raw_count);
    if (count < 0) return false;
    std::string previous;
    std::string word;
    char record[kMaxWord];
    for (int32_t n = 0; n < count; ++n) {
      uint32_t raw_length = 0;
      if (!get_le(2, raw_length)) return false;
      const int16_t length = static_cast<int16_t>(raw_length);
      if (length < 0 || static_cast<size_t>(length) > kMaxWord) return false;
      if (!in.read(record, length)) return false;
      std::span<char> bytes(record, static_cast<size_t>(length));
      Encipher(bytes, key_stream);
      // A record is a terminated string once deciphered.
      std::string_view text(record, strnlen(record, bytes.size()));
      if (!text.empty() && IsDigit(text.front())) {
        const auto [shared, rest] = SplitFrontCode(text);
        if (shared > previous.size()) return false;
        word.assign(previous, 0, shared);
        word.append(rest);
        if (word.size() > kMaxWord) return false;
      } else {
        word.assign(text);
      }
      previous.swap(word);
      if (!Append(previous) && left_out != nullptr) ++*left_out;
    }
    return true;
  };
  const bool ok = read_records();
  if (sorted_) Sort();
  return ok;
}

}  // namespace tavrune
