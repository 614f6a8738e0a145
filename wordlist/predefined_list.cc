#include "wordlist/predefined_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <utility>

#include "engine/generators.h"
#include "engine/probability.h"
#include "engine/word_walk.h"
#include "resources/string_table.h"
#include "search/conditions.h"
#include "search/search_condition.h"
#include "wordlist/alphagram_key.h"

namespace tavrune {
namespace {

constexpr std::string_view kThreePointRack = "AAAEEEEIIIOOUDGLNNRRSSTT";
constexpr std::string_view kFourPointRack = "AAEEEIIOOUDLNRST";

// Scratch collections keep insertion order: sorted insertion of thousands
// of words would move the item array once per word.
WordCollection ScratchCollection() {
  WordCollection scratch;
  scratch.SetSortMode(false, SortKey::kAlphabetical, false);
  return scratch;
}

// The text parameter: the first one, or the list name when there is none.
std::string_view TextParameter(const std::vector<std::string_view>& params, std::string_view name) {
  return params.empty() ? name : params[0];
}

std::optional<int> NumberParameter(const std::vector<std::string_view>& params, size_t index) {
  if (index >= params.size()) return std::nullopt;
  return LeadingNumber(params[index]);
}

// Words of the category's length beginning with `text` (any length: text
// and then anything).
std::string Pattern(std::string_view text, int length) {
  std::string pattern(text);
  if (length == 0) {
    pattern += '*';
  } else if (static_cast<size_t>(length) > text.size()) {
    pattern.append(static_cast<size_t>(length) - text.size(), '?');
  }
  return pattern;
}

// The same, ending with `text`.
std::string FrontPattern(std::string_view text, int length) {
  std::string pattern;
  if (length == 0) {
    pattern = "*";
  } else if (static_cast<size_t>(length) > text.size()) {
    pattern.assign(static_cast<size_t>(length) - text.size(), '?');
  }
  pattern += text;
  return pattern;
}

// Any word of the category's length.
std::string AnyWordPattern(int length) {
  return length == 0 ? std::string("*") : std::string(static_cast<size_t>(length), '?');
}

// The rule most kinds share: any text fits a category of any length; with a
// length, the text must be there and fit inside it.
bool TextFits(std::string_view text, int length) {
  return length == 0 || (!text.empty() && static_cast<size_t>(length) >= text.size());
}

int AddedSince(const WordCollection& out, int before) { return out.Count() - before; }

// Pattern matches that also pass one condition.
int FilteredMatches(const Lexicon& lexicon, std::string_view pattern,
                    std::unique_ptr<SearchCondition> condition, WordCollection& out) {
  ConditionList conditions;
  conditions.Add(std::move(condition));
  const ConditionFilter filter(conditions, lexicon);
  return PatternMatches(lexicon, pattern, out, &filter);
}

// ALL: the union of the lists above it in its subcategory. An earlier ALL
// adds nothing to that union, so it is passed over: generating it again
// would make a run of ALL lines cost twice as much per line.
class AllList : public PredefinedList {
 public:
  AllList() : PredefinedList("ALL") {}
  bool IsValid() const override { return true; }
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt& prompt) const override {
    WordCollection scratch = ScratchCollection();
    for (size_t i = 0; i < earlier_count_ && scratch.Count() < WordCollection::kMaxWords; ++i) {
      const PredefinedList* list = (*earlier_)[i];
      if (list->keyword() != keyword()) list->Generate(lexicon, scratch, prompt);
    }
    scratch.SetSortMode(true, SortKey::kAlphabetical, false);
    scratch.RemoveDuplicates();
    return out.AppendAll(scratch);
  }

 protected:
  void ParseParameters(const std::vector<std::string_view>&,
                       const ListParseContext& context) override {
    earlier_ = context.earlier_lists;
    earlier_count_ = earlier_ == nullptr ? 0 : earlier_->size();
  }

 private:
  const std::vector<const PredefinedList*>* earlier_ = nullptr;
  size_t earlier_count_ = 0;
};

// The kinds whose only parameter is a text that must fit the length.
class TextList : public PredefinedList {
 public:
  bool IsValid() const override { return TextFits(text_, word_length()); }

 protected:
  using PredefinedList::PredefinedList;
  void ParseParameters(const std::vector<std::string_view>& params,
                       const ListParseContext&) override {
    text_ = TextParameter(params, name());
  }
  const std::string& text() const { return text_; }
  void set_text(std::string_view text) { text_ = text; }

 private:
  std::string text_;
};

// BEG: words beginning with the text.
class BeginningList : public TextList {
 public:
  BeginningList() : TextList("BEG") {}
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    return PatternMatches(lexicon, Pattern(text(), word_length()), out);
  }
};

// END: words ending with the text.
class EndingList : public TextList {
 public:
  EndingList() : TextList("END") {}
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    return PatternMatches(lexicon, FrontPattern(text(), word_length()), out);
  }
};

// CNT: words holding every letter of the text.
class ContainsList : public TextList {
 public:
  ContainsList() : TextList("CNT") {}
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    return Anagrams(lexicon, Pattern(text(), word_length()), out);
  }
};

// STM: the stem named by the list plus whatever letters make up the length.
class StemList : public TextList {
 public:
  StemList() : TextList("STM") {}
  std::string Stem() const override { return name(); }
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    return Anagrams(lexicon, Pattern(text(), word_length()), out);
  }

 protected:
  void ParseParameters(const std::vector<std::string_view>&, const ListParseContext&) override {
    set_text(name());
  }
};

// PAT: a wildcard pattern or pattern expression as written.
class PatternList : public TextList {
 public:
  PatternList() : TextList("PAT") {}
  bool IsValid() const override { return true; }
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    return PatternMatches(lexicon, text(), out);
  }
};

// CMP: two words of at least k letters each, joined.
class CompoundList : public PredefinedList {
 public:
  CompoundList() : PredefinedList("CMP") {}
  // A text longer than the category's words would leave no room for the
  // pattern, so it makes the line invalid as it does for the other kinds.
  bool IsValid() const override {
    const int n = word_length();
    return n == 0 || (n >= 2 * part_length_ && static_cast<size_t>(n) >= text_.size());
  }
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    return FilteredMatches(lexicon, Pattern(text_, word_length()),
                           std::make_unique<CompoundCondition>(part_length_, part_length_), out);
  }

 protected:
  void ParseParameters(const std::vector<std::string_view>& params,
                       const ListParseContext&) override {
    const std::optional<int> k = NumberParameter(params, 1);
    if (k) {
      text_ = params[0];
      part_length_ = std::max(2, *k);
    }
  }

 private:
  std::string text_;
  int part_length_ = 2;
};

// NHK: words that lose neither their first nor their last letter to a word.
class NoHookList : public TextList {
 public:
  NoHookList() : TextList("NHK") {}
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    return FilteredMatches(lexicon, Pattern(text(), word_length()),
                           std::make_unique<NoShorterWordCondition>(), out);
  }
};

// SBW: words whose runs of s letters are words (every run, or any one).
class SubWordList : public TextList {
 public:
  SubWordList() : TextList("SBW") {}
  bool IsValid() const override { return run_length_ > 0 && TextList::IsValid(); }
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    return FilteredMatches(lexicon, Pattern(text(), word_length()),
                           std::make_unique<SubWordCondition>(run_length_, every_), out);
  }

 protected:
  void ParseParameters(const std::vector<std::string_view>& params,
                       const ListParseContext&) override {
    const std::optional<int> run = NumberParameter(params, 1);
    if (!run) return;
    set_text(params[0]);
    run_length_ = std::max(2, *run);
    every_ = NumberParameter(params, 2).value_or(0) != 0;
  }

 private:
  int run_length_ = 0;  // 0: the required run length is missing
  bool every_ = false;
};

// The count of NVW and NAG: the first parameter, else the number the list
// name starts with.
std::optional<int> CountParameter(const std::vector<std::string_view>& params,
                                  std::string_view name) {
  if (std::optional<int> count = NumberParameter(params, 0)) return count;
  return LeadingNumber(name);
}

bool CountInRange(std::optional<int> count) {
  return count && *count >= 0 && *count <= ListValidity::kMaxCount;
}

// NVW: words with exactly v vowels.
class VowelList : public PredefinedList {
 public:
  VowelList() : PredefinedList("NVW") {}
  bool IsValid() const override { return valid_; }
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    return FilteredMatches(lexicon, AnyWordPattern(word_length()),
                           std::make_unique<VowelCountCondition>(vowels_, vowels_), out);
  }

 protected:
  void ParseParameters(const std::vector<std::string_view>& params,
                       const ListParseContext& context) override {
    const std::optional<int> vowels = CountParameter(params, name());
    if (!CountInRange(vowels)) return;
    vowels_ = *vowels;
    valid_ =
        context.word_length == 0 || (context.validity != nullptr &&
                                     context.validity->HasVowelCount(context.word_length, vowels_));
  }

 private:
  int vowels_ = 0;
  bool valid_ = false;
};

// NAG: every word whose anagram set has exactly `members` words.
class AnagramSetList : public PredefinedList {
 public:
  AnagramSetList() : PredefinedList("NAG") {}
  bool IsValid() const override { return valid_; }

  // Walks the lexicon itself rather than collecting matches, so that sets
  // are complete even where a length has more words than a collection holds.
  // Sets come in alphagram order, each set's words alphabetically.
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    struct Entry {
      AlphagramKey key;
      std::array<char, AlphagramKey::kMaxLength> letters;
    };
    std::vector<Entry> entries;
    const size_t length = static_cast<size_t>(word_length());
    VisitWords(lexicon, [&](std::string_view word) {
      if (word.size() > static_cast<size_t>(AlphagramKey::kMaxLength)) return;
      if (length != 0 && word.size() != length) return;
      Entry entry{AlphagramKey::Of(word), {}};
      word.copy(entry.letters.data(), word.size());
      entries.push_back(entry);
    });
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    const int before = out.Count();
    for (size_t i = 0; i < entries.size();) {
      size_t j = i + 1;
      while (j < entries.size() && entries[j].key == entries[i].key) ++j;
      if (j - i == static_cast<size_t>(members_)) {
        for (size_t k = i; k < j; ++k) {
          const auto size = static_cast<size_t>(entries[k].key.length());
          out.Insert(std::string_view(entries[k].letters.data(), size));
        }
      }
      i = j;
    }
    return AddedSince(out, before);
  }

 protected:
  void ParseParameters(const std::vector<std::string_view>& params,
                       const ListParseContext& context) override {
    const std::optional<int> members = CountParameter(params, name());
    if (!CountInRange(members) || *members == 0) return;
    members_ = *members;
    valid_ = context.word_length == 0 ||
             (context.validity != nullptr &&
              context.validity->HasAnagramSet(context.word_length, members_));
  }

 private:
  int members_ = 0;
  bool valid_ = false;
};

// PBL: the words of ranks r1 to r2 by probability.
class ProbableList : public TextList {
 public:
  ProbableList() : TextList("PBL") {}
  bool IsValid() const override { return first_rank_ >= 1 && TextList::IsValid(); }
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    WordCollection ranked = ScratchCollection();
    PatternMatches(lexicon, Pattern(text(), word_length()), ranked);
    ranked.SetProbabilityReference(ProbabilityReference(lexicon_id_));
    ranked.SetSortMode(true, SortKey::kProbability, true);
    const int last = std::min(last_rank_.value_or(ranked.Count()), ranked.Count());
    const int before = out.Count();
    for (int i = first_rank_ - 1; i < last; ++i) out.Insert(ranked.Word(i));
    return AddedSince(out, before);
  }

 protected:
  void ParseParameters(const std::vector<std::string_view>& params,
                       const ListParseContext& context) override {
    lexicon_id_ = context.lexicon_id;
    const std::optional<int> first = NumberParameter(params, 1);
    if (!first) return;
    const std::optional<int> last = NumberParameter(params, 2);
    if (params.size() > 2 && !last) return;
    set_text(params[0]);
    // Ranks count from 1: an earlier first rank starts at the top, a last
    // rank before the first gives the first alone.
    first_rank_ = std::max(*first, 1);
    if (last) last_rank_ = std::max(*last, first_rank_);
  }

 private:
  LexiconId lexicon_id_ = LexiconId::kUKNA;
  int first_rank_ = 0;  // 0: no first rank given
  std::optional<int> last_rank_;
};

// WDF: the words of a text file in the catalogue folder that fit a pattern
// or are anagrams of a rack; the lexicon is not asked.
class WordFileList : public PredefinedList {
 public:
  WordFileList() : PredefinedList("WDF") {}
  bool IsValid() const override { return !path_.empty(); }
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt& prompt) const override {
    WordCollection loaded = ScratchCollection();
    if (const FileStatus read = loaded.LoadText(path_, false); !read.ok()) {
      ShowFileError(prompt, kCannotOpenFileText, path_, read);
      return 0;
    }
    // The file is outside text: only what could be a list word is kept.
    WordCollection words = ScratchCollection();
    std::string word;
    for (std::string_view token : loaded) {
      if (!ToListWord(token, word)) continue;
      words.Append(word);
    }
    const int before = out.Count();
    if (anagram_) {
      ConditionList conditions;
      conditions.Emplace<AnagramCondition>(parameter_);
      const ConditionFilter filter(conditions, lexicon);
      words.FilterByConditions(&filter, out);
    } else {
      words.FilterByPattern(parameter_, out);
    }
    return AddedSince(out, before);
  }

 protected:
  void ParseParameters(const std::vector<std::string_view>& params,
                       const ListParseContext& context) override {
    if (params.size() < 2) return;
    const std::optional<std::string> path = CatalogPath(context.folder, params[0]);
    if (!path) return;
    path_ = *path;
    anagram_ = params[1] == "ANA";
    parameter_ = params.size() > 2 ? std::string(params[2]) : name() + "*";
  }

 private:
  // Upper-cased letters A-Z, 1 to 15 of them.
  static bool ToListWord(std::string_view token, std::string& word) {
    if (token.empty() || token.size() > 15) return false;
    word.clear();
    for (char c : token) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      if (c < 'A' || c > 'Z') return false;
      word += c;
    }
    return true;
  }

  std::string path_;  // empty: no file named
  bool anagram_ = false;
  std::string parameter_;
};

// 3PT and 4PT: the words a fixed vowel-heavy rack builds.
class RackBuildList : public PredefinedList {
 public:
  RackBuildList(std::string_view keyword, std::string_view rack)
      : PredefinedList(keyword), rack_(rack) {}
  bool IsValid() const override {
    return word_length() == 0 || static_cast<size_t>(word_length()) <= rack_.size();
  }
  int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt&) const override {
    if (word_length() == 0) return Builds(lexicon, rack_, out);
    ConditionList conditions;
    conditions.Emplace<LengthCondition>(word_length(), word_length());
    const ConditionFilter filter(conditions, lexicon);
    return Builds(lexicon, rack_, out, &filter);
  }

 protected:
  void ParseParameters(const std::vector<std::string_view>&, const ListParseContext&) override {}

 private:
  std::string_view rack_;
};

constexpr std::array<std::string_view, 15> kKeywords = {"ALL", "BEG", "END", "CNT", "STM",
                                                        "PAT", "CMP", "NHK", "SBW", "NVW",
                                                        "NAG", "PBL", "WDF", "3PT", "4PT"};

std::unique_ptr<PredefinedList> MakeList(std::string_view keyword) {
  if (keyword == "ALL") return std::make_unique<AllList>();
  if (keyword == "BEG") return std::make_unique<BeginningList>();
  if (keyword == "END") return std::make_unique<EndingList>();
  if (keyword == "CNT") return std::make_unique<ContainsList>();
  if (keyword == "STM") return std::make_unique<StemList>();
  if (keyword == "PAT") return std::make_unique<PatternList>();
  if (keyword == "CMP") return std::make_unique<CompoundList>();
  if (keyword == "NHK") return std::make_unique<NoHookList>();
  if (keyword == "SBW") return std::make_unique<SubWordList>();
  if (keyword == "NVW") return std::make_unique<VowelList>();
  if (keyword == "NAG") return std::make_unique<AnagramSetList>();
  if (keyword == "PBL") return std::make_unique<ProbableList>();
  if (keyword == "WDF") return std::make_unique<WordFileList>();
  if (keyword == "3PT") return std::make_unique<RackBuildList>("3PT", kThreePointRack);
  if (keyword == "4PT") return std::make_unique<RackBuildList>("4PT", kFourPointRack);
  return nullptr;
}

}  // namespace

std::unique_ptr<PredefinedList> ParsePredefinedList(std::string_view keyword, std::string_view name,
                                                    const std::vector<std::string_view>& params,
                                                    const ListParseContext& context) {
  if (context.word_length < 0 || context.word_length > ListValidity::kMaxLength) return nullptr;
  std::unique_ptr<PredefinedList> list = MakeList(keyword);
  if (list == nullptr) return nullptr;
  list->name_ = name;
  list->word_length_ = context.word_length;
  list->ParseParameters(params, context);
  if (!list->IsValid()) return nullptr;
  return list;
}

std::span<const std::string_view> PredefinedListKeywords() { return kKeywords; }

std::optional<int> LeadingNumber(std::string_view token) {
  size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  const size_t digits_start = i;
  long long value = 0;
  while (i < token.size() && token[i] >= '0' && token[i] <= '9') {
    value = std::min<long long>(value * 10 + (token[i] - '0'), PredefinedList::kMaxNumber);
    ++i;
  }
  if (i == digits_start) return std::nullopt;
  return static_cast<int>(negative ? -value : value);
}

std::optional<std::string> CatalogPath(std::string_view folder, std::string_view name) {
  if (name.empty() || name.front() == '/' || name.front() == '\\') return std::nullopt;
  std::string relative(name);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  // Drive letters and ".." parts would leave the folder.
  if (relative.find(':') != std::string::npos) return std::nullopt;
  size_t start = 0;
  while (start <= relative.size()) {
    size_t end = relative.find('/', start);
    if (end == std::string::npos) end = relative.size();
    if (relative.compare(start, end - start, "..") == 0) return std::nullopt;
    start = end + 1;
  }
  std::string path = std::string(folder) + relative;
  // A symbolic link inside the folder may still lead out of it.
  std::error_code error;
  const std::filesystem::path real_folder = std::filesystem::weakly_canonical(folder, error);
  if (error) return std::nullopt;
  const std::filesystem::path real_path = std::filesystem::weakly_canonical(path, error);
  if (error) return std::nullopt;
  auto inside = real_path.begin();
  for (const auto& part : real_folder) {
    if (part.empty()) continue;  // the trailing separator's empty name
    if (inside == real_path.end() || *inside != part) return std::nullopt;
    ++inside;
  }
  return path;
}

}  // namespace tavrune
