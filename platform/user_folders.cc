#include "platform/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace tavrune {
namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  return {};
}

}  // namespace

std::string UserDataFolder() {
  std::string base;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else {
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    base = home + "/.local/share";
  }
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return base + "/Kestrelle/Tavrune";
}

bool PrepareUserFolder(const std::string& folder, std::string* reason) {
  // Each missing part is made in turn, so the reason names the first failure.
  for (size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
    const std::string part = folder.substr(0, end);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      *reason = std::strerror(errno);
      return false;
    }
    if (end == std::string::npos) break;
  }
  struct stat info {};
  if (stat(folder.c_str(), &info) != 0) {
    *reason = std::strerror(errno);
    return false;
  }
  if (!S_ISDIR(info.st_mode)) {
    *reason = std::strerror(ENOTDIR);
    return false;
  }
  if (access(folder.c_str(), W_OK | X_OK) != 0) {
    *reason = std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace tavrune
