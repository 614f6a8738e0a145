#ifndef TAVRUNE_WORDLIST_TEXT_TOKENS_H_
#define TAVRUNE_WORDLIST_TEXT_TOKENS_H_

#include <functional>
#include <string>
#include <string_view>

#include "engine/file_io.h"

namespace tavrune {

struct TextTokenCount {
  int accepted = 0;
  int rejected = 0;
};

// The words of plain text as the imports and compile take them: tokens
// separated by white space (blanks, tabs, the line ends of any system), a
// leading byte-order mark dropped, a run of more than 100 characters read
// as several tokens of up to 100. A token of 1 to 15 letters and '?' is
// upper-cased and handed over in text order; any other is counted as
// rejected. Fed piece by piece, so a file is never held whole.
class WordTokenizer {
 public:
  // The view lasts for the call.
  using Take = std::function<void(std::string_view word)>;

  explicit WordTokenizer(Take take) : take_(std::move(take)) {}
  void Feed(std::string_view text);
  // Ends the last token; the counts over all the text fed.
  TextTokenCount Finish();

 private:
  void EndToken();

  Take take_;
  std::string token_;
  bool first_token_ = true;
  TextTokenCount count_;
};

// The tokens of `text`.
TextTokenCount ForEachWordToken(std::string_view text, const WordTokenizer::Take& take);

// The tokens of the file at `path`, at most kMaxWordListBytes of it; see
// InputFile::Open for `regular_only`. `count` covers what was read, also
// when reading failed.
FileStatus ForEachWordTokenInFile(const std::string& path, bool regular_only,
                                  const WordTokenizer::Take& take, TextTokenCount& count);

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_TEXT_TOKENS_H_
