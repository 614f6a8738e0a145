#include "wordlist/text_tokens.h"

#include <utility>

#include "engine/text_encoding.h"

namespace tavrune {
namespace {

constexpr size_t kMaxTokenLength = 100;
constexpr size_t kMaxWordLength = 15;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The token as a list word, or false when it cannot be one.
bool ToListWord(std::string& token) {
  if (token.size() > kMaxWordLength) return false;
  for (char& c : token) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    } else if (!((c >= 'A' && c <= 'Z') || c == '?')) {
      return false;
    }
  }
  return true;
}

}  // namespace

void WordTokenizer::EndToken() {
  if (first_token_ && token_.starts_with(kUtf8ByteOrderMark)) {
    token_.erase(0, kUtf8ByteOrderMark.size());
  }
  first_token_ = false;
  if (token_.empty()) return;
  if (ToListWord(token_)) {
    ++count_.accepted;
    take_(token_);
  } else {
    ++count_.rejected;
  }
  token_.clear();
}

void WordTokenizer::Feed(std::string_view text) {
  for (const char c : text) {
    if (IsBlank(c)) {
      EndToken();
      continue;
    }
    token_.push_back(c);
    if (token_.size() == kMaxTokenLength) EndToken();
  }
}

TextTokenCount WordTokenizer::Finish() {
  EndToken();
  return count_;
}

TextTokenCount ForEachWordToken(std::string_view text, const WordTokenizer::Take& take) {
  WordTokenizer tokens(take);
  tokens.Feed(text);
  return tokens.Finish();
}

FileStatus ForEachWordTokenInFile(const std::string& path, bool regular_only,
                                  const WordTokenizer::Take& take, TextTokenCount& count) {
  WordTokenizer tokens(take);
  const FileStatus status =
      ReadFileChunks(path, kMaxWordListBytes, regular_only, [&](std::string_view piece) {
        tokens.Feed(piece);
        return true;
      });
  count = tokens.Finish();
  return status;
}

}  // namespace tavrune
