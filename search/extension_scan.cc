#include "search/extension_scan.h"

#include <algorithm>

#include "search/conditions.h"

namespace tavrune {

ExtensionScan::ExtensionScan(int front, int end, const WordCollection& source,
                             WordCollection& result, bool matching)
    : front_(std::max(front, 0)),
      end_(std::max(end, 0)),
      matching_(matching),
      result_(result),
      base_(result.Count()) {
  sorted_.assign(source.begin(), source.end());
  std::sort(sorted_.begin(), sorted_.end());
  found_.assign(sorted_.size(), false);
  if (!sorted_.empty()) {
    const auto [shortest, longest] = std::minmax_element(
        sorted_.begin(), sorted_.end(),
        [](std::string_view a, std::string_view b) { return a.size() < b.size(); });
    // Longer shapes than ExtensionCondition allows are never looked at.
    min_candidate_ = front_ + static_cast<int>(std::min<size_t>(shortest->size(), 64)) + end_;
    max_candidate_ =
        std::min(front_ + static_cast<int>(std::min<size_t>(longest->size(), 64)) + end_,
                 ExtensionCondition::kMaxLength);
  }
  if (!matching_) {
    for (std::string_view word : sorted_) result_.InsertAt(word, result_.Count());
  }
}

int ExtensionScan::ResultPosition(std::string_view word) const {
  int low = base_;
  int high = result_.Count();
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (result_.Word(mid) < word) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return low;
}

void ExtensionScan::Visit(std::string_view word, const Lexicon&, WordCollection&) {
  const int length = static_cast<int>(word.size());
  if (length < min_candidate_ || length > max_candidate_) return;
  const std::string_view inner = word.substr(front_, word.size() - front_ - end_);
  const auto first = std::lower_bound(sorted_.begin(), sorted_.end(), inner);
  if (first == sorted_.end() || *first != inner) return;
  const size_t index = static_cast<size_t>(first - sorted_.begin());
  if (found_[index]) return;
  // Every copy of the word in the source goes or comes at once.
  size_t copies = 0;
  for (size_t i = index; i < sorted_.size() && sorted_[i] == inner; ++i) {
    found_[i] = true;
    ++copies;
  }
  const int position = ResultPosition(inner);
  for (size_t i = 0; i < copies; ++i) {
    if (matching_) {
      result_.InsertAt(inner, position);
    } else {
      result_.RemoveAt(position);
    }
  }
}

}  // namespace tavrune
