#ifndef TAVRUNE_JUDGE_CHALLENGE_LOG_H_
#define TAVRUNE_JUDGE_CHALLENGE_LOG_H_

#include <array>
#include <cstddef>
#include <ctime>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "judge/challenge.h"

namespace tavrune {

inline constexpr char kChallengeLogName[] = "TavruneWJ Challenge Log.txt";
inline constexpr char kAcceptableWordsLogName[] = "TavruneWJ Acceptable Words Log.txt";
inline constexpr char kUnacceptableWordsLogName[] = "TavruneWJ Unacceptable Words Log.txt";

// The local wall-clock time; tests give a fixed one.
using LogClock = std::function<std::tm()>;
std::tm LocalTimeNow();

// "MM/DD/YY HH:MM:SS| ", the stamp in front of every challenge-log entry.
std::string LogStamp(const std::tm& time);

// The two system calls a log entry makes on its file, so tests can make them
// fail as a read-only folder or a full disk would.
class LogFileCalls {
 public:
  virtual ~LogFileCalls() = default;
  // A descriptor open for appending (created when missing), or -1 with errno.
  virtual int OpenForAppend(const std::string& path);
  // write(2).
  virtual long Write(int fd, const char* data, size_t size);
};

// The judge program's text logs in one folder. Every entry opens its file,
// writes each line with one write on an O_APPEND descriptor and closes it, so
// a line is whole or absent even when the disk fills. A line that cannot be
// written waits in memory and goes out, in order, with the next write that
// succeeds; judging never waits for the logs. A file that does not end in a
// line break (torn by a crash) gets one before the next line.
class ChallengeLog {
 public:
  // Why a write failed: the file and the system's error number.
  struct Failure {
    std::string path;
    int error = 0;

    // The system's words for `error`.
    std::string Reason() const;
  };

  explicit ChallengeLog(std::string folder, LogClock clock = LocalTimeNow,
                        LogFileCalls* calls = nullptr);

  // The folder, with a trailing '/' unless empty.
  const std::string& Folder() const { return folder_; }
  // Writes to another folder from now on, lines still waiting first.
  bool MoveTo(std::string folder);

  // One dated entry of the challenge log; `entry` is written unchanged.
  // Each entry tries the lines that wait as well, and returns whether none
  // is left.
  bool Append(std::string_view entry);

  bool StartSession(std::string_view lexicon_caption);
  bool EndSession();

  // The play's line in the challenge log, then each word in the acceptable or
  // the unacceptable words log. The word logs are written only when both can
  // be opened, so they never tell half a story.
  bool LogChallenge(const ChallengeResult& challenge);

  // Tries the lines that wait again; true when none is left.
  bool Retry();
  // The lines not written yet, over all three files.
  size_t Waiting() const;
  // Why lines wait: the first failure of the last try; meaningful while
  // Waiting() is not 0.
  const Failure& LastFailure() const { return failure_; }
  // The number of waiting lines, the file and the system's reason, as the
  // messages about waiting lines take them.
  std::vector<std::string> WaitingArgs() const;

 private:
  enum File { kChallenge, kAcceptable, kUnacceptable, kFileCount };

  std::string PathOf(File file) const;
  void NoteFailure(File file, int error);
  // Opens every one of `files` (none is written when one cannot be opened)
  // and writes the lines waiting for them.
  void Flush(std::initializer_list<File> files);
  // Stops at the first line that cannot be written, noting why.
  void WriteWaiting(File file, int fd);

  std::string folder_;
  LogClock clock_;
  LogFileCalls* calls_;
  std::array<std::deque<std::string>, kFileCount> waiting_;
  Failure failure_;
};

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_CHALLENGE_LOG_H_
