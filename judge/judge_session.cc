#include "judge/judge_session.h"

#include <cstdio>
#include <utility>

#include "judge/judge_messages.h"

namespace tavrune {
namespace {

// Loads `path` into `lexicon`: 0 when it loaded, else the message that says
// why not. A file that cannot be opened or read is 103; one read whole but
// refused is damaged, which no change of permissions mends.
int LoadLexicon(Lexicon& lexicon, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return kLexiconUnreadableMessage;
  const bool loaded = lexicon.Load(file);
  const bool read_error = std::ferror(file) != 0;
  std::fclose(file);
  if (loaded) return 0;
  return read_error ? kLexiconUnreadableMessage : kLexiconDamagedMessage;
}

}  // namespace

std::string NormalizeLogDirectory(std::string_view directory, std::string_view default_directory) {
  std::string folder(directory.empty() || directory.size() > kMaxLogDirectoryLength
                         ? default_directory
                         : directory);
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

JudgeSettings ReadJudgeSettings(const Settings& settings, std::string_view default_log_directory) {
  JudgeSettings values;
  values.current_lexicon = NormalizeLexiconId(settings.GetInt(
      kJudgeSettingsSection, kCurrentLexiconKey, static_cast<long long>(LexiconId::kNA)));
  values.log_directory = NormalizeLogDirectory(
      settings.GetString(kJudgeSettingsSection, kChallengeLogDirectoryKey, default_log_directory),
      default_log_directory);
  values.no_mouse = settings.GetInt(kJudgeSettingsSection, kNoMouseFlagKey, 1) != 0;
  return values;
}

void WriteJudgeSettings(Settings& settings, const JudgeSettings& values) {
  settings.PutInt(kJudgeSettingsSection, kCurrentLexiconKey, Index(values.current_lexicon));
  settings.PutString(kJudgeSettingsSection, kChallengeLogDirectoryKey, values.log_directory);
  settings.PutInt(kJudgeSettingsSection, kNoMouseFlagKey, values.no_mouse ? 1 : 0);
}

std::optional<LexiconId> PreselectedLexicon(const std::array<bool, kLexiconCount>& present,
                                            LexiconId current) {
  if (present[Index(current)]) return current;
  for (LexiconId id :
       {LexiconId::kNA, LexiconId::kUK, LexiconId::kUKNA, LexiconId::kFR, LexiconId::kNAF}) {
    if (present[Index(id)]) return id;
  }
  return std::nullopt;
}

std::string LexiconCaption(const LexiconHeader& header) {
  return "Lexicon: " + StatusPaneText(header);
}

JudgeSession::JudgeSession(Settings& settings, UserPrompt& prompt,
                           std::string default_log_directory, LogClock clock)
    : settings_(settings),
      prompt_(prompt),
      default_log_directory_(std::move(default_log_directory)),
      clock_(std::move(clock)),
      log_(std::string(), clock_) {}

bool JudgeSession::Start(const std::string& data_folder) {
  choice_ = ReadJudgeSettings(settings_, default_log_directory_);
  directory_ = LexiconDirectory::Discover(data_folder);
  const std::optional<LexiconId> preselected =
      PreselectedLexicon(PresentLexicons(), choice_.current_lexicon);
  if (!preselected) {
    prompt_.ShowMessage(kNoLexiconsMessage, {}, UserPrompt::Icon::kError);
    return false;
  }
  choice_.current_lexicon = *preselected;
  return true;
}

std::array<bool, kLexiconCount> JudgeSession::PresentLexicons() const {
  std::array<bool, kLexiconCount> present = {};
  for (LexiconId id : kAllLexiconIds) present[Index(id)] = directory_.Present(id);
  return present;
}

void JudgeSession::SetChoice(JudgeSettings choice) {
  const LexiconId lexicon = NormalizeLexiconId(Index(choice.current_lexicon));
  if (directory_.Present(lexicon)) choice_.current_lexicon = lexicon;
  choice_.log_directory = NormalizeLogDirectory(choice.log_directory, default_log_directory_);
  choice_.no_mouse = choice.no_mouse;
}

bool JudgeSession::Load() {
  WriteJudgeSettings(settings_, choice_);
  const std::string path = directory_.PathOf(choice_.current_lexicon);
  int failure = 0;
  {
    WaitCursor wait(prompt_);
    failure = LoadLexicon(lexicon_, path);
  }
  if (failure != 0) {
    prompt_.ShowMessage(failure, {path}, UserPrompt::Icon::kError);
    return false;
  }
  log_.MoveTo(choice_.log_directory);
  log_.StartSession(Caption());
  session_open_ = true;
  return true;
}

bool JudgeSession::CheckLogFolder(const FolderChooser& choose) {
  while (session_open_ && log_.Waiting() > 0) {
    if (prompt_.AskYesNo(kLogFolderUnwritableQuestion,
                         {choice_.log_directory, log_.LastFailure().Reason()}) !=
        UserPrompt::Answer::kYes) {
      break;
    }
    const std::optional<std::string> folder = choose(choice_.log_directory);
    if (!folder) break;
    choice_.log_directory = NormalizeLogDirectory(*folder, default_log_directory_);
    WriteJudgeSettings(settings_, choice_);
    log_.MoveTo(choice_.log_directory);
  }
  return log_.Waiting() == 0;
}

void JudgeSession::End() {
  if (!session_open_) return;
  session_open_ = false;
  log_.EndSession();
}

}  // namespace tavrune
