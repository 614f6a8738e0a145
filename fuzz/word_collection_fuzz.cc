// Any bytes as an archive block or a text file of words: reading must fail or
// succeed without reading out of bounds, and whatever it keeps must be words
// the collection can write and read back unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

#include "engine/word_collection.h"

namespace {

void CheckRoundTrip(const tavrune::WordCollection& words) {
  std::ostringstream out;
  if (!words.WriteArchive(out)) __builtin_trap();
  std::istringstream in(out.str());
  tavrune::WordCollection again;
  again.SetSortMode(false, tavrune::SortKey::kAlphabetical, false);
  if (!again.ReadArchive(in) || again.Count() != words.Count()) __builtin_trap();
  for (int i = 0; i < words.Count(); ++i) {
    if (again.Word(i) != words.Word(i)) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  tavrune::WordCollection archived;
  archived.SetSortMode(false, tavrune::SortKey::kAlphabetical, false);
  std::istringstream in(bytes);
  archived.ReadArchive(in, "Qm7;#x1!");
  CheckRoundTrip(archived);

  char path[] = "/tmp/tavrune-fuzz-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return 0;
  const bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(size);
  close(fd);
  for (bool front_coded : {false, true}) {
    tavrune::WordCollection loaded;
    if (written && loaded.LoadText(path, front_coded)) {
      for (std::string_view w : loaded) {
        if (w.empty() || w.size() > tavrune::WordCollection::kMaxWordLength) __builtin_trap();
      }
    }
  }
  std::remove(path);
  return 0;
}
