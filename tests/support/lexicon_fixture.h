#ifndef TAVRUNE_TESTS_SUPPORT_LEXICON_FIXTURE_H_
#define TAVRUNE_TESTS_SUPPORT_LEXICON_FIXTURE_H_

#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lexicon.h"
#include "engine/lexicon_builder.h"
#include "tests/support/fuzz_seed.h"

namespace tavrune::testing {

// A lexicon compiled in memory from the given words.
inline Lexicon MakeLexicon(std::initializer_list<std::string_view> words) {
  LexiconBuilder builder;
  builder.SetName("Test");
  builder.SetDescription("test words");
  for (std::string_view w : words) builder.AddWord(w);
  const std::vector<uint8_t> bytes = builder.Build();
  KeepFuzzSeed("lexicon_fuzz",
               std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  Lexicon lexicon;
  lexicon.LoadBytes(bytes);
  return lexicon;
}

// A fresh folder under the system's temporary folder, removed at the end.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrune-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_SUPPORT_LEXICON_FIXTURE_H_
