#include "platform/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "engine/lexicon_id.h"

namespace tavrune {
namespace {

// An absolute, tidy folder name ending with '/', so messages show
// /usr/share/tavrune/ rather than /usr/bin/../share/tavrune.
std::string Tidy(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
  if (ec) absolute = folder;
  std::string text = absolute.lexically_normal().string();
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

bool HoldsLexicon(const std::string& folder) {
  for (LexiconId id : kAllLexiconIds) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(folder + std::string(LexiconFileName(id)), ec)) {
      return true;
    }
  }
  return false;
}

}  // namespace

DataFolder FindDataFolder(std::string_view program_folder, const char* variable) {
  DataFolder data;
  if (variable != nullptr && variable[0] != '\0') {
    data.tried = {Tidy(variable)};
  } else {
    const std::filesystem::path program(program_folder);
    data.tried = {Tidy(program), Tidy(program / ".." / "share" / "tavrune")};
  }
  data.folder = data.tried.front();
  for (const std::string& folder : data.tried) {
    if (HoldsLexicon(folder)) {
      data.folder = folder;
      data.has_lexicons = true;
      break;
    }
  }
  return data;
}

DataFolder FindDataFolder(std::string_view program_folder) {
  return FindDataFolder(program_folder, std::getenv(kDataFolderVariable));
}

std::string LexiconFoldersTried(const DataFolder& data, std::string_view separator) {
  std::string text;
  for (const std::string& folder : data.tried) {
    if (!text.empty()) text += separator;
    text += folder + "Lexicons";
  }
  return text;
}

std::string RunningProgramFolder() {
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return program.parent_path().string();
}

}  // namespace tavrune
