#ifndef TAVRUNE_ENGINE_FILE_IO_H_
#define TAVRUNE_ENGINE_FILE_IO_H_

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

namespace tavrune {

// Reading and saving files so that no byte is lost: a failed read is
// reported as one, never thrown; a save never harms the old file before the
// new one is complete. POSIX underneath, the one place that knows it.

// What became of a file operation: success, or why it failed in the system's
// words ("No space left on device") or in ours ("not a regular file").
class FileStatus {
 public:
  FileStatus() = default;
  static FileStatus FromErrno(int error);
  static FileStatus Refused(std::string reason);

  bool ok() const { return reason_.empty(); }
  explicit operator bool() const { return ok(); }
  const std::string& reason() const { return reason_; }
  // The system's error number; 0 for success and for reasons of our own.
  int error() const { return error_; }

 private:
  int error_ = 0;
  std::string reason_;
};

// The largest text a reader of word lists takes: far beyond any real list,
// small enough that an endless device or a wrong file is refused in a second.
inline constexpr uint64_t kMaxWordListBytes = uint64_t{256} << 20;

// The system calls the file layer makes. Tests replace them to make a disk
// fill up or a read fail without root or a special mount.
struct FileCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*read)(int fd, void* buffer, size_t size);
  ssize_t (*write)(int fd, const void* buffer, size_t size);
  int (*fsync)(int fd);
  int (*rename)(const char* from, const char* to);
};
// The calls in use; the system's own unless a test swapped them.
FileCalls& ActiveFileCalls();

// A file open for reading, closed with the object.
class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // With `regular_only`, a folder, device or pipe is refused before a byte
  // is read: such a file may never end.
  FileStatus Open(const std::string& path, bool regular_only);
  // Standard input, left open at the end.
  static InputFile StandardInput();

  // What one read gives from the current position: up to `size` bytes
  // into `got`, 0 only at the end. A pipe gives what has arrived.
  FileStatus Read(void* buffer, size_t size, size_t& got);
  // `size` bytes, fewer only at the end.
  FileStatus ReadFull(void* buffer, size_t size, size_t& got);
  FileStatus Seek(uint64_t offset);
  // The size when opened; 0 for anything but a regular file.
  uint64_t Size() const { return size_; }

 private:
  void Close();

  int fd_ = -1;
  bool owned_ = false;
  uint64_t size_ = 0;
};

// A stream buffer over an input file that never throws: a failed read, or
// more than `max_bytes`, ends the input and is kept in status().
class FileInputBuffer : public std::streambuf {
 public:
  FileInputBuffer(InputFile file, uint64_t max_bytes);
  const FileStatus& status() const { return status_; }
  // The bytes read but not yet taken, reading more when there are none;
  // empty at the end. They are taken by the call.
  std::string_view NextPiece();

 protected:
  int_type underflow() override;

 private:
  InputFile file_;
  uint64_t max_bytes_;
  uint64_t total_ = 0;
  FileStatus status_;
  std::unique_ptr<char[]> buffer_;
};

// "the file is larger than 256 MB": the reason a reader gives past its limit.
FileStatus TooLarge(uint64_t max_bytes);

// Reads the file at `path` in pieces of up to 64 KiB handed to `take`, which
// returns false to stop early (no failure). A file past `max_bytes` is
// refused once that much was read.
FileStatus ReadFileChunks(const std::string& path, uint64_t max_bytes, bool regular_only,
                          const std::function<bool(std::string_view piece)>& take);

// Makes `bytes` the content of the file at `path`, never harming the old
// file before the new one is complete: they go to a unique temporary file
// in the same folder (created exclusively, never through a link), which then
// replaces the old file; every failure removes it. The old file's mode is
// kept, a symbolic link is written through to its target, a read-only file
// is refused. Where the folder allows no new file, a writable file is
// overwritten in place, its room reserved first.
FileStatus WriteFileAtomically(const std::string& path, std::string_view bytes);

// Size and modification time of a file, to notice that another program
// changed it.
struct FileStamp {
  uint64_t size = 0;
  int64_t modified_ns = 0;
  bool operator==(const FileStamp&) const = default;
};
// nullopt when there is no such file.
std::optional<FileStamp> StampOf(const std::string& path);

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_FILE_IO_H_
