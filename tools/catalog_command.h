#ifndef TAVRUNE_TOOLS_CATALOG_COMMAND_H_
#define TAVRUNE_TOOLS_CATALOG_COMMAND_H_

#include "tools/tool_io.h"

namespace tavrune {

// `tavrune-lexicon catalog PGMLISTS_DIR FILE.TVD [--lexicon-id N]
// [--generate Category.Subcategory.List]`: the predefined lists offered for
// a lexicon, or the words of one of them in generation order.
int CatalogCommand(const Args& args, const Io& io);

}  // namespace tavrune

#endif  // TAVRUNE_TOOLS_CATALOG_COMMAND_H_
