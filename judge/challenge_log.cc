#include "judge/challenge_log.h"

#include <cstdio>
#include <utility>

namespace tavrune {
namespace {

// Writes `text` to an open file and closes it; false when any of it failed.
bool WriteAndClose(std::FILE* file, std::string_view text) {
  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  ok = std::fflush(file) == 0 && ok;
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

std::FILE* OpenForAppend(const std::string& path) { return std::fopen(path.c_str(), "a"); }

}  // namespace

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

ChallengeLog::ChallengeLog(std::string folder, LogClock clock)
    : folder_(std::move(folder)), clock_(std::move(clock)) {
  if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
  if (!clock_) clock_ = LocalTimeNow;
}

std::string ChallengeLog::PathOf(std::string_view name) const {
  return folder_ + std::string(name);
}

bool ChallengeLog::Append(std::string_view entry) {
  std::string line = LogStamp(clock_());
  line += entry;
  std::FILE* file = OpenForAppend(PathOf(kChallengeLogName));
  if (file == nullptr) return false;
  return WriteAndClose(file, line);
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
  std::string acceptable;
  std::string unacceptable;
  for (size_t i = 0; i < challenge.words.size(); ++i) {
    const std::string& word = challenge.words[i];
    if (i > 0) play += ' ';
    play += word;
    std::string& words_log =
        i < challenge.found.size() && challenge.found[i] ? acceptable : unacceptable;
    words_log += word;
    words_log += '\n';
  }
  play += challenge.verdict == Verdict::kAcceptable ? " | ACCEPTABLE\n" : " | NOT ACCEPTABLE\n";
  const bool logged = Append(play);

  std::FILE* acceptable_file = OpenForAppend(PathOf(kAcceptableWordsLogName));
  std::FILE* unacceptable_file = OpenForAppend(PathOf(kUnacceptableWordsLogName));
  if (acceptable_file == nullptr || unacceptable_file == nullptr) {
    if (acceptable_file != nullptr) std::fclose(acceptable_file);
    if (unacceptable_file != nullptr) std::fclose(unacceptable_file);
    return false;
  }
  const bool wrote_acceptable = WriteAndClose(acceptable_file, acceptable);
  const bool wrote_unacceptable = WriteAndClose(unacceptable_file, unacceptable);
  return logged && wrote_acceptable && wrote_unacceptable;
}

}  // namespace tavrune
