#ifndef TAVRUNE_TOOLS_COMMAND_HELP_H_
#define TAVRUNE_TOOLS_COMMAND_HELP_H_

#include <string>
#include <string_view>

namespace tavrune {

// "tavrune-lexicon VERSION".
std::string VersionText();

// The program's help: how to call it, every command with one line, the
// exit statuses.
std::string ProgramHelp();

// One command's help: usage, every option with its default and range, the
// exit statuses and an example. Empty for a name that is no command.
std::string CommandHelp(std::string_view command);

// Whether `arg` asks for help.
bool IsHelpOption(std::string_view arg);

}  // namespace tavrune

#endif  // TAVRUNE_TOOLS_COMMAND_HELP_H_
