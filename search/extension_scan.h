#ifndef TAVRUNE_SEARCH_EXTENSION_SCAN_H_
#define TAVRUNE_SEARCH_EXTENSION_SCAN_H_

#include <string_view>
#include <vector>

#include "engine/generators.h"
#include "engine/lexicon.h"
#include "engine/word_collection.h"

namespace tavrune {

// The extension search of a large list made from the lexicon's side: one
// pass over the lexicon finds, for every word W of a fitting length, the
// inner part left after W's first `front` and before its last `end` letters,
// and looks that up in the source list. This replaces one AnyWordMatches
// query per list word and keeps exactly the words ExtensionCondition would.
//
// Run it with ForEachWord(lexicon, scan, result), giving the collection the
// scan was made with. `result` should be empty at construction (earlier
// words are left in front). Its words are kept in byte order: matching, the
// source words found; not matching, a copy of the source without them. A
// word the source holds twice is kept or dropped twice, as the list filter
// would. The source is borrowed and must not change during the scan.
class ExtensionScan : public WordVisitor {
 public:
  ExtensionScan(int front, int end, const WordCollection& source, WordCollection& result,
                bool matching);

  void Visit(std::string_view word, const Lexicon& lexicon, WordCollection& output) override;

  // The lengths of lexicon words worth looking at.
  int min_candidate_length() const { return min_candidate_; }
  int max_candidate_length() const { return max_candidate_; }

 private:
  // Where `word` is, or would go, in result's words after base_.
  int ResultPosition(std::string_view word) const;

  int front_;
  int end_;
  bool matching_;
  WordCollection& result_;
  int base_;
  int min_candidate_ = 0;
  int max_candidate_ = -1;
  // The source words in byte order, and whether each has been found.
  std::vector<std::string_view> sorted_;
  std::vector<bool> found_;
};

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_EXTENSION_SCAN_H_
