#ifndef TAVRUNE_BENCH_BENCH_LEXICONS_H_
#define TAVRUNE_BENCH_BENCH_LEXICONS_H_

#include <cstdlib>
#include <string>

#include "engine/lexicon.h"
#include "engine/lexicon_id.h"
#include "platform/data_folder.h"

namespace tavrune::bench {

// The folder of the running benchmark program, where the build puts the
// default lexicons.
inline std::string ProgramFolder() {
  const std::string folder = RunningProgramFolder();
  return folder.empty() ? std::string("./") : folder + "/";
}

// TAVRUNE_PROGRAM_DIR overrides the folder, for a build made without the
// default lexicons.
inline std::string LexiconPath(LexiconId id) {
  const char* folder = std::getenv("TAVRUNE_PROGRAM_DIR");
  const std::string base = folder != nullptr ? std::string(folder) + "/" : ProgramFolder();
  return base + std::string(LexiconFileName(id));
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
