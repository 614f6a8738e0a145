#ifndef TAVRUNE_BENCH_BENCH_LEXICONS_H_
#define TAVRUNE_BENCH_BENCH_LEXICONS_H_

#include <filesystem>
#include <string>

#include "engine/lexicon.h"
#include "engine/lexicon_id.h"

namespace tavrune::bench {

// The folder of the running benchmark program, where the build puts the
// default lexicons.
inline std::string ProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("./") : exe.parent_path().string() + "/";
}

inline std::string LexiconPath(LexiconId id) {
  return ProgramFolder() + std::string(LexiconFileName(id));
}

// The default combined lexicon, loaded once.
inline const Lexicon& DefaultLexicon() {
  static const Lexicon* lexicon = [] {
    auto* l = new Lexicon;
    l->LoadFile(LexiconPath(LexiconId::kUKNA));
    return l;
  }();
  return *lexicon;
}

}  // namespace tavrune::bench

#endif  // TAVRUNE_BENCH_BENCH_LEXICONS_H_
