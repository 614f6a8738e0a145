#include "inspect/wordnet.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace tavrune {
namespace {

// WordNet 3.0's longest line has under 13,000 bytes.
constexpr size_t kMaxLine = 32 * 1024;
// Index lines are short: most searches read one chunk a step.
constexpr size_t kChunk = 256;
// What one look-up may read; a real one reads a few tens of kilobytes.
constexpr uint64_t kLookUpBudget = uint64_t{4} << 20;
// No word has more than 59 senses in one part of speech.
constexpr size_t kMaxSenses = 128;
constexpr size_t kMaxExceptionBases = 8;

struct PartFiles {
  PartOfSpeech part;
  const char* suffix;             // index.SUFFIX, data.SUFFIX, SUFFIX.exc
  std::string_view synset_types;  // the data file's types of this part
};

constexpr std::array<PartFiles, 4> kParts = {{
    {PartOfSpeech::kNoun, "noun", "n"},
    {PartOfSpeech::kVerb, "verb", "v"},
    {PartOfSpeech::kAdjective, "adj", "as"},  // 's' is a satellite adjective
    {PartOfSpeech::kAdverb, "adv", "r"},
}};

// WordNet's detachment rules: an inflected ending and what replaces it.
struct Detachment {
  std::string_view ending;
  std::string_view base_ending;
};
constexpr Detachment kNounRules[] = {{"s", ""},      {"ses", "s"},   {"xes", "x"},   {"zes", "z"},
                                     {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}};
constexpr Detachment kVerbRules[] = {{"s", ""},   {"ies", "y"}, {"es", "e"},  {"es", ""},
                                     {"ed", "e"}, {"ed", ""},   {"ing", "e"}, {"ing", ""}};
constexpr Detachment kAdjectiveRules[] = {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}};

std::span<const Detachment> RulesOf(PartOfSpeech part) {
  switch (part) {
    case PartOfSpeech::kNoun:
      return kNounRules;
    case PartOfSpeech::kVerb:
      return kVerbRules;
    case PartOfSpeech::kAdjective:
      return kAdjectiveRules;
    case PartOfSpeech::kAdverb:
      break;
  }
  return {};
}

// A rule that leaves less than this is no inflection (IS is not I).
constexpr size_t kShortestBase = 2;

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (start < line.size()) {
    const size_t end = std::min(line.find(' ', start), line.size());
    if (end > start) fields.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

std::optional<uint64_t> Number(std::string_view text) {
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace

// One text file read by offset, never as a whole.
class WordNet::File {
 public:
  File(const std::string& path, uint64_t& budget) : budget_(budget) {
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (file_ == nullptr) return;
    // Reads are small and scattered: the stream's buffer would only copy.
    std::setvbuf(file_.get(), nullptr, _IONBF, 0);
    const long size = std::fseek(file_.get(), 0, SEEK_END) == 0 ? std::ftell(file_.get()) : -1;
    if (size < 0) {
      file_.reset();
    } else {
      size_ = static_cast<uint64_t>(size);
    }
  }

  bool IsOpen() const { return file_ != nullptr; }

  // The line whose first field is `key`, in a file whose lines are sorted
  // by their bytes. Each step halves the span still open, so a file out of
  // order costs no more than a sorted one; it just may not find the line.
  std::optional<std::string> Find(std::string_view key) {
    uint64_t low = 0;
    uint64_t high = size_;
    while (low < high) {
      const uint64_t middle = low + (high - low) / 2;
      std::optional<Line> line = LineFrom(middle, /*whole=*/false);
      if (!line || line->start >= high) {
        high = middle;
        continue;
      }
      const std::string_view text(line->text);
      const int order = text.substr(0, text.find(' ')).compare(key);
      if (order == 0) return std::move(line->text);
      if (order < 0) {
        low = line->start + text.size() + 1;
      } else {
        high = middle;
      }
    }
    return std::nullopt;
  }

  // The line that starts at `offset`, without its line break.
  std::optional<std::string> LineAt(uint64_t offset) {
    std::optional<Line> line = LineFrom(offset, /*whole=*/true);
    if (!line) return std::nullopt;
    return std::move(line->text);
  }

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  struct Line {
    uint64_t start;
    std::string text;
  };

  // With `whole`, the line that starts at `offset`; else the first line
  // that starts at or after it, found in the same reads. Nothing past the
  // end, for a line longer than kMaxLine, or once the budget is spent.
  std::optional<Line> LineFrom(uint64_t offset, bool whole) {
    if (!IsOpen() || offset >= size_) return std::nullopt;
    // A line starts at `offset` when the byte before it ends a line.
    const uint64_t from = whole || offset == 0 ? offset : offset - 1;
    if (std::fseek(file_.get(), static_cast<long>(from), SEEK_SET) != 0) return std::nullopt;
    std::string bytes;
    size_t start = whole || offset == 0 ? 0 : std::string::npos;
    char chunk[kChunk];
    while (budget_ >= kChunk) {
      budget_ -= kChunk;
      const size_t read = std::fread(chunk, 1, kChunk, file_.get());
      const size_t scanned = bytes.size();
      bytes.append(chunk, read);
      if (start == std::string::npos) {
        const size_t end = bytes.find('\n', scanned);
        if (end != std::string::npos) start = end + 1;
      }
      size_t length = bytes.size();  // of the line, or of the bytes before it
      if (start != std::string::npos) {
        const size_t end = bytes.find('\n', std::max(start, scanned));
        length = std::min(end, bytes.size()) - start;
        if (length > kMaxLine) break;
        if (end != std::string::npos || (read < kChunk && length > 0)) {
          return Line{from + start, bytes.substr(start, length)};
        }
      }
      if (read < kChunk || length > kMaxLine) break;
    }
    return std::nullopt;
  }

  std::unique_ptr<std::FILE, Closer> file_;
  uint64_t size_ = 0;
  uint64_t& budget_;
};

std::string_view PartOfSpeechName(PartOfSpeech part) {
  switch (part) {
    case PartOfSpeech::kNoun:
      return "noun";
    case PartOfSpeech::kVerb:
      return "verb";
    case PartOfSpeech::kAdjective:
      return "adjective";
    case PartOfSpeech::kAdverb:
      return "adverb";
  }
  return "";
}

std::string SenseText(std::string_view word, const WordNetEntry& entry, std::string_view gloss) {
  std::string text(PartOfSpeechName(entry.part_of_speech));
  if (LowerCase(word) != entry.base) text += ", from " + entry.base;
  text += ": ";
  text += gloss;
  return text;
}

std::string WordNet::DefaultFolder() {
  const char* folder = std::getenv("TAVRUNE_WORDNET_DIR");
  return folder != nullptr && *folder != '\0' ? folder : "/usr/share/wordnet";
}

WordNet::WordNet(std::string folder) : folder_(std::move(folder)) {
  for (size_t i = 0; i < kParts.size(); ++i) {
    const std::string suffix = kParts[i].suffix;
    parts_[i].index = std::make_unique<File>(folder_ + "/index." + suffix, budget_);
    parts_[i].data = std::make_unique<File>(folder_ + "/data." + suffix, budget_);
    parts_[i].exceptions = std::make_unique<File>(folder_ + "/" + suffix + ".exc", budget_);
  }
}

WordNet::~WordNet() = default;

bool WordNet::Available() const {
  return std::any_of(parts_.begin(), parts_.end(),
                     [](const Part& p) { return p.index->IsOpen() && p.data->IsOpen(); });
}

std::vector<std::string> WordNet::BaseFormLines(size_t part_index, const std::string& word) {
  Part& part = parts_[part_index];
  std::vector<std::string> lines;
  const auto add = [&](std::optional<std::string> line) {
    if (line && std::find(lines.begin(), lines.end(), *line) == lines.end()) {
      lines.push_back(std::move(*line));
    }
  };
  std::optional<std::string> entry = part.index->Find(word);
  const bool is_entry = entry.has_value();
  add(std::move(entry));
  const std::optional<std::string> exception = part.exceptions->Find(word);
  if (exception) {
    const std::vector<std::string_view> fields = Fields(*exception);
    for (size_t i = 1; i < fields.size() && i <= kMaxExceptionBases; ++i) {
      add(part.index->Find(fields[i]));
    }
  }
  if (is_entry || exception) return lines;
  for (const Detachment& rule : RulesOf(kParts[part_index].part)) {
    if (!word.ends_with(rule.ending)) continue;
    std::string base = word.substr(0, word.size() - rule.ending.size());
    if (base.size() < kShortestBase) continue;
    base += rule.base_ending;
    add(part.index->Find(base));
  }
  return lines;
}

std::vector<std::string> WordNet::Glosses(size_t part_index, std::string_view index_line) {
  // lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt offsets...
  const std::vector<std::string_view> fields = Fields(index_line);
  std::vector<std::string> glosses;
  if (fields.size() < 4) return glosses;
  const std::optional<uint64_t> synsets = Number(fields[2]);
  const std::optional<uint64_t> pointers = Number(fields[3]);
  if (!synsets || !pointers || *pointers > fields.size()) return glosses;
  const size_t first = 4 + static_cast<size_t>(*pointers) + 2;
  const size_t count = std::min<uint64_t>(*synsets, kMaxSenses);
  if (first > fields.size() || fields.size() - first < count) return glosses;
  const std::string_view types = kParts[part_index].synset_types;
  for (size_t i = first; i < first + count; ++i) {
    const std::optional<uint64_t> offset = Number(fields[i]);
    if (!offset) continue;
    // offset lex_filenum ss_type w_cnt word lex_id ... | gloss
    const std::optional<std::string> line = parts_[part_index].data->LineAt(*offset);
    if (!line) continue;
    const std::vector<std::string_view> head = Fields(std::string_view(*line).substr(0, 64));
    if (head.size() < 3 || Number(head[0]) != offset || head[2].size() != 1 ||
        types.find(head[2][0]) == std::string_view::npos) {
      continue;
    }
    const size_t bar = line->find(" | ");
    if (bar == std::string::npos) continue;
    std::string_view gloss = std::string_view(*line).substr(bar + 3);
    while (!gloss.empty() && (gloss.back() == ' ' || gloss.back() == '\r')) gloss.remove_suffix(1);
    if (!gloss.empty()) glosses.emplace_back(gloss);
  }
  return glosses;
}

std::vector<WordNetEntry> WordNet::Define(std::string_view word) {
  std::vector<WordNetEntry> entries;
  const std::string lower = LowerCase(word);
  if (lower.empty() ||
      !std::all_of(lower.begin(), lower.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
    return entries;
  }
  budget_ = kLookUpBudget;
  for (size_t i = 0; i < kParts.size(); ++i) {
    if (!parts_[i].index->IsOpen() || !parts_[i].data->IsOpen()) continue;
    for (const std::string& line : BaseFormLines(i, lower)) {
      std::vector<std::string> glosses = Glosses(i, line);
      if (glosses.empty()) continue;
      entries.push_back({line.substr(0, line.find(' ')), kParts[i].part, std::move(glosses)});
    }
  }
  return entries;
}

}  // namespace tavrune
