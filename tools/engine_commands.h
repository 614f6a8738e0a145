#ifndef TAVRUNE_TOOLS_ENGINE_COMMANDS_H_
#define TAVRUNE_TOOLS_ENGINE_COMMANDS_H_

#include "tools/tool_io.h"

namespace tavrune {

// tavrune-lexicon commands over the generators, tile values and random racks.
int AnagramCommand(const Args& args, const Io& io);
int BuildCommand(const Args& args, const Io& io);
int BuildBuildCommand(const Args& args, const Io& io);
int PatternCommand(const Args& args, const Io& io);
int StatsCommand(const Args& args, const Io& io);
int RacksCommand(const Args& args, const Io& io);

// The racks command's options with their defaults and ranges.
std::string RacksHelp();

}  // namespace tavrune

#endif  // TAVRUNE_TOOLS_ENGINE_COMMANDS_H_
