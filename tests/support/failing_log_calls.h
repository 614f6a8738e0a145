#ifndef TAVRUNE_TESTS_SUPPORT_FAILING_LOG_CALLS_H_
#define TAVRUNE_TESTS_SUPPORT_FAILING_LOG_CALLS_H_

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "judge/challenge_log.h"

namespace tavrune::testing {

// The log's system calls with the failures a test sets: a folder that
// refuses files (as read-only folders do, even for root), a disk that takes
// `short_write` bytes more and then nothing. Cleared, it makes the real calls.
class FailingLogCalls : public LogFileCalls {
 public:
  int open_error = 0;
  int write_error = 0;
  size_t short_write = 0;

  void Heal() { open_error = write_error = 0; }

  int OpenForAppend(const std::string& path) override {
    if (open_error == 0) return LogFileCalls::OpenForAppend(path);
    errno = open_error;
    return -1;
  }
  long Write(int fd, const char* data, size_t size) override {
    if (write_error == 0) return LogFileCalls::Write(fd, data, size);
    if (short_write > 0) {
      const size_t part = std::min(short_write, size);
      short_write -= part;
      return LogFileCalls::Write(fd, data, part);
    }
    errno = write_error;
    return -1;
  }
};

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_SUPPORT_FAILING_LOG_CALLS_H_
