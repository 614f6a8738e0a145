#ifndef TAVRUNE_FUZZ_VIRTUAL_FILES_H_
#define TAVRUNE_FUZZ_VIRTUAL_FILES_H_

// One fuzz input as several files: the text up to the first line
// "=== NAME" is the first file; each such line starts the file NAME
// (letters, digits, '.', '_', '-'; other names drop their text).
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tavrune::fuzz {

inline constexpr std::string_view kFileHeader = "=== ";
inline constexpr int kMaxVirtualFiles = 16;

// A folder of this process's own under the temporary folder, removed at exit.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrune-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return std::filesystem::path(pattern);
  }();
  // Registered once the path is made, so it runs before the path is gone.
  static const int removal = std::atexit([] {
    std::error_code error;
    std::filesystem::remove_all(folder, error);
  });
  (void)removal;
  return folder;
}

inline bool IsFileName(std::string_view name) {
  if (name.empty() || name.size() > 32 || name == "." || name == "..") return false;
  for (char c : name) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == '.' || c == '_' || c == '-';
    if (!ok) return false;
  }
  return true;
}

// Empties `folder` and writes the files of `text` into it.
inline void WriteVirtualFiles(std::string_view text, const std::filesystem::path& folder,
                              std::string name) {
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  std::filesystem::create_directories(folder);
  int files = 0;
  while (files < kMaxVirtualFiles) {
    size_t end = 0;
    if (!text.starts_with(kFileHeader)) {
      end = text.find("\n" + std::string(kFileHeader));
      end = end == std::string_view::npos ? text.size() : end + 1;
    }
    if (IsFileName(name)) std::ofstream(folder / name, std::ios::binary) << text.substr(0, end);
    ++files;
    if (end >= text.size()) break;
    text.remove_prefix(end + kFileHeader.size());
    const size_t line_end = text.find('\n');
    name = std::string(text.substr(0, line_end));
    text.remove_prefix(line_end == std::string_view::npos ? text.size() : line_end + 1);
  }
}

}  // namespace tavrune::fuzz

#endif  // TAVRUNE_FUZZ_VIRTUAL_FILES_H_
