#ifndef TAVRUNE_PLATFORM_DATA_FOLDER_H_
#define TAVRUNE_PLATFORM_DATA_FOLDER_H_

#include <string>
#include <string_view>
#include <vector>

namespace tavrune {

// The environment variable that names the data folder outright.
inline constexpr char kDataFolderVariable[] = "TAVRUNE_DATA_DIR";

// Where the programs' read-only data lies: Lexicons/, PgmLists/, Tips.txt
// and the manual with its pictures. Programs read from it and never write
// into it.
struct DataFolder {
  std::string folder;              // ends with '/'
  std::vector<std::string> tried;  // every folder looked in, in order, each ending with '/'
  bool has_lexicons = false;       // whether `folder` holds at least one lexicon file
};

// Finds the data folder: `variable` (the value of TAVRUNE_DATA_DIR; null or
// empty when unset) alone when given, else the first of `program_folder`
// (the build tree keeps the data beside the programs) and
// `program_folder`/../share/tavrune (an installed program) that holds a
// lexicon. When none does, the first folder tried is the answer, so the
// catalogue and tips of a build without lexicons are still found.
DataFolder FindDataFolder(std::string_view program_folder, const char* variable);

// FindDataFolder with this process's TAVRUNE_DATA_DIR.
DataFolder FindDataFolder(std::string_view program_folder);

// The Lexicons folder of every folder tried, joined by `separator`, for
// the message that says no lexicon was found.
std::string LexiconFoldersTried(const DataFolder& data, std::string_view separator = "\n");

// The folder of the running program's file, from /proc/self/exe; empty
// when the system does not say.
std::string RunningProgramFolder();

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_DATA_FOLDER_H_
