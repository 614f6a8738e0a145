#ifndef TAVRUNE_JUDGE_JUDGE_SESSION_H_
#define TAVRUNE_JUDGE_JUDGE_SESSION_H_

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/lexicon.h"
#include "engine/lexicon_directory.h"
#include "engine/lexicon_id.h"
#include "judge/challenge_log.h"
#include "platform/settings.h"
#include "platform/user_prompt.h"

namespace tavrune {

inline constexpr char kJudgeSettingsSection[] = "General";
inline constexpr char kCurrentLexiconKey[] = "CurrentLexicon";
inline constexpr char kChallengeLogDirectoryKey[] = "ChallengeLogDirectory";
inline constexpr char kNoMouseFlagKey[] = "NoMouseFlag";

// The longest log folder the choice dialog's edit takes.
inline constexpr size_t kMaxLogDirectoryLength = 512;

// What the judge program keeps between runs, always normalised.
struct JudgeSettings {
  LexiconId current_lexicon = LexiconId::kNA;
  std::string log_directory;  // ends with '/'
  bool no_mouse = true;

  friend bool operator==(const JudgeSettings&, const JudgeSettings&) = default;
};

// A log folder as stored: a trailing '/' appended. An empty folder or one
// longer than the edit takes means `default_directory`.
std::string NormalizeLogDirectory(std::string_view directory, std::string_view default_directory);

// Reads the three settings; anything odd in the store reads as its default.
JudgeSettings ReadJudgeSettings(const Settings& settings, std::string_view default_log_directory);
void WriteJudgeSettings(Settings& settings, const JudgeSettings& values);

// The lexicon preselected in the choice dialog: `current` when it is present,
// otherwise the first present of NA, UK, UKNA, FR, NAF. nullopt when none is.
std::optional<LexiconId> PreselectedLexicon(const std::array<bool, kLexiconCount>& present,
                                            LexiconId current);

// "Lexicon: name: description", the judge window's bottom line and the
// second entry of a session in the challenge log.
std::string LexiconCaption(const LexiconHeader& header);

// The judge program's life outside its windows: settings, the lexicon files,
// the chosen lexicon and the challenge log. The program calls Start, shows
// the choice dialog over Directory() and Choice(), calls SetChoice when the
// user pressed OK, then Load, runs the judge window and calls End.
class JudgeSession {
 public:
  JudgeSession(Settings& settings, UserPrompt& prompt, std::string default_log_directory,
               LogClock clock = LocalTimeNow);

  // Reads the settings and looks for the lexicon files in the data folder.
  // False, after message 102, when there is none.
  bool Start(const std::string& data_folder);

  const LexiconDirectory& Directory() const { return directory_; }
  std::array<bool, kLexiconCount> PresentLexicons() const;
  // The settings with the preselected lexicon; taken as they are when the
  // choice dialog is cancelled.
  const JudgeSettings& Choice() const { return choice_; }
  // The user's choice, normalised. A lexicon that is not present keeps the
  // preselected one.
  void SetChoice(JudgeSettings choice);

  // Writes the settings back, loads the chosen lexicon under the wait cursor
  // and opens the log session. False, after message 103 when the file cannot
  // be read or 110 when it is damaged.
  bool Load();
  // Closes the log session (once).
  void End();

  // Another log folder picked by the user, starting at `current`; nullopt
  // when the user cancels.
  using FolderChooser = std::function<std::optional<std::string>(const std::string& current)>;
  // After Load: when the session's first entries could not be written, says
  // so (question 109) and, on Yes, lets the user pick another folder, until
  // one takes them or the user gives up. A folder picked is stored. Returns
  // whether nothing waits to be written.
  bool CheckLogFolder(const FolderChooser& choose);

  const Lexicon& CurrentLexicon() const { return lexicon_; }
  std::string Caption() const { return LexiconCaption(lexicon_.Header()); }
  ChallengeLog& Log() { return log_; }
  bool NoMouse() const { return choice_.no_mouse; }

 private:
  Settings& settings_;
  UserPrompt& prompt_;
  std::string default_log_directory_;
  LogClock clock_;
  LexiconDirectory directory_;
  JudgeSettings choice_;
  Lexicon lexicon_;
  ChallengeLog log_;
  bool session_open_ = false;
};

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_JUDGE_SESSION_H_
