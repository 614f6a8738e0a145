// Any text as a WordNet folder: the input is split into virtual files
// (index.noun first, then "=== data.noun" and so on; fuzz/virtual_files.h)
// and a few words are looked up, among them the first word of every line.
// A look-up must end, stay in bounds and give only whole senses.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/virtual_files.h"
#include "inspect/wordnet.h"

namespace {

// The leading letters of each line, as words to look up.
std::vector<std::string> LineWords(std::string_view text) {
  std::vector<std::string> words = {"wolf", "wolves", "taxiing", "bigger", "boxes"};
  for (size_t start = 0; start < text.size() && words.size() < 64;) {
    size_t end = start;
    while (end < text.size() && text[end] >= 'a' && text[end] <= 'z') ++end;
    if (end > start) words.emplace_back(text.substr(start, end - start));
    const size_t line_end = text.find('\n', start);
    if (line_end == std::string_view::npos) break;
    start = line_end + 1;
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::filesystem::path folder = tavrune::fuzz::ScratchFolder() / "wordnet";
  tavrune::fuzz::WriteVirtualFiles(text, folder, "index.noun");
  tavrune::WordNet wordnet(folder.string());
  for (const std::string& word : LineWords(text)) {
    for (const tavrune::WordNetEntry& entry : wordnet.Define(word)) {
      if (entry.base.empty() || entry.glosses.empty()) __builtin_trap();
      for (const std::string& gloss : entry.glosses) {
        if (gloss.empty() || gloss.find('\n') != std::string::npos) __builtin_trap();
      }
    }
  }
  return 0;
}
