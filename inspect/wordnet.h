#ifndef TAVRUNE_INSPECT_WORDNET_H_
#define TAVRUNE_INSPECT_WORDNET_H_

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrune {

enum class PartOfSpeech { kNoun, kVerb, kAdjective, kAdverb };

// "noun", "verb", "adjective", "adverb".
std::string_view PartOfSpeechName(PartOfSpeech part);

// The senses WordNet gives one base form in one part of speech.
struct WordNetEntry {
  std::string base;  // as WordNet spells it, in lower case
  PartOfSpeech part_of_speech = PartOfSpeech::kNoun;
  std::vector<std::string> glosses;  // one a sense, the most common first

  bool operator==(const WordNetEntry&) const = default;
};

// One sense as a line: "noun: GLOSS", or "noun, from BASE: GLOSS" when the
// sense belongs to a base form other than `word`.
std::string SenseText(std::string_view word, const WordNetEntry& entry, std::string_view gloss);

// The WordNet 3.0 database files (index.*, data.*, *.exc) in one folder,
// read where they lie: a look-up is a binary search in the sorted index
// and exception files and a seek into the data file per sense. The files
// are outside bytes: every line read is bounded, a search takes at most
// logarithmically many steps whatever the order of the lines, and the
// bytes one look-up may read are capped, so damaged files give fewer
// senses, never a crash or an endless search.
class WordNet {
 public:
  // TAVRUNE_WORDNET_DIR when set, else where Debian's wordnet-base puts it.
  static std::string DefaultFolder();

  explicit WordNet(std::string folder = DefaultFolder());
  ~WordNet();
  WordNet(const WordNet&) = delete;
  WordNet& operator=(const WordNet&) = delete;

  const std::string& folder() const { return folder_; }
  // False when no part of speech has both its index and data file.
  bool Available() const;

  // The senses of `word` (letters in either case), by part of speech and
  // base form: the word itself, then the forms its exception lists give,
  // then those the detachment rules give when it is neither an entry nor
  // an exception of that part of speech. Empty when WordNet has none.
  std::vector<WordNetEntry> Define(std::string_view word);

 private:
  class File;
  struct Part {
    std::unique_ptr<File> index;
    std::unique_ptr<File> data;
    std::unique_ptr<File> exceptions;
  };

  // The index lines of the base forms of a lower-case word in one part.
  std::vector<std::string> BaseFormLines(size_t part, const std::string& word);
  std::vector<std::string> Glosses(size_t part, std::string_view index_line);

  std::string folder_;
  uint64_t budget_ = 0;  // bytes the look-up under way may still read
  std::array<Part, 4> parts_;
};

}  // namespace tavrune

#endif  // TAVRUNE_INSPECT_WORDNET_H_
