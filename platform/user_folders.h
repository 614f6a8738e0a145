#ifndef TAVRUNE_PLATFORM_USER_FOLDERS_H_
#define TAVRUNE_PLATFORM_USER_FOLDERS_H_

#include <string>

namespace tavrune {

// The folder Tavrune keeps a user's own data in (the cardbox), following the
// XDG base directories: $XDG_DATA_HOME/Kestrelle/Tavrune, where an unset or
// relative XDG_DATA_HOME means ~/.local/share. Empty when no home folder is
// known.
std::string UserDataFolder();

// Makes `folder` when it is missing (its new parts private to the user) and
// checks that files can be created in it. False, with the system's reason
// in `reason`, when it cannot be used.
bool PrepareUserFolder(const std::string& folder, std::string* reason);

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_USER_FOLDERS_H_
