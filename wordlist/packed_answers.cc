#include "wordlist/packed_answers.h"

namespace tavrune {

void PackedAnswers::Clear() {
  text_.clear();
  ends_.clear();
  entry_offsets_.clear();
}

void PackedAnswers::Append(std::string_view answer) {
  text_.append(answer);
  ends_.push_back(text_.size());
}

std::string_view PackedAnswers::Answer(size_t index) const {
  if (index >= ends_.size()) return {};
  const size_t start = index == 0 ? 0 : ends_[index - 1];
  return std::string_view(text_).substr(start, ends_[index] - start);
}

}  // namespace tavrune
