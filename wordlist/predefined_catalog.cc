#include "wordlist/predefined_catalog.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <optional>
#include <utility>

#include "engine/file_io.h"
#include "engine/text_encoding.h"
#include "resources/string_table.h"

namespace tavrune {
namespace {

constexpr int kBuildingListText = 40020;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// The runs of non-blank characters of a line.
std::vector<std::string_view> Tokens(std::string_view line) {
  std::vector<std::string_view> tokens;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) tokens.push_back(line.substr(start, i - start));
  }
  return tokens;
}

bool IsComment(const std::vector<std::string_view>& tokens) {
  return !tokens.empty() && tokens[0].front() == '#';
}

// Reads lines of any length without holding more than the longest useful
// one: the rest of a longer line is passed over and the line marked.
class LineReader {
 public:
  explicit LineReader(std::streambuf& in) : buffer_(in) {}

  bool Next(std::string& line, bool& overlong) {
    line.clear();
    overlong = false;
    bool any = false;
    for (;;) {
      const int c = buffer_.sbumpc();
      if (c == std::char_traits<char>::eof()) return any;
      any = true;
      if (c == '\n') break;
      if (line.size() < static_cast<size_t>(PredefinedCatalog::kMaxLineLength)) {
        line += static_cast<char>(c);
      } else if (c != '\r') {
        overlong = true;
      }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (first_line_ && line.starts_with(kUtf8ByteOrderMark)) {
      line.erase(0, kUtf8ByteOrderMark.size());
    }
    first_line_ = false;
    return true;
  }

 private:
  std::streambuf& buffer_;
  bool first_line_ = true;
};

// Catalogue files are a few kilobytes; this is far beyond any.
constexpr uint64_t kMaxCatalogFileBytes = uint64_t{16} << 20;

// A catalogue file opened for reading, or nullopt once the failure is shown:
// a missing file as 40003, any other as 40004.
std::optional<FileInputBuffer> OpenCatalogFile(const std::string& path, UserPrompt& prompt) {
  InputFile file;
  if (const FileStatus opened = file.Open(path, true); !opened.ok()) {
    ShowFileError(prompt, opened.error() == ENOENT ? kProgramFileMissingText : kCannotOpenFileText,
                  path, opened);
    return std::nullopt;
  }
  return std::optional<FileInputBuffer>(std::in_place, std::move(file), kMaxCatalogFileBytes);
}

// After the last line: false, with 40004 shown, when reading failed.
bool ReadWhole(const FileInputBuffer& file, const std::string& path, UserPrompt& prompt) {
  if (file.status().ok()) return true;
  ShowFileError(prompt, kCannotOpenFileText, path, file.status());
  return false;
}

// One name for every way of writing the path of a file, so that an include
// loop is seen however the names are spelled.
std::string FileIdentity(const std::string& path) {
  std::error_code error;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
  if (error) canonical = std::filesystem::path(path).lexically_normal();
  return canonical.string();
}

WordCollection NameCollection() {
  WordCollection names(WordCollection::kSmallGrowthStep, WordCollection::kSmallBlockSize);
  names.SetSortMode(false, SortKey::kAlphabetical, false);
  return names;
}

}  // namespace

// --- CategoryNode ---

CategoryNode::CategoryNode(int word_length) : word_length_(word_length), names_(NameCollection()) {}

const CategoryNode* CategoryNode::Subcategory(int index) const {
  if (index < 0 || index >= static_cast<int>(subcategories_.size())) return nullptr;
  return subcategories_[index].get();
}

const CategoryNode* CategoryNode::FindSubcategory(std::string_view name) const {
  return Subcategory(names_.Find(name));
}

const PredefinedList* CategoryNode::List(int index) const {
  if (index < 0 || index >= static_cast<int>(lists_.size())) return nullptr;
  return lists_[index].get();
}

const PredefinedList* CategoryNode::FindList(std::string_view name) const {
  return List(names_.Find(name));
}

CategoryNode* CategoryNode::AddSubcategory(std::string_view name) {
  if (!lists_.empty() || !names_.Append(name)) return nullptr;
  subcategories_.push_back(std::make_unique<CategoryNode>(word_length_));
  return subcategories_.back().get();
}

bool CategoryNode::AddList(std::unique_ptr<PredefinedList> list) {
  if (list == nullptr || !subcategories_.empty() || !names_.Append(list->name())) return false;
  list_views_.push_back(list.get());
  lists_.push_back(std::move(list));
  return true;
}

// --- Reading a category file ---

// A file a category read depended on, as it was then; a read is shared only
// while every file it depended on is unchanged.
struct PredefinedCatalog::FileStamp {
  std::string identity;
  uintmax_t size = 0;
  std::filesystem::file_time_type time;

  static FileStamp Of(std::string identity) {
    FileStamp stamp;
    stamp.identity = std::move(identity);
    std::error_code error;
    stamp.size = std::filesystem::file_size(stamp.identity, error);
    stamp.time = std::filesystem::last_write_time(stamp.identity, error);
    return stamp;
  }
  bool StillCurrent() const {
    const FileStamp now = Of(identity);
    return now.size == size && now.time == time;
  }
};

struct PredefinedCatalog::CategoryRead {
  std::unique_ptr<CategoryNode> node;
  std::vector<FileStamp> files;  // the category file first
  int lines = 0;                 // taken from the catalogue's line budget
  bool cut = false;              // something was skipped for the limits
};

// Reads one category file and the files it includes into a node, taking at
// most `line_allowance` lines in all. Includes can multiply (a file that
// includes the next one six times, eight deep), so each included file is
// read once and its lines are taken from memory, and every line taken,
// however often, counts against the allowance.
class PredefinedCatalog::CategoryReader {
 public:
  CategoryReader(PredefinedCatalog& catalog, int line_allowance)
      : catalog_(catalog), allowance_(line_allowance) {}

  std::unique_ptr<CategoryRead> Read(const std::string& path) {
    std::optional<FileInputBuffer> file = OpenCatalogFile(path, catalog_.prompt_);
    if (!file) return nullptr;
    read_ = std::make_unique<CategoryRead>();
    const std::string identity = FileIdentity(path);
    read_->files.push_back(FileStamp::Of(identity));
    open_files_.push_back(identity);
    LineReader reader(*file);
    std::string line;
    bool overlong = false;

    // Comments, then the word length of the whole category. Without a
    // length from 0 to 15 no list of the file can be read as meant, so the
    // category stays empty.
    std::optional<int> length;
    while (reader.Next(line, overlong) && TakeLine()) {
      const std::vector<std::string_view> tokens = Tokens(line);
      if (!overlong && (tokens.empty() || IsComment(tokens))) continue;
      if (!overlong) length = LeadingNumber(tokens[0]);
      break;
    }
    if (!length || *length < 0 || *length > ListValidity::kMaxLength) {
      read_->node = std::make_unique<CategoryNode>(0);
      return Finish(*file, path);
    }
    read_->node = std::make_unique<CategoryNode>(*length);
    CategoryNode& category = *read_->node;

    // Subcategory lines, each followed by its indented entry lines. A null
    // subcategory (a bad header line, or one past the limit) has its
    // entries skipped.
    CategoryNode* subcategory = nullptr;
    bool in_entries = false;
    while (reader.Next(line, overlong) && TakeLine()) {
      if (in_entries) {
        if (!line.empty() && (line[0] == ' ' || line[0] == '\t')) {
          if (subcategory != nullptr && !overlong) ReadEntry(line, *subcategory, 0);
          continue;
        }
        if (!line.empty() && line[0] == '#') continue;
        in_entries = false;
      }
      const std::vector<std::string_view> tokens = Tokens(line);
      if (!overlong && (tokens.empty() || IsComment(tokens))) continue;
      in_entries = true;
      subcategory = nullptr;
      if (overlong) continue;
      if (category.Count() >= kMaxSubcategories) {
        read_->cut = true;
        continue;
      }
      subcategory = category.AddSubcategory(tokens[0]);
    }
    return Finish(*file, path);
  }

 private:
  // A file included by name: where it is, what it holds, or nothing when
  // it cannot be used (reported the first time).
  struct Included {
    std::string identity;
    std::vector<std::string> lines;  // an overlong line is kept empty
  };

  // The read, or null (40004 shown) when the file failed to read.
  std::unique_ptr<CategoryRead> Finish(const FileInputBuffer& file, const std::string& path) {
    if (!ReadWhole(file, path, catalog_.prompt_)) return nullptr;
    read_->lines = lines_;
    return std::move(read_);
  }

  // Counts a line against the allowance; false once it is spent.
  bool TakeLine() {
    if (lines_ >= allowance_) {
      read_->cut = true;
      return false;
    }
    ++lines_;
    return true;
  }

  // One entry line of a subcategory; `depth` counts the includes around it.
  void ReadEntry(std::string_view line, CategoryNode& subcategory, int depth) {
    if (list_count_ >= kMaxLists) {
      read_->cut = true;
      return;
    }
    const std::vector<std::string_view> tokens = Tokens(line);
    if (tokens.size() < 2 || IsComment(tokens)) return;
    if (tokens[0] == kIncludeKeyword) {
      Include(tokens[1], subcategory, depth + 1);
      return;
    }
    const std::string_view keyword = tokens[1];
    ListParseContext context;
    context.word_length = subcategory.word_length();
    context.lexicon_id = catalog_.lexicon_id_;
    if (keyword == "NVW" || keyword == "NAG") context.validity = catalog_.CurrentValidity();
    context.folder = catalog_.folder_;
    context.earlier_lists = &subcategory.Lists();
    const std::vector<std::string_view> params(tokens.begin() + 2, tokens.end());
    if (subcategory.AddList(ParsePredefinedList(keyword, tokens[0], params, context))) {
      ++list_count_;
    }
  }

  // The entry lines of another file, as entries of the same subcategory.
  // Too deep a nesting and a file that is already being read are cut.
  void Include(std::string_view name, CategoryNode& subcategory, int depth) {
    if (depth > kMaxIncludeDepth) return;
    const Included* included = Find(name);
    if (included == nullptr) return;
    if (std::find(open_files_.begin(), open_files_.end(), included->identity) !=
        open_files_.end()) {
      return;
    }
    open_files_.push_back(included->identity);
    for (const std::string& line : included->lines) {
      if (!TakeLine()) break;
      ReadEntry(line, subcategory, depth);
    }
    open_files_.pop_back();
  }

  // The included file of that name, read on first use; null when it cannot
  // be used.
  const Included* Find(std::string_view name) {
    const std::string key(name);
    const auto known = included_.find(key);
    if (known != included_.end()) return known->second.get();
    std::unique_ptr<Included>& entry = included_[key];
    const std::optional<std::string> path = CatalogPath(catalog_.folder_, name);
    if (!path) return nullptr;
    std::optional<FileInputBuffer> file = OpenCatalogFile(*path, catalog_.prompt_);
    if (!file) return nullptr;
    auto included = std::make_unique<Included>();
    // Lines past what is left of the allowance could never be taken.
    LineReader reader(*file);
    std::string line;
    bool overlong = false;
    while (static_cast<int>(included->lines.size()) < allowance_ - lines_ &&
           reader.Next(line, overlong)) {
      included->lines.push_back(overlong ? std::string() : line);
    }
    if (!ReadWhole(*file, *path, catalog_.prompt_)) return nullptr;
    included->identity = FileIdentity(*path);
    read_->files.push_back(FileStamp::Of(included->identity));
    entry = std::move(included);
    return entry.get();
  }

  PredefinedCatalog& catalog_;
  const int allowance_;
  int lines_ = 0;
  int list_count_ = 0;
  std::unique_ptr<CategoryRead> read_;
  // The files being read, outermost first.
  std::vector<std::string> open_files_;
  // Included files by the name they were included by; null: unusable.
  std::map<std::string, std::unique_ptr<Included>> included_;
};

// --- PredefinedCatalog ---

PredefinedCatalog::PredefinedCatalog(UserPrompt& prompt)
    : prompt_(prompt),
      category_names_(NameCollection()),
      category_files_(NameCollection()),
      shown_categories_(NameCollection()) {
  recent_.fill(-1);
}

PredefinedCatalog::~PredefinedCatalog() = default;

void PredefinedCatalog::SetLexicon(LexiconId id, const Lexicon* lexicon) {
  if (id == lexicon_id_ && lexicon == lexicon_) return;
  lexicon_id_ = id;
  lexicon_ = lexicon;
  for (auto& category : categories_) category.reset();
  UpdateShownCategories();
}

void PredefinedCatalog::Clear() {
  category_names_.Clear();
  category_files_.Clear();
  lexicon_flags_.clear();
  categories_.clear();
  lines_charged_.clear();
  lines_charged_total_ = 0;
  limits_reached_ = false;
  shown_categories_.Clear();
  recent_.fill(-1);
}

bool PredefinedCatalog::Load(std::string_view program_folder) {
  Clear();
  folder_ = std::string(program_folder) + std::string(kFolderName) + "/";
  const std::string path = folder_ + std::string(kMasterFile);
  std::optional<FileInputBuffer> file = OpenCatalogFile(path, prompt_);
  if (!file) return false;
  LineReader reader(*file);
  std::string line;
  bool overlong = false;
  while (reader.Next(line, overlong)) {
    if (overlong) continue;
    const std::vector<std::string_view> tokens = Tokens(line);
    if (tokens.size() < 3 || IsComment(tokens)) continue;
    if (!CatalogPath(folder_, tokens[1])) continue;
    if (category_names_.Count() >= kMaxCategories) {
      limits_reached_ = true;
      break;
    }
    category_names_.Append(tokens[0]);
    category_files_.Append(tokens[1]);
    lexicon_flags_ += tokens[2].front();
  }
  if (!ReadWhole(*file, path, prompt_)) {
    Clear();
    return false;
  }
  categories_.resize(static_cast<size_t>(category_names_.Count()));
  lines_charged_.assign(categories_.size(), 0);
  UpdateShownCategories();
  return true;
}

char PredefinedCatalog::LexiconFlag(int index) const {
  if (index < 0 || index >= static_cast<int>(lexicon_flags_.size())) return '\0';
  return lexicon_flags_[static_cast<size_t>(index)];
}

bool PredefinedCatalog::IsShown(char flag, LexiconId id) {
  switch (id) {
    case LexiconId::kUK:
      return flag == 'B' || flag == 'D';
    case LexiconId::kNA:
      return flag == 'A' || flag == 'D';
    default:
      return true;
  }
}

void PredefinedCatalog::UpdateShownCategories() {
  shown_categories_.Clear();
  for (int i = 0; i < category_names_.Count(); ++i) {
    if (IsShown(LexiconFlag(i), lexicon_id_)) shown_categories_.Append(category_names_.Word(i));
  }
}

int PredefinedCatalog::FindCategory(std::string_view name) const {
  return category_names_.Find(name);
}

bool PredefinedCatalog::IsLoaded(int index) const {
  return index >= 0 && index < static_cast<int>(categories_.size()) &&
         categories_[static_cast<size_t>(index)] != nullptr;
}

void PredefinedCatalog::MarkRecent(int index) {
  auto place = std::find(recent_.begin(), recent_.end(), index);
  if (place == recent_.end()) place = recent_.end() - 1;
  std::move_backward(recent_.begin(), place, place + 1);
  recent_[0] = index;
}

const CategoryNode* PredefinedCatalog::GetCategory(std::string_view name) {
  const int index = FindCategory(name);
  if (index < 0) return nullptr;
  MarkRecent(index);
  auto& category = categories_[static_cast<size_t>(index)];
  if (category == nullptr) category = ReadCategory(index);
  return category == nullptr ? nullptr : category->node.get();
}

// Categories that name the same file share one read of it while the files
// it depended on are unchanged. Every category is charged the lines of its
// read, shared or not, so that what all of them hold together stays within
// the budget; choosing a category again replaces its earlier charge.
std::shared_ptr<const PredefinedCatalog::CategoryRead> PredefinedCatalog::ReadCategory(int index) {
  const std::optional<std::string> path = CatalogPath(folder_, category_files_.Word(index));
  if (!path) return nullptr;
  int& charged = lines_charged_[static_cast<size_t>(index)];
  const int allowance = kMaxLinesRead - (lines_charged_total_ - charged);
  const std::string identity = FileIdentity(*path);
  std::shared_ptr<const CategoryRead> read;
  for (const auto& other : categories_) {
    if (other != nullptr && other->files.front().identity == identity &&
        other->lines <= allowance &&
        std::all_of(other->files.begin(), other->files.end(),
                    [](const FileStamp& file) { return file.StillCurrent(); })) {
      read = other;
      break;
    }
  }
  if (read == nullptr) read = CategoryReader(*this, allowance).Read(*path);
  if (read == nullptr) return nullptr;
  lines_charged_total_ += read->lines - charged;
  charged = read->lines;
  if (read->cut) limits_reached_ = true;
  return read;
}

void PredefinedCatalog::UnloadUnusedCategories() {
  for (size_t i = 0; i < categories_.size(); ++i) {
    if (std::find(recent_.begin(), recent_.end(), static_cast<int>(i)) == recent_.end()) {
      categories_[i].reset();
    }
  }
}

const PredefinedList* PredefinedCatalog::FindList(std::string_view category,
                                                  std::string_view subcategory,
                                                  std::string_view list) {
  const CategoryNode* node = GetCategory(category);
  if (node == nullptr) return nullptr;
  const CategoryNode* sub = node->FindSubcategory(subcategory);
  return sub == nullptr ? nullptr : sub->FindList(list);
}

std::string PredefinedCatalog::Description(std::string_view category, std::string_view subcategory,
                                           std::string_view list) {
  std::string description(category);
  description += '.';
  description += subcategory;
  description += '.';
  description += list;
  return description;
}

std::optional<PredefinedListWords> PredefinedCatalog::BuildList(std::string_view category,
                                                                std::string_view subcategory,
                                                                std::string_view list) {
  const PredefinedList* chosen = FindList(category, subcategory, list);
  if (chosen == nullptr) return std::nullopt;
  UnloadUnusedCategories();
  PredefinedListWords result;
  result.words.SetSortMode(false, SortKey::kAlphabetical, false);
  result.description = Description(category, subcategory, list);
  result.stem = chosen->Stem();
  if (lexicon_ != nullptr) {
    WaitCursor wait(prompt_);
    prompt_.SetStatusText(kBuildingListText);
    chosen->Generate(*lexicon_, result.words, prompt_);
    prompt_.SetStatusText(kIdleText);
  }
  return result;
}

const ListValidity* PredefinedCatalog::CurrentValidity() {
  if (lexicon_ == nullptr) return nullptr;
  std::optional<CachedValidity>& cached = validity_cache_[static_cast<size_t>(Index(lexicon_id_))];
  if (!cached || cached->lexicon != lexicon_ || cached->edge_count != lexicon_->EdgeCount()) {
    cached = CachedValidity{lexicon_, lexicon_->EdgeCount(), ListValidity::FromLexicon(*lexicon_)};
  }
  return &cached->table;
}

}  // namespace tavrune
