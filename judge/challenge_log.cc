#include "judge/challenge_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace tavrune {
namespace {

std::string WithTrailingSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// Whether the file of `fd`, `size` bytes long, ends in a line break. A file
// that cannot be read back is taken to end well.
bool EndsInLineBreak(int fd, off_t size) {
  char last = '\n';
  return pread(fd, &last, 1, size - 1) != 1 || last == '\n';
}

// Cuts the `count` bytes just appended through `fd` off again, unless
// something was appended after them.
void CutTail(int fd, size_t count) {
  const off_t end = lseek(fd, 0, SEEK_CUR);
  struct stat status;
  if (end >= static_cast<off_t>(count) && fstat(fd, &status) == 0 && status.st_size == end) {
    (void)ftruncate(fd, end - static_cast<off_t>(count));
  }
}

LogFileCalls& SystemCalls() {
  static LogFileCalls calls;
  return calls;
}

}  // namespace

int LogFileCalls::OpenForAppend(const std::string& path) {
  // Read access lets the log look at the file's last byte; a file it may
  // only write to is still used. O_NONBLOCK keeps a FIFO in a log's place
  // from hanging the judge.
  constexpr int kFlags = O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK;
  int fd = open(path.c_str(), O_RDWR | kFlags, 0666);
  if (fd < 0 && errno == EACCES) fd = open(path.c_str(), O_WRONLY | kFlags, 0666);
  return fd;
}

long LogFileCalls::Write(int fd, const char* data, size_t size) { return write(fd, data, size); }

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  // The program has one thread; localtime's shared buffer is copied at once.
  if (const std::tm* t = std::localtime(&now)) local = *t;
  return local;
}

std::string LogStamp(const std::tm& time) {
  char date[32] = {};
  char clock[32] = {};
  if (std::strftime(date, sizeof date, "%m/%d/%y", &time) == 0) date[0] = '\0';
  if (std::strftime(clock, sizeof clock, "%H:%M:%S", &time) == 0) clock[0] = '\0';
  return std::string(date) + " " + clock + "| ";
}

ChallengeLog::ChallengeLog(std::string folder, LogClock clock, LogFileCalls* calls)
    : folder_(WithTrailingSlash(std::move(folder))),
      clock_(std::move(clock)),
      calls_(calls != nullptr ? calls : &SystemCalls()) {
  if (!clock_) clock_ = LocalTimeNow;
}

std::string ChallengeLog::PathOf(File file) const {
  static constexpr const char* kNames[kFileCount] = {kChallengeLogName, kAcceptableWordsLogName,
                                                     kUnacceptableWordsLogName};
  return folder_ + kNames[file];
}

bool ChallengeLog::MoveTo(std::string folder) {
  folder_ = WithTrailingSlash(std::move(folder));
  return Retry();
}

bool ChallengeLog::Append(std::string_view entry) {
  std::string line = LogStamp(clock_());
  line += entry;
  waiting_[kChallenge].push_back(std::move(line));
  return Retry();
}

bool ChallengeLog::StartSession(std::string_view lexicon_caption) {
  const bool marker = Append("*** STARTING JUDGE SESSION ***\n");
  std::string caption(lexicon_caption);
  caption += '\n';
  return Append(caption) && marker;
}

bool ChallengeLog::EndSession() { return Append("*** ENDING JUDGE SESSION ***\n"); }

bool ChallengeLog::LogChallenge(const ChallengeResult& challenge) {
  if (challenge.words.empty()) return false;
  std::string play;
  for (size_t i = 0; i < challenge.words.size(); ++i) {
    const std::string& word = challenge.words[i];
    if (i > 0) play += ' ';
    play += word;
    const bool found = i < challenge.found.size() && challenge.found[i];
    waiting_[found ? kAcceptable : kUnacceptable].push_back(word + '\n');
  }
  play += challenge.verdict == Verdict::kAcceptable ? " | ACCEPTABLE\n" : " | NOT ACCEPTABLE\n";
  return Append(play);
}

bool ChallengeLog::Retry() {
  failure_ = {};
  if (!waiting_[kChallenge].empty()) Flush({kChallenge});
  if (!waiting_[kAcceptable].empty() || !waiting_[kUnacceptable].empty()) {
    Flush({kAcceptable, kUnacceptable});
  }
  return Waiting() == 0;
}

size_t ChallengeLog::Waiting() const {
  size_t count = 0;
  for (const std::deque<std::string>& lines : waiting_) count += lines.size();
  return count;
}

std::string ChallengeLog::Failure::Reason() const { return std::generic_category().message(error); }

std::vector<std::string> ChallengeLog::WaitingArgs() const {
  return {std::to_string(Waiting()), failure_.path, failure_.Reason()};
}

void ChallengeLog::NoteFailure(File file, int error) {
  if (failure_.error == 0) failure_ = {PathOf(file), error};
}

void ChallengeLog::Flush(std::initializer_list<File> files) {
  std::array<int, kFileCount> fds;
  fds.fill(-1);
  bool opened = true;
  for (File file : files) {
    fds[file] = calls_->OpenForAppend(PathOf(file));
    if (fds[file] < 0) {
      NoteFailure(file, errno);
      opened = false;
      break;
    }
  }
  if (opened) {
    for (File file : files) WriteWaiting(file, fds[file]);
  }
  for (int fd : fds) {
    if (fd >= 0) close(fd);
  }
}

void ChallengeLog::WriteWaiting(File file, int fd) {
  std::deque<std::string>& lines = waiting_[file];
  struct stat status;
  const bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  bool torn = regular && status.st_size > 0 && !EndsInLineBreak(fd, status.st_size);
  while (!lines.empty()) {
    const std::string text = torn ? '\n' + lines.front() : lines.front();
    // One write takes the whole line unless the system stops part way; the
    // rest is tried at once, which brings out the system's reason.
    size_t done = 0;
    int error = 0;
    while (done < text.size()) {
      const long count = calls_->Write(fd, text.data() + done, text.size() - done);
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) {
        error = count < 0 ? errno : EIO;
        break;
      }
      done += static_cast<size_t>(count);
    }
    if (done < text.size()) {
      // A piece that cannot be cut off is mended by the torn-file check
      // of the next write.
      if (done > 0 && regular) CutTail(fd, done);
      NoteFailure(file, error);
      return;
    }
    torn = false;
    lines.pop_front();
  }
}

}  // namespace tavrune
