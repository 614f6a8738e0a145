#include "engine/probability.h"

#include "engine/tiles.h"

namespace tavrune {
namespace {

// Reference words by length 1-15. North America Family uses the North
// American words.
constexpr std::array<std::string_view, ProbabilityReference::kMaxLength> kUKWords = {
    "E",           "AE",           "ANE",           "AINE",           "ENTIA",
    "RATINE",      "OTARINE",      "AERATION",      "AERATIONS",      "DELINEATOR",
    "DELINEATORS", "ORIENTALISED", "DEREGULATIONS", "FEDERALISATION", "PROLETARIANISED"};
constexpr std::array<std::string_view, ProbabilityReference::kMaxLength> kNAWords = {
    "E",           "AE",           "ANE",           "AEON",           "ENTIA",
    "RATINE",      "ARENITE",      "AERATION",      "AERATIONS",      "DEAERATION",
    "DEAERATIONS", "DEREGULATION", "DEREGULATIONS", "GENERALISATION", "DEUTERANOMALIES"};
constexpr std::array<std::string_view, ProbabilityReference::kMaxLength> kUKNAWords = {
    "E",           "AE",           "ANE",           "AINE",           "ENTIA",
    "RATINE",      "OTARINE",      "AERATION",      "AERATIONS",      "DEAERATION",
    "DEAERATIONS", "ORIENTALISED", "DEREGULATIONS", "FEDERALISATION", "DEUTERANOMALIES"};
constexpr std::array<std::string_view, ProbabilityReference::kMaxLength> kFRWords = {
    "E",           "AI",           "AIE",           "AINE",           "AIENT",
    "ATONIE",      "NOTAIRE",      "NOTARIEE",      "DENOTERAI",      "DELAIERONT",
    "AUREOLAIENT", "DELAITERIONS", "DEREALISATION", "DEGASOLINERAIT", "DIAGONALISERENT"};

const std::array<std::string_view, ProbabilityReference::kMaxLength>& WordsOf(LexiconId id) {
  switch (id) {
    case LexiconId::kUK:
      return kUKWords;
    case LexiconId::kNA:
    case LexiconId::kNAF:
      return kNAWords;
    case LexiconId::kFR:
      return kFRWords;
    case LexiconId::kUKNA:
      break;
  }
  return kUKNAWords;
}

}  // namespace

void ProbabilityReference::Select(LexiconId id) {
  lexicon_ = id;
  entries_[0] = 1.0f;
  const auto& words = WordsOf(id);
  for (int length = 1; length <= kMaxLength; ++length) {
    entries_[length] = DrawCount(words[length - 1]);
  }
}

bool ProbabilityReference::SelectNumber(long long number) {
  if (number < 0 || number >= kLexiconCount) return false;
  Select(static_cast<LexiconId>(number));
  return true;
}

float ProbabilityReference::Entry(int length) const {
  return length >= 0 && length <= kMaxLength ? entries_[length] : 0.0f;
}

double ProbabilityReference::Factor(std::string_view word) const {
  if (word.size() > kMaxLength) return 0.0;
  // In double precision the reference word itself comes out at exactly 100.
  return 100.0 * static_cast<double>(DrawCount(word)) / static_cast<double>(entries_[word.size()]);
}

int64_t ProbabilityReference::FactorKey(std::string_view word) const {
  return static_cast<int64_t>(Factor(word) * 1000000.0);
}

std::string_view ProbabilityReference::ReferenceWord(LexiconId id, int length) {
  if (length < 1 || length > kMaxLength) return {};
  return WordsOf(id)[length - 1];
}

}  // namespace tavrune
