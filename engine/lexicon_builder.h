#ifndef TAVRUNE_ENGINE_LEXICON_BUILDER_H_
#define TAVRUNE_ENGINE_LEXICON_BUILDER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_io.h"

namespace tavrune {

// Compiles a word list into a lexicon file: a minimal word graph (equal
// suffix lists are stored once) with alphabetical sibling lists, so a walk
// meets the words in alphabetical order.
class LexiconBuilder {
 public:
  static constexpr size_t kMaxWordLength = 15;
  static constexpr size_t kMaxNameLength = 31;
  static constexpr size_t kMaxDescriptionLength = 19;

  // Longer texts are cut to what the header holds.
  void SetName(std::string_view name);
  void SetDescription(std::string_view description);

  // Upper-cases the word and keeps it when it is 1 to 15 letters A-Z;
  // otherwise counts it as rejected and returns false. Duplicates are kept
  // only once.
  bool AddWord(std::string_view word);

  size_t RejectedCount() const { return rejected_; }

  // The complete file. Also reports how many distinct words it holds.
  std::vector<uint8_t> Build(size_t* word_count = nullptr) const;
  // Writes the file with WriteFileAtomically, so an old file survives a
  // failed write.
  FileStatus WriteFile(const std::string& path, size_t* word_count = nullptr) const;

 private:
  std::string name_;
  std::string description_;
  std::vector<std::string> words_;
  size_t rejected_ = 0;
};

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_LEXICON_BUILDER_H_
