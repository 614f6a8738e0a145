#ifndef TAVRUNE_WORDLIST_PACKED_ANSWERS_H_
#define TAVRUNE_WORDLIST_PACKED_ANSWERS_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrune {

// Answers kept as one text with the end of every answer, and optionally the
// place where each entry's answers begin. Answers of a whole list (or the
// many thousands a long Build rack gives) then cost a few growing buffers
// rather than a string each, and are not held to a collection's 64,000 words.
class PackedAnswers {
 public:
  void Clear();
  // Adds an answer after the last one.
  void Append(std::string_view answer);
  // Records that the answers appended from now on belong to the next entry.
  // Marked before the first entry and after each, the answers of entry i
  // are Answer(EntryOffsets()[i]) up to Answer(EntryOffsets()[i + 1]).
  void MarkEntry() { entry_offsets_.push_back(ends_.size()); }

  size_t AnswerCount() const { return ends_.size(); }
  bool IsEmpty() const { return ends_.empty(); }
  // Empty for an index out of range.
  std::string_view Answer(size_t index) const;
  const std::vector<size_t>& EntryOffsets() const { return entry_offsets_; }

 private:
  std::string text_;
  std::vector<size_t> ends_;
  std::vector<size_t> entry_offsets_;
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_PACKED_ANSWERS_H_
