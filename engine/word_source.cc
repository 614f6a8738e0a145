#include "engine/word_source.h"

namespace tavrune {
namespace {

std::string MarkOf(const std::string& setting) {
  return setting.empty() ? std::string(" ") : setting.substr(0, 1);
}

}  // namespace

WordSource GetWordSource(std::string_view word, const Lexicon& uk, const Lexicon& na) {
  const bool in_uk = uk.Contains(word);
  const bool in_na = na.Contains(word);
  if (in_uk && in_na) return WordSource::kBoth;
  if (in_uk) return WordSource::kUKOnly;
  if (in_na) return WordSource::kNAOnly;
  return WordSource::kNeither;
}

std::string WordSourceMark(WordSource source, const WordSourceSymbols& symbols) {
  switch (source) {
    case WordSource::kBoth:
      return MarkOf(symbols.both);
    case WordSource::kUKOnly:
      return MarkOf(symbols.uk_only);
    case WordSource::kNAOnly:
      return MarkOf(symbols.na_only);
    case WordSource::kNeither:
      break;
  }
  return "";
}

std::string WordSourceMark(std::string_view word, const Lexicon& uk, const Lexicon& na,
                           const WordSourceSymbols& symbols) {
  return WordSourceMark(GetWordSource(word, uk, na), symbols);
}

}  // namespace tavrune
