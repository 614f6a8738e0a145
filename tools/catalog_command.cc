#include "tools/catalog_command.h"

#include <filesystem>

#include "engine/lexicon_id.h"
#include "wordlist/predefined_catalog.h"

namespace tavrune {
namespace {

// "Category.Subcategory.List"; names hold no dots.
bool SplitListName(std::string_view full, std::string_view parts[3]) {
  for (int i = 0; i < 2; ++i) {
    const size_t dot = full.find('.');
    if (dot == std::string_view::npos) return false;
    parts[i] = full.substr(0, dot);
    full.remove_prefix(dot + 1);
  }
  parts[2] = full;
  return !parts[0].empty() && !parts[1].empty() && !parts[2].empty() &&
         full.find('.') == std::string_view::npos;
}

void NoteLimits(const PredefinedCatalog& catalog, const Io& io) {
  if (!catalog.LimitsReached()) return;
  io.err << "tavrune-lexicon: the catalogue passes its limits ("
         << PredefinedCatalog::kMaxCategories << " categories; "
         << PredefinedCatalog::kMaxSubcategories << " subcategories and "
         << PredefinedCatalog::kMaxLists << " lists a category; "
         << PredefinedCatalog::kMaxLinesRead << " lines read in all); the rest was skipped\n";
}

}  // namespace

int CatalogCommand(const Args& args, const Io& io) {
  Args plain;
  LexiconId id = LexiconId::kUKNA;
  std::string generate;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--generate") {
      if (i + 1 >= args.size()) return io.Fail("--generate needs a value");
      generate = args[++i];
    } else if (args[i] == "--lexicon-id") {
      const std::optional<LexiconId> read = ReadLexiconId(args, i, io);
      if (!read) return kExitUsage;
      id = *read;
    } else if (args[i].starts_with("--")) {
      return io.Fail("unknown option '" + args[i] + "'");
    } else {
      plain.push_back(args[i]);
    }
  }
  // Without a folder, the catalogue the programs read.
  if (plain.size() == 1 && !io.data.folder.empty()) {
    plain.insert(plain.begin(), io.data.folder + std::string(PredefinedCatalog::kFolderName));
  }
  if (plain.size() != 2) return io.Fail("catalog needs [PGMLISTS_DIR] FILE.TVD");

  // The catalogue lives in a folder named PgmLists in the data folder.
  std::filesystem::path folder = std::filesystem::path(plain[0]).lexically_normal();
  if (folder.filename().empty()) folder = folder.parent_path();
  if (folder.filename() != PredefinedCatalog::kFolderName) {
    return io.Fail("'" + plain[0] + "' is not a folder named PgmLists");
  }
  std::string program_folder = folder.parent_path().string();
  if (!program_folder.empty()) program_folder += '/';

  Lexicon lexicon;
  int status = kExitOk;
  if (!LoadLexicon(plain[1], lexicon, io, status)) return status;
  // A file of the catalogue that cannot be read is told by the prompt, on
  // one line, and fails the command.
  StreamPrompt prompt(io.err);
  PredefinedCatalog catalog(prompt);
  catalog.SetLexicon(id, &lexicon);
  if (!catalog.Load(program_folder)) return kExitUsage;

  if (!generate.empty()) {
    std::string_view parts[3];
    if (!SplitListName(generate, parts)) {
      return io.Fail("--generate takes Category.Subcategory.List, not '" + generate + "'");
    }
    const auto list = catalog.BuildList(parts[0], parts[1], parts[2]);
    NoteLimits(catalog, io);
    if (prompt.ShowedFileError()) return kExitUsage;
    if (!list) return io.Fail("no predefined list '" + generate + "'");
    PrintWords(list->words, io);
    return kExitOk;
  }

  std::string lines;
  for (std::string_view category : catalog.ShownCategories()) {
    const CategoryNode* node = catalog.GetCategory(category);
    if (node == nullptr) continue;
    for (int s = 0; s < node->Count(); ++s) {
      const CategoryNode* sub = node->Subcategory(s);
      if (sub == nullptr) continue;
      for (int l = 0; l < sub->Count(); ++l) {
        lines +=
            PredefinedCatalog::Description(category, node->names().Word(s), sub->names().Word(l));
        lines += '\n';
      }
    }
  }
  io.out << lines;
  NoteLimits(catalog, io);
  return prompt.ShowedFileError() ? kExitUsage : kExitOk;
}

}  // namespace tavrune
