#ifndef TAVRUNE_TOOLS_INSPECT_COMMAND_H_
#define TAVRUNE_TOOLS_INSPECT_COMMAND_H_

#include "tools/tool_io.h"

namespace tavrune {

// tavrune-lexicon inspect: everything about words, as key: value lines or
// JSON objects.
int InspectCommand(const Args& args, const Io& io);
// tavrune-lexicon define: the senses WordNet gives words.
int DefineCommand(const Args& args, const Io& io);

}  // namespace tavrune

#endif  // TAVRUNE_TOOLS_INSPECT_COMMAND_H_
