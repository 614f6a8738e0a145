#ifndef TAVRUNE_JUDGE_CHALLENGE_LOG_H_
#define TAVRUNE_JUDGE_CHALLENGE_LOG_H_

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

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

// The judge program's text logs in one folder. Every entry opens its file for
// appending, writes the whole entry at once, flushes and closes it, so a
// crash or a pulled plug loses at most the entry being written. A folder or
// file that cannot be written is skipped without a word: logging never stands
// in the way of judging. The functions report whether everything was written,
// for tests; the program ignores it.
class ChallengeLog {
 public:
  explicit ChallengeLog(std::string folder, LogClock clock = LocalTimeNow);

  // The folder, with a trailing '/' unless empty.
  const std::string& Folder() const { return folder_; }

  // One dated entry of the challenge log; `entry` is written unchanged.
  bool Append(std::string_view entry);

  bool StartSession(std::string_view lexicon_caption);
  bool EndSession();

  // The play's line in the challenge log, then each word in the acceptable or
  // the unacceptable words log. The word logs get lines only when both can
  // be opened, so they never tell half a story.
  bool LogChallenge(const ChallengeResult& challenge);

 private:
  std::string PathOf(std::string_view name) const;

  std::string folder_;
  LogClock clock_;
};

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_CHALLENGE_LOG_H_
