#include "engine/file_io.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>
#include <utility>

namespace tavrune {
namespace {

constexpr size_t kPieceSize = size_t{1} << 16;
// Longest name a folder entry may have on the file systems we meet.
constexpr size_t kMaxNameBytes = 255;
// Symbolic links followed before giving up, as the kernel does.
constexpr int kMaxLinkDepth = 40;

int SystemOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Closes a descriptor on every path out of a scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now: close reports write errors of some file systems (NFS).
  FileStatus Close() {
    const int fd = std::exchange(fd_, -1);
    return ::close(fd) == 0 ? FileStatus() : FileStatus::FromErrno(errno);
  }

 private:
  int fd_;
};

FileStatus WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ActiveFileCalls().write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileStatus::FromErrno(errno);
    if (n == 0) return FileStatus::FromErrno(EIO);
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return {};
}

FileStatus Sync(int fd) {
  return ActiveFileCalls().fsync(fd) == 0 ? FileStatus() : FileStatus::FromErrno(errno);
}

// The file `path` finally names, its symbolic links followed; a link whose
// target does not exist yet names that target.
FileStatus FollowLinks(std::string& path) {
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {};
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
    if (n < 0) return FileStatus::FromErrno(errno);
    if (static_cast<size_t>(n) == sizeof target) return FileStatus::FromErrno(ENAMETOOLONG);
    std::string next(target, static_cast<size_t>(n));
    if (!next.starts_with('/')) {
      const size_t slash = path.rfind('/');
      if (slash != std::string::npos) next.insert(0, path, 0, slash + 1);
    }
    path = std::move(next);
  }
  return FileStatus::FromErrno(ELOOP);
}

// ".NAME.XXXXXX" beside the file, the name cut (at a character boundary)
// so that the whole stays within a folder entry's limit.
std::string TemporaryName(const std::string& path) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static constexpr size_t kSuffix = 6;
  thread_local std::mt19937_64 random{std::random_device{}()};
  const size_t slash = path.rfind('/');
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  size_t end = std::min(path.size(), start + kMaxNameBytes - kSuffix - 2);
  while (end > start && end < path.size() && IsUtf8Continuation(path[end])) --end;
  std::string name = path.substr(0, start) + "." + path.substr(start, end - start) + ".";
  for (size_t i = 0; i < kSuffix; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
  return name;
}

// The old file's mode on the new one; a file system without modes (a FAT
// stick) gives every file the same, which is then no failure.
FileStatus KeepMode(int fd, const struct stat& old) {
  if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
    // Not a member of the old file's group: the folder's default group stays.
  }
  if (::fchmod(fd, old.st_mode & 07777) == 0) return {};
  const int error = errno;
  struct stat now;
  if (::fstat(fd, &now) == 0 && (now.st_mode & 07777) == (old.st_mode & 07777)) return {};
  return FileStatus::FromErrno(error);
}

// The only way left in a folder that takes no new file: the content goes
// over the old file. Its room is reserved first, so a full disk fails
// before a byte of the old content is lost.
FileStatus WriteInPlace(const std::string& path, std::string_view bytes) {
  Descriptor fd(ActiveFileCalls().open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0));
  if (fd.get() < 0) return FileStatus::FromErrno(errno);
  if (!bytes.empty()) {
    const int reserved = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(bytes.size()));
    if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
      return FileStatus::FromErrno(reserved);
    }
  }
  FileStatus status = WriteAll(fd.get(), bytes);
  if (status.ok() && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0) {
    status = FileStatus::FromErrno(errno);
  }
  if (status.ok()) status = Sync(fd.get());
  const FileStatus closed = fd.Close();
  return status.ok() ? closed : status;
}

// Writes, syncs and closes the new file; then it takes the old one's place.
FileStatus FillAndReplace(int fd_number, const std::string& temporary, const std::string& target,
                          std::string_view bytes, const struct stat* old) {
  Descriptor fd(fd_number);
  FileStatus status = old != nullptr ? KeepMode(fd.get(), *old) : FileStatus();
  if (status.ok()) status = WriteAll(fd.get(), bytes);
  if (status.ok()) status = Sync(fd.get());
  const FileStatus closed = fd.Close();
  if (status.ok()) status = closed;
  if (status.ok() && ActiveFileCalls().rename(temporary.c_str(), target.c_str()) != 0) {
    status = FileStatus::FromErrno(errno);
  }
  if (!status.ok()) ::unlink(temporary.c_str());
  return status;
}

}  // namespace

FileStatus FileStatus::FromErrno(int error) {
  FileStatus status;
  status.error_ = error;
  status.reason_ = std::generic_category().message(error);
  return status;
}

FileStatus FileStatus::Refused(std::string reason) {
  FileStatus status;
  status.reason_ = std::move(reason);
  return status;
}

FileStatus TooLarge(uint64_t max_bytes) {
  return FileStatus::Refused("the file is larger than " + std::to_string(max_bytes >> 20) + " MB");
}

FileCalls& ActiveFileCalls() {
  static FileCalls calls = {SystemOpen, ::read, ::write, ::fsync, ::rename};
  return calls;
}

// --- InputFile ---

InputFile::~InputFile() { Close(); }

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), owned_(other.owned_), size_(other.size_) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    owned_ = other.owned_;
    size_ = other.size_;
  }
  return *this;
}

void InputFile::Close() {
  if (fd_ >= 0 && owned_) ::close(fd_);
  fd_ = -1;
}

FileStatus InputFile::Open(const std::string& path, bool regular_only) {
  Close();
  // Not blocking on a pipe without a writer while its kind is checked.
  const int flags = O_RDONLY | O_CLOEXEC | (regular_only ? O_NONBLOCK : 0);
  fd_ = ActiveFileCalls().open(path.c_str(), flags, 0);
  if (fd_ < 0) return FileStatus::FromErrno(errno);
  owned_ = true;
  struct stat st;
  if (::fstat(fd_, &st) != 0) {
    const int error = errno;
    Close();
    return FileStatus::FromErrno(error);
  }
  size_ = S_ISREG(st.st_mode) ? static_cast<uint64_t>(st.st_size) : 0;
  if (regular_only && !S_ISREG(st.st_mode)) {
    Close();
    return S_ISDIR(st.st_mode) ? FileStatus::FromErrno(EISDIR)
                               : FileStatus::Refused("not a regular file");
  }
  if (regular_only) ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  return {};
}

InputFile InputFile::StandardInput() {
  InputFile file;
  file.fd_ = STDIN_FILENO;
  return file;
}

FileStatus InputFile::Read(void* buffer, size_t size, size_t& got) {
  got = 0;
  if (fd_ < 0) return FileStatus::FromErrno(EBADF);
  for (;;) {
    const ssize_t n = ActiveFileCalls().read(fd_, buffer, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileStatus::FromErrno(errno);
    got = static_cast<size_t>(n);
    return {};
  }
}

FileStatus InputFile::ReadFull(void* buffer, size_t size, size_t& got) {
  got = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (got < size) {
    size_t piece = 0;
    if (FileStatus status = Read(bytes + got, size - got, piece); !status.ok()) return status;
    if (piece == 0) break;
    got += piece;
  }
  return {};
}

FileStatus InputFile::Seek(uint64_t offset) {
  if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) return FileStatus::FromErrno(errno);
  return {};
}

// --- FileInputBuffer ---

FileInputBuffer::FileInputBuffer(InputFile file, uint64_t max_bytes)
    : file_(std::move(file)), max_bytes_(max_bytes), buffer_(std::make_unique<char[]>(kPieceSize)) {
  if (file_.Size() > max_bytes_) status_ = TooLarge(max_bytes_);
}

std::string_view FileInputBuffer::NextPiece() {
  if (gptr() == egptr() && underflow() == traits_type::eof()) return {};
  const std::string_view piece(gptr(), static_cast<size_t>(egptr() - gptr()));
  setg(eback(), egptr(), egptr());
  return piece;
}

FileInputBuffer::int_type FileInputBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (!status_.ok()) return traits_type::eof();
  size_t got = 0;
  status_ = file_.Read(buffer_.get(), kPieceSize, got);
  if (!status_.ok() || got == 0) return traits_type::eof();
  total_ += got;
  if (total_ > max_bytes_) {
    status_ = TooLarge(max_bytes_);
    return traits_type::eof();
  }
  setg(buffer_.get(), buffer_.get(), buffer_.get() + got);
  return traits_type::to_int_type(*gptr());
}

FileStatus ReadFileChunks(const std::string& path, uint64_t max_bytes, bool regular_only,
                          const std::function<bool(std::string_view piece)>& take) {
  InputFile file;
  if (FileStatus opened = file.Open(path, regular_only); !opened.ok()) return opened;
  FileInputBuffer buffer(std::move(file), max_bytes);
  for (std::string_view piece = buffer.NextPiece(); !piece.empty(); piece = buffer.NextPiece()) {
    if (!take(piece)) return {};
  }
  return buffer.status();
}

// --- Saving ---

FileStatus WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string target = path;
  if (FileStatus followed = FollowLinks(target); !followed.ok()) return followed;
  struct stat old;
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    if (S_ISDIR(old.st_mode)) return FileStatus::FromErrno(EISDIR);
    if (!S_ISREG(old.st_mode)) return FileStatus::Refused("not a regular file");
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
      return FileStatus::Refused("the file is read-only");
    }
    if (::access(target.c_str(), W_OK) != 0) return FileStatus::FromErrno(errno);
  }
  // A name taken meanwhile (another save of the same file) is passed over.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temporary = TemporaryName(target);
    const int fd = ActiveFileCalls().open(
        temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) return FillAndReplace(fd, temporary, target, bytes, exists ? &old : nullptr);
    const int error = errno;
    if (error == EEXIST) continue;
    if (exists && (error == EACCES || error == EPERM || error == EROFS)) {
      return WriteInPlace(target, bytes);
    }
    return FileStatus::FromErrno(error);
  }
  return FileStatus::FromErrno(EEXIST);
}

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return FileStamp{static_cast<uint64_t>(st.st_size),
                   int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec};
}

}  // namespace tavrune
