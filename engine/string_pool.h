#ifndef TAVRUNE_ENGINE_STRING_POOL_H_
#define TAVRUNE_ENGINE_STRING_POOL_H_

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace tavrune {

// Storage for many short strings in a few large blocks: strings are cut from
// the front of the current block, never move and are never freed one by one;
// all blocks go together. A list of tens of thousands of words therefore
// costs a handful of allocations.
class StringPool {
 public:
  explicit StringPool(size_t block_size = 4096);
  StringPool(const StringPool&) = delete;
  StringPool& operator=(const StringPool&) = delete;
  StringPool(StringPool&& other) noexcept;
  StringPool& operator=(StringPool&& other) noexcept;
  ~StringPool();

  // n bytes that stay valid until Clear. When the current block has fewer
  // left, a new block is taken and the rest of the old one is abandoned; a
  // request larger than a block gets a block of its own.
  char* Allocate(size_t n);
  // A NUL-terminated copy of `text`.
  char* Store(std::string_view text);

  // Frees every block.
  void Clear();

  size_t block_size() const { return block_size_; }
  size_t BlockCount() const { return blocks_.size(); }

 private:
  size_t block_size_;
  char* next_ = nullptr;
  size_t left_ = 0;
  std::vector<std::unique_ptr<char[]>> blocks_;
};

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_STRING_POOL_H_
