#ifndef TAVRUNE_WORDLIST_PREDEFINED_CATALOG_H_
#define TAVRUNE_WORDLIST_PREDEFINED_CATALOG_H_

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lexicon.h"
#include "engine/lexicon_id.h"
#include "engine/word_collection.h"
#include "platform/user_prompt.h"
#include "wordlist/list_validity.h"
#include "wordlist/predefined_list.h"

namespace tavrune {

// A category of the catalogue, or one of its subcategories: the word length
// of the category file and, in file order, the names of its subcategories
// (in a category) or of its lists (in a subcategory) with the objects.
class CategoryNode {
 public:
  explicit CategoryNode(int word_length);
  CategoryNode(const CategoryNode&) = delete;
  CategoryNode& operator=(const CategoryNode&) = delete;

  int word_length() const { return word_length_; }
  // Subcategory names or list names, in file order.
  const WordCollection& names() const { return names_; }
  int Count() const { return names_.Count(); }

  // In a category: its subcategories. Null out of range or by an unknown
  // name; the first of equal names is found.
  const CategoryNode* Subcategory(int index) const;
  const CategoryNode* FindSubcategory(std::string_view name) const;
  // In a subcategory: its lists.
  const PredefinedList* List(int index) const;
  const PredefinedList* FindList(std::string_view name) const;
  const std::vector<const PredefinedList*>& Lists() const { return list_views_; }

  // Null when the node holds as many names as a collection can.
  CategoryNode* AddSubcategory(std::string_view name);
  bool AddList(std::unique_ptr<PredefinedList> list);

 private:
  int word_length_;
  WordCollection names_;
  std::vector<std::unique_ptr<CategoryNode>> subcategories_;
  std::vector<std::unique_ptr<PredefinedList>> lists_;
  std::vector<const PredefinedList*> list_views_;
};

// The words a chosen predefined list gave, with what a new list takes from
// the choice.
struct PredefinedListWords {
  WordCollection words;     // in the order the list generated them
  std::string description;  // "Category.Subcategory.List"
  std::string stem;         // empty except for a stem list
};

// The catalogue of predefined lists: "Master.txt" in the PgmLists folder
// names the categories, each category file its subcategories and lists.
// Category files are read when first chosen, against the lexicon current at
// that moment, and only the three most recently chosen stay loaded once a
// choice is made. Catalogue files are outside text: over-long lines, bad
// numbers, unknown keywords and include loops are skipped, missing or
// unreadable files are reported through the prompt, and what passes the
// limits below (far beyond any real catalogue) is skipped and noted by
// LimitsReached.
class PredefinedCatalog {
 public:
  static constexpr std::string_view kFolderName = "PgmLists";
  static constexpr std::string_view kMasterFile = "Master.txt";
  static constexpr std::string_view kIncludeKeyword = "\\INC";
  static constexpr int kRecentCount = 3;
  // Longer lines are skipped whole, as they cannot be what they seem.
  static constexpr int kMaxLineLength = 255;
  // Includes within includes, counted from the category file.
  static constexpr int kMaxIncludeDepth = 8;
  // Categories of Master.txt; subcategories and lists of one category.
  static constexpr int kMaxCategories = 1000;
  static constexpr int kMaxSubcategories = 1000;
  static constexpr int kMaxLists = 10000;
  // Lines the categories read since Load may take in all, each included
  // line counted every time it is included.
  static constexpr int kMaxLinesRead = 50000;

  explicit PredefinedCatalog(UserPrompt& prompt);
  PredefinedCatalog(const PredefinedCatalog&) = delete;
  PredefinedCatalog& operator=(const PredefinedCatalog&) = delete;
  ~PredefinedCatalog();

  // The lexicon lists are read against and generated from; it is borrowed.
  // A change drops the loaded categories, which were read for the old one.
  void SetLexicon(LexiconId id, const Lexicon* lexicon);
  LexiconId lexicon_id() const { return lexicon_id_; }
  const Lexicon* lexicon() const { return lexicon_; }

  // Forgets everything, then reads "Master.txt" from the PgmLists folder of
  // `program_folder` (which ends with a separator). A missing file gives
  // 40003, an unreadable one 40004, and an empty catalogue with false.
  bool Load(std::string_view program_folder);
  void Clear();

  // The PgmLists folder with its trailing separator.
  const std::string& folder() const { return folder_; }
  int CategoryCount() const { return category_names_.Count(); }
  const WordCollection& CategoryNames() const { return category_names_; }
  const WordCollection& CategoryFiles() const { return category_files_; }
  // Whether anything was skipped for passing the limits since Load.
  bool LimitsReached() const { return limits_reached_; }
  // One flag character per category; '\0' out of range.
  char LexiconFlag(int index) const;

  // The category names offered for the current lexicon, in file order.
  const WordCollection& ShownCategories() const { return shown_categories_; }
  // 'B' and 'D' show for the British list, 'A' and 'D' for the North
  // American one, and every flag for the others.
  static bool IsShown(char flag, LexiconId id);

  // The index of the first category of that exact name; -1 when none.
  int FindCategory(std::string_view name) const;
  // The category chosen by name: it becomes the most recent, and its file
  // is read unless it is loaded. Null for an unknown name or a file that
  // cannot be read (reported).
  const CategoryNode* GetCategory(std::string_view name);
  bool IsLoaded(int index) const;
  // Indexes of the most recently chosen categories, most recent first; -1
  // for an empty place.
  const std::array<int, kRecentCount>& RecentCategories() const { return recent_; }
  // Drops every loaded category that is not among the recent ones. Nodes
  // and lists of the dropped categories must no longer be used.
  void UnloadUnusedCategories();

  // The list chosen by its three names (its category becomes the most
  // recent); null when any name is unknown.
  const PredefinedList* FindList(std::string_view category, std::string_view subcategory,
                                 std::string_view list);

  // "category.subcategory.list", the description a new list takes.
  static std::string Description(std::string_view category, std::string_view subcategory,
                                 std::string_view list);

  // What the predefined-list commands do once the dialog closed with OK:
  // unloads the unused categories, then, with the status text "Building
  // list ..." and the wait cursor, generates the chosen list from the
  // current lexicon. None when the names choose no list.
  std::optional<PredefinedListWords> BuildList(std::string_view category,
                                               std::string_view subcategory, std::string_view list);

  // The vowel and anagram-set tables of the current lexicon, computed on
  // first need and kept per lexicon; null when no lexicon is set.
  const ListValidity* CurrentValidity();

 private:
  class CategoryReader;
  struct CategoryRead;
  struct FileStamp;

  struct CachedValidity {
    const Lexicon* lexicon = nullptr;
    uint32_t edge_count = 0;
    ListValidity table;
  };

  void UpdateShownCategories();
  void MarkRecent(int index);
  std::shared_ptr<const CategoryRead> ReadCategory(int index);

  UserPrompt& prompt_;
  LexiconId lexicon_id_ = LexiconId::kUKNA;
  const Lexicon* lexicon_ = nullptr;
  std::string folder_;
  WordCollection category_names_;
  WordCollection category_files_;
  std::string lexicon_flags_;
  // Loaded categories; those naming one file may share one read.
  std::vector<std::shared_ptr<const CategoryRead>> categories_;
  std::vector<int> lines_charged_;  // per category
  int lines_charged_total_ = 0;
  bool limits_reached_ = false;
  WordCollection shown_categories_;
  std::array<int, kRecentCount> recent_;
  std::array<std::optional<CachedValidity>, kLexiconCount> validity_cache_;
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_PREDEFINED_CATALOG_H_
