#ifndef TAVRUNE_WORDLIST_TEXT_TOKENS_H_
#define TAVRUNE_WORDLIST_TEXT_TOKENS_H_

#include <functional>
#include <iosfwd>
#include <string_view>

#include "engine/word_collection.h"

namespace tavrune {

struct TextTokenCount {
  int accepted = 0;
  int rejected = 0;
};

// Reads the words of a plain-text file as the text import takes them:
// tokens separated by white space, a run of more than 100 characters read as
// several tokens of up to 100. A token of 1 to 15 letters and '?' is
// upper-cased and inserted into `out`, in file order; any other token is
// counted as rejected. Tokens that no longer fit in `out` are dropped.
TextTokenCount ReadWordTokens(std::istream& in, WordCollection& out);

// The same tokens handed to `take` one by one, upper-cased, in file order;
// the view lasts for the call. `accepted` counts the tokens handed over.
TextTokenCount ForEachWordToken(std::istream& in,
                                const std::function<void(std::string_view word)>& take);

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_TEXT_TOKENS_H_
