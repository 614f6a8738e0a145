// Any text as a catalogue: the input is split into virtual files, written to
// a PgmLists folder of its own, and read as the programs read it: every
// category, every subcategory, and the lists generated from a small lexicon.
// Reading must stay within the catalogue's limits whatever the files hold.
//
// The first file of the input is Master.txt (fuzz/virtual_files.h).
#include <cstdint>
#include <string_view>

#include "engine/lexicon_builder.h"
#include "fuzz/virtual_files.h"
#include "platform/silent_prompt.h"
#include "wordlist/predefined_catalog.h"

namespace {

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::filesystem::path& program_folder = tavrune::fuzz::ScratchFolder();
  tavrune::fuzz::WriteVirtualFiles(text, program_folder / "PgmLists", "Master.txt");

  tavrune::SilentPrompt prompt;
  tavrune::PredefinedCatalog catalog(prompt);
  catalog.SetLexicon(tavrune::LexiconId::kUKNA, &SmallLexicon());
  if (!catalog.Load(program_folder.string() + "/")) return 0;
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
