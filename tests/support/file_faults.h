#ifndef TAVRUNE_TESTS_SUPPORT_FILE_FAULTS_H_
#define TAVRUNE_TESTS_SUPPORT_FILE_FAULTS_H_

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <functional>
#include <utility>

#include "engine/file_io.h"

namespace tavrune::testing {

// What the faulty calls of FileFaults do.
struct FileFaultState {
  size_t write_budget = static_cast<size_t>(-1);
  int write_error = 0;
  bool short_writes = false;
  int read_error = 0;
  int create_error = 0;
  int sync_error = 0;
  int rename_error = 0;
  std::function<void()> before_write;
  FileCalls system = ActiveFileCalls();
};

// Makes the file layer's system calls fail while it lives, as a full disk,
// a failing stick or a read-only folder would, without root or a mount.
// One at a time; each fault names the errno it gives (0: none).
class FileFaults {
 public:
  FileFaults() : saved_(ActiveFileCalls()) {
    state_ = FileFaultState();
    FileCalls& calls = ActiveFileCalls();
    calls.open = &Open;
    calls.read = &Read;
    calls.write = &Write;
    calls.fsync = &Sync;
    calls.rename = &Rename;
  }
  ~FileFaults() { ActiveFileCalls() = saved_; }
  FileFaults(const FileFaults&) = delete;
  FileFaults& operator=(const FileFaults&) = delete;

  // Writes fail once `bytes` were written.
  void FailWritesAfter(size_t bytes, int error) {
    state_.write_budget = bytes;
    state_.write_error = error;
  }
  // Each write takes one byte at most, as a slow device may.
  void ShortWrites() { state_.short_writes = true; }
  void FailReads(int error) { state_.read_error = error; }
  // Opens that would create a file fail: a folder that takes no new file.
  void FailCreates(int error) { state_.create_error = error; }
  void FailSyncs(int error) { state_.sync_error = error; }
  void FailRenames(int error) { state_.rename_error = error; }
  // Called before each write, the first time only (another save, say).
  void BeforeFirstWrite(std::function<void()> action) { state_.before_write = std::move(action); }

 private:
  static int Fail(int error) {
    errno = error;
    return -1;
  }
  static int Open(const char* path, int flags, mode_t mode) {
    if ((flags & O_CREAT) != 0 && state_.create_error != 0) return Fail(state_.create_error);
    return state_.system.open(path, flags, mode);
  }
  static ssize_t Read(int fd, void* buffer, size_t size) {
    if (state_.read_error != 0) return Fail(state_.read_error);
    return state_.system.read(fd, buffer, size);
  }
  static ssize_t Write(int fd, const void* buffer, size_t size) {
    if (auto action = std::exchange(state_.before_write, nullptr)) {
      const FileCalls mine = ActiveFileCalls();
      ActiveFileCalls() = state_.system;
      action();
      ActiveFileCalls() = mine;
    }
    if (state_.write_budget == 0) return Fail(state_.write_error);
    if (state_.short_writes) size = std::min<size_t>(size, 1);
    size = std::min(size, state_.write_budget);
    const ssize_t n = state_.system.write(fd, buffer, size);
    if (n > 0 && state_.write_budget != static_cast<size_t>(-1)) {
      state_.write_budget -= static_cast<size_t>(n);
    }
    return n;
  }
  static int Sync(int fd) {
    if (state_.sync_error != 0) return Fail(state_.sync_error);
    return state_.system.fsync(fd);
  }
  static int Rename(const char* from, const char* to) {
    if (state_.rename_error != 0) return Fail(state_.rename_error);
    return state_.system.rename(from, to);
  }

  inline static FileFaultState state_;
  FileCalls saved_;
};

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_SUPPORT_FILE_FAULTS_H_
