#include "engine/string_pool.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tavrune {

StringPool::StringPool(size_t block_size) : block_size_(std::max<size_t>(block_size, 1)) {}

StringPool::StringPool(StringPool&& other) noexcept
    : block_size_(other.block_size_),
      next_(std::exchange(other.next_, nullptr)),
      left_(std::exchange(other.left_, 0)),
      blocks_(std::move(other.blocks_)) {
  other.blocks_.clear();
}

StringPool& StringPool::operator=(StringPool&& other) noexcept {
  if (this != &other) {
    block_size_ = other.block_size_;
    next_ = std::exchange(other.next_, nullptr);
    left_ = std::exchange(other.left_, 0);
    blocks_ = std::move(other.blocks_);
    other.blocks_.clear();
  }
  return *this;
}

StringPool::~StringPool() = default;

char* StringPool::Allocate(size_t n) {
  n = std::max<size_t>(n, 1);
  if (n > left_) {
    const size_t size = std::max(n, block_size_);
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    next_ = blocks_.back().get();
    left_ = size;
  }
  char* result = next_;
  next_ += n;
  left_ -= n;
  return result;
}

char* StringPool::Store(std::string_view text) {
  char* copy = Allocate(text.size() + 1);
  if (!text.empty()) std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

void StringPool::Clear() {
  blocks_.clear();
  blocks_.shrink_to_fit();
  next_ = nullptr;
  left_ = 0;
}

}  // namespace tavrune
