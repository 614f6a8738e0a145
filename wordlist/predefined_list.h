#ifndef TAVRUNE_WORDLIST_PREDEFINED_LIST_H_
#define TAVRUNE_WORDLIST_PREDEFINED_LIST_H_

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lexicon.h"
#include "engine/lexicon_id.h"
#include "engine/word_collection.h"
#include "platform/user_prompt.h"
#include "wordlist/list_validity.h"

namespace tavrune {

class PredefinedList;

// The predefined list the user picked last, offered again next time.
struct PredefinedListChoice {
  std::string category;
  std::string subcategory;
  std::string list;
};

// What a catalogue entry line is read against: the category's word length
// (0: any length), the lexicon current while its file is read, and the lists
// already kept in the same subcategory (a vector of the subcategory, which
// lives as long as its lists do).
struct ListParseContext {
  int word_length = 0;
  LexiconId lexicon_id = LexiconId::kUKNA;
  // Null: nothing is known of the lexicon, so vowel and anagram-set lists of
  // a fixed length are not offered.
  const ListValidity* validity = nullptr;
  // The catalogue folder with its trailing separator, for word files.
  std::string folder;
  const std::vector<const PredefinedList*>* earlier_lists = nullptr;
};

// One ready-made study list of the catalogue: a list kind (the keyword of
// its line) with its parameters. Kinds differ in what they generate and in
// when their parameters make sense; an entry that does not is never kept.
class PredefinedList {
 public:
  // The longest parameter number taken at face value; larger ones are
  // clamped so that no arithmetic on them can overflow.
  static constexpr int kMaxNumber = 1'000'000;

  virtual ~PredefinedList() = default;
  PredefinedList(const PredefinedList&) = delete;
  PredefinedList& operator=(const PredefinedList&) = delete;

  // The anagram stem a new list takes for the Stem order: the list name for
  // a stem list, empty for every other kind.
  virtual std::string Stem() const { return {}; }
  // Inserts the list's words into `out` (which places them by its own sort
  // mode) from `lexicon`; returns the number added. Only word-file lists
  // talk to the user (a file that cannot be read).
  virtual int Generate(const Lexicon& lexicon, WordCollection& out, UserPrompt& prompt) const = 0;
  virtual bool IsValid() const = 0;

  const std::string& name() const { return name_; }
  std::string_view keyword() const { return keyword_; }
  int word_length() const { return word_length_; }

 protected:
  explicit PredefinedList(std::string_view keyword) : keyword_(keyword) {}

  // `params` are the tokens after the keyword.
  virtual void ParseParameters(const std::vector<std::string_view>& params,
                               const ListParseContext& context) = 0;

 private:
  friend std::unique_ptr<PredefinedList> ParsePredefinedList(
      std::string_view keyword, std::string_view name, const std::vector<std::string_view>& params,
      const ListParseContext& context);

  std::string_view keyword_;
  std::string name_;
  int word_length_ = 0;
};

// The list an entry line describes, or null when the keyword is unknown or
// the parameters make no valid list.
std::unique_ptr<PredefinedList> ParsePredefinedList(std::string_view keyword, std::string_view name,
                                                    const std::vector<std::string_view>& params,
                                                    const ListParseContext& context);

// The keywords of every list kind, in the order of their documentation.
std::span<const std::string_view> PredefinedListKeywords();

// The number at the start of a token ("12", "-3", "7Vowels"); none when the
// token does not start with one. Values beyond PredefinedList::kMaxNumber
// are clamped to it (and to its negative).
std::optional<int> LeadingNumber(std::string_view token);

// `folder` followed by a file name from a catalogue line, or none when the
// name could reach outside the folder (an absolute path, a ".." part, a
// symbolic link whose target lies outside) or is empty. Backslashes separate
// folders as slashes do.
std::optional<std::string> CatalogPath(std::string_view folder, std::string_view name);

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_PREDEFINED_LIST_H_
