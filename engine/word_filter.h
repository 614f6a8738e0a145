#ifndef TAVRUNE_ENGINE_WORD_FILTER_H_
#define TAVRUNE_ENGINE_WORD_FILTER_H_

#include <string_view>

namespace tavrune {

// A test a word must pass to be kept by a generator or a collection filter.
// The search conditions implement it; the engine knows nothing more of them.
// A null filter pointer passes every word.
class WordFilter {
 public:
  virtual ~WordFilter() = default;
  // `word` is passed as built, lower-case blank letters included.
  virtual bool Passes(std::string_view word) const = 0;
};

inline bool PassesFilter(const WordFilter* filter, std::string_view word) {
  return filter == nullptr || filter->Passes(word);
}

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_WORD_FILTER_H_
