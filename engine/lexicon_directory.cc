#include "engine/lexicon_directory.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tavrune {

std::string WithTrailingSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

bool ReadLexiconHeader(const std::string& path, LexiconHeader& header) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  uint8_t raw[LexiconHeader::kSize];
  const bool ok = std::fread(raw, 1, sizeof raw, file) == sizeof raw;
  std::fclose(file);
  if (ok) header = LexiconHeader::FromBytes(raw);
  return ok;
}

LexiconDirectory LexiconDirectory::Discover(const std::string& program_folder) {
  LexiconDirectory dir;
  dir.folder_ = WithTrailingSlash(program_folder);
  for (LexiconId id : kDiscoveryOrder) {
    const std::string path = dir.PathOf(id);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) continue;
    dir.present_[Index(id)] = true;
    ReadLexiconHeader(path, dir.headers_[Index(id)]);
  }
  return dir;
}

bool LexiconDirectory::AnyPresent() const {
  for (bool p : present_) {
    if (p) return true;
  }
  return false;
}

std::string LexiconDirectory::PathOf(LexiconId id) const {
  return folder_ + std::string(LexiconFileName(id));
}

std::string LexiconDirectory::AboutText() const {
  std::string text;
  for (LexiconId id : kAboutOrder) {
    if (!Present(id)) continue;
    if (!text.empty()) text += '\n';
    text += DescriptionLine(Header(id));
  }
  return text;
}

}  // namespace tavrune
