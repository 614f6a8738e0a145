#include "study/recent_files.h"

#include <algorithm>

namespace tavrune {
namespace {

constexpr std::string_view kSection = "Recent File List";
// A path longer than this is not one a user saved a list under.
constexpr size_t kMaxPathLength = 4096;

std::string KeyFor(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

void RecentFiles::Read(const Settings& settings) {
  paths_.clear();
  for (int i = 0; i < kCapacity; ++i) {
    const std::string path = settings.GetString(kSection, KeyFor(i), "");
    if (path.empty() || path.size() > kMaxPathLength) continue;
    if (std::find(paths_.begin(), paths_.end(), path) == paths_.end()) paths_.push_back(path);
  }
}

void RecentFiles::Write(Settings& settings) const {
  for (int i = 0; i < kCapacity; ++i) {
    settings.PutString(kSection, KeyFor(i),
                       i < static_cast<int>(paths_.size()) ? paths_[i] : std::string());
  }
}

void RecentFiles::Add(std::string_view path) {
  if (path.empty()) return;
  Remove(path);
  paths_.insert(paths_.begin(), std::string(path));
  if (paths_.size() > kCapacity) paths_.resize(kCapacity);
}

void RecentFiles::Remove(std::string_view path) {
  paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

}  // namespace tavrune
