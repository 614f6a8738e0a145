#ifndef TAVRUNE_TESTS_SUPPORT_FUZZ_SEED_H_
#define TAVRUNE_TESTS_SUPPORT_FUZZ_SEED_H_

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>

namespace tavrune::testing {

// Keeps a small valid input of a test as a seed for the fuzz target
// `target`, in the folder TAVRUNE_FUZZ_SEEDS names (scripts/fuzz sets it);
// without it, or for a large input, does nothing.
inline void KeepFuzzSeed(std::string_view target, std::string_view bytes) {
  const char* root = std::getenv("TAVRUNE_FUZZ_SEEDS");
  if (root == nullptr || *root == '\0' || bytes.empty() || bytes.size() > 4096) return;
  const std::filesystem::path folder = std::filesystem::path(root) / target;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  char name[32];
  std::snprintf(name, sizeof name, "seed-%016zx", std::hash<std::string_view>()(bytes));
  std::ofstream(folder / name, std::ios::binary) << bytes;
}

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_SUPPORT_FUZZ_SEED_H_
