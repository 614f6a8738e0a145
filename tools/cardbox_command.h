#ifndef TAVRUNE_TOOLS_CARDBOX_COMMAND_H_
#define TAVRUNE_TOOLS_CARDBOX_COMMAND_H_

#include <string>

#include "tools/tool_io.h"

namespace tavrune {

// `tavrune-lexicon cardbox ACTION ...`: the study program's cardbox for
// scripts and terminals, on the same database and with the same rules.
// `args` starts after "cardbox".
int RunCardboxCommand(const Args& args, const Io& io);

// The actions with their arguments and options.
std::string CardboxHelp();

}  // namespace tavrune

#endif  // TAVRUNE_TOOLS_CARDBOX_COMMAND_H_
