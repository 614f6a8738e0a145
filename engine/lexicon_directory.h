#ifndef TAVRUNE_ENGINE_LEXICON_DIRECTORY_H_
#define TAVRUNE_ENGINE_LEXICON_DIRECTORY_H_

#include <array>
#include <string>

#include "engine/lexicon.h"
#include "engine/lexicon_id.h"

namespace tavrune {

// Which lexicon files lie in the "Lexicons" folder beside a program, with
// the headers read from them at start-up (for the About text and the
// lexicon choice, whether or not a lexicon is ever loaded).
class LexiconDirectory {
 public:
  // Looks for the five files under `program_folder` in discovery order.
  static LexiconDirectory Discover(const std::string& program_folder);

  const std::string& ProgramFolder() const { return folder_; }
  bool Present(LexiconId id) const { return present_[Index(id)]; }
  bool AnyPresent() const;
  const LexiconHeader& Header(LexiconId id) const { return headers_[Index(id)]; }
  // Full path of a lexicon's file.
  std::string PathOf(LexiconId id) const;
  // One description line per present lexicon, in About order, joined by '\n'.
  std::string AboutText() const;

 private:
  std::string folder_;
  std::array<bool, kLexiconCount> present_ = {};
  std::array<LexiconHeader, kLexiconCount> headers_ = {};
};

// The folder with a trailing '/', so file names can be appended.
std::string WithTrailingSlash(std::string folder);

// Reads the 64-byte header of a lexicon file; false when it cannot be read.
bool ReadLexiconHeader(const std::string& path, LexiconHeader& header);

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_LEXICON_DIRECTORY_H_
