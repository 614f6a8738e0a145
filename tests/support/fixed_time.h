#ifndef TAVRUNE_TESTS_SUPPORT_FIXED_TIME_H_
#define TAVRUNE_TESTS_SUPPORT_FIXED_TIME_H_

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

namespace tavrune::testing {

// 14 March 2006, 19:05:40: a moment whose log stamp is easy to read.
inline std::tm FixedTime() {
  std::tm t = {};
  t.tm_year = 106;
  t.tm_mon = 2;
  t.tm_mday = 14;
  t.tm_hour = 19;
  t.tm_min = 5;
  t.tm_sec = 40;
  return t;
}

// The whole content of a file; empty when it cannot be read.
inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_SUPPORT_FIXED_TIME_H_
