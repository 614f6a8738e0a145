#ifndef TAVRUNE_STUDY_RECENT_FILES_H_
#define TAVRUNE_STUDY_RECENT_FILES_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/settings.h"

namespace tavrune {

// The File menu's most recently used word lists, most recent first, kept in
// the settings store as "Recent File List"/File1..File4.
class RecentFiles {
 public:
  static constexpr int kCapacity = 4;

  void Read(const Settings& settings);
  void Write(Settings& settings) const;

  // `path` becomes the first entry; an equal path further down goes.
  void Add(std::string_view path);
  // A file that could not be opened leaves the list.
  void Remove(std::string_view path);
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  std::vector<std::string> paths_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_RECENT_FILES_H_
