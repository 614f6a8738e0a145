#include "wordlist/text_tokens.h"

#include <istream>
#include <iterator>
#include <string>

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

TextTokenCount ForEachWordToken(std::istream& in,
                                const std::function<void(std::string_view word)>& take) {
  TextTokenCount count;
  std::string token;
  bool first_token = true;
  const auto end_token = [&] {
    if (first_token && token.starts_with(kUtf8ByteOrderMark)) {
      token.erase(0, kUtf8ByteOrderMark.size());
    }
    first_token = false;
    if (token.empty()) return;
    if (ToListWord(token)) {
      ++count.accepted;
      take(token);
    } else {
      ++count.rejected;
    }
    token.clear();
  };
  for (auto it = std::istreambuf_iterator<char>(in); it != std::istreambuf_iterator<char>(); ++it) {
    const char c = *it;
    if (IsBlank(c)) {
      end_token();
      continue;
    }
    token.push_back(c);
    if (token.size() == kMaxTokenLength) end_token();
  }
  end_token();
  return count;
}

TextTokenCount ReadWordTokens(std::istream& in, WordCollection& out) {
  int inserted = 0;
  TextTokenCount count = ForEachWordToken(in, [&](std::string_view word) {
    if (out.Insert(word) >= 0) ++inserted;
  });
  count.accepted = inserted;
  return count;
}

}  // namespace tavrune
