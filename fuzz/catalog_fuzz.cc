// Any text as a catalogue: the input is split into virtual files, written to
// a PgmLists folder of its own, and read as the programs read it: every
// category, every subcategory, and the lists generated from a small lexicon.
// Reading must stay within the catalogue's limits whatever the files hold.
//
// Layout: the text up to the first line "=== NAME" is Master.txt; each such
// line starts the file NAME (letters, digits, '.', '_', '-'; other names
// drop their text).
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "engine/lexicon_builder.h"
#include "platform/silent_prompt.h"
#include "wordlist/predefined_catalog.h"

namespace {

constexpr std::string_view kHeader = "=== ";
constexpr int kMaxFiles = 16;

const tavrune::Lexicon& SmallLexicon() {
  static const tavrune::Lexicon lexicon = [] {
    tavrune::LexiconBuilder builder;
    for (std::string_view w : {"AA", "AE", "QI", "ZA", "AT", "TA", "CAT", "ACT", "TAC", "EAU",
                               "NTH", "OE", "SALTINE", "NASTIER", "RETAINS", "CARTOON"}) {
      builder.AddWord(w);
    }
    tavrune::Lexicon built;
    built.LoadBytes(builder.Build());
    return built;
  }();
  return lexicon;
}

// A program folder with an empty PgmLists folder, made once per process.
const std::filesystem::path& ProgramFolder() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrune-catalog-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    std::atexit([] {
      std::error_code error;
      std::filesystem::remove_all(ProgramFolder(), error);
    });
    return std::filesystem::path(pattern);
  }();
  return folder;
}

bool IsFileName(std::string_view name) {
  if (name.empty() || name.size() > 32 || name == "." || name == "..") return false;
  for (char c : name) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == '.' || c == '_' || c == '-';
    if (!ok) return false;
  }
  return true;
}

void WriteFiles(std::string_view text, const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  std::filesystem::create_directories(folder);
  std::string name = "Master.txt";
  int files = 0;
  while (files < kMaxFiles) {
    size_t end = 0;
    if (text.starts_with(kHeader)) {
      end = 0;
    } else {
      end = text.find("\n" + std::string(kHeader));
      end = end == std::string_view::npos ? text.size() : end + 1;
    }
    if (IsFileName(name)) std::ofstream(folder / name, std::ios::binary) << text.substr(0, end);
    ++files;
    if (end >= text.size()) break;
    text.remove_prefix(end + kHeader.size());
    const size_t line_end = text.find('\n');
    name = std::string(text.substr(0, line_end));
    text.remove_prefix(line_end == std::string_view::npos ? text.size() : line_end + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  WriteFiles(text, ProgramFolder() / "PgmLists");

  tavrune::SilentPrompt prompt;
  tavrune::PredefinedCatalog catalog(prompt);
  catalog.SetLexicon(tavrune::LexiconId::kUKNA, &SmallLexicon());
  if (!catalog.Load(ProgramFolder().string() + "/")) return 0;
  if (catalog.CategoryCount() > tavrune::PredefinedCatalog::kMaxCategories) __builtin_trap();
  int generated = 0;
  for (int c = 0; c < catalog.CategoryCount(); ++c) {
    const tavrune::CategoryNode* category = catalog.GetCategory(catalog.CategoryNames().Word(c));
    if (category == nullptr) continue;
    if (category->Count() > tavrune::PredefinedCatalog::kMaxSubcategories) __builtin_trap();
    for (int s = 0; s < category->Count(); ++s) {
      const tavrune::CategoryNode* sub = category->Subcategory(s);
      if (sub == nullptr) __builtin_trap();
      if (sub->Count() > tavrune::PredefinedCatalog::kMaxLists) __builtin_trap();
      // Generating is the lists' own work, bounded per list; a few suffice.
      for (int l = 0; l < sub->Count() && generated < 64; ++l, ++generated) {
        tavrune::WordCollection out;
        sub->List(l)->Generate(SmallLexicon(), out, prompt);
      }
    }
  }
  return 0;
}
