#ifndef TAVRUNE_PLATFORM_USER_PROMPT_H_
#define TAVRUNE_PLATFORM_USER_PROMPT_H_

#include <string>
#include <vector>

#include "engine/file_io.h"

namespace tavrune {

// How a model talks back to the user without knowing about windows. Message
// ids are string-table numbers (resources/string_table.h); %1, %2 ... in the
// text are replaced by `args`. The programs show real message boxes; tests
// record what was shown and answer as scripted, so nothing ever blocks.
class UserPrompt {
 public:
  enum class Answer { kOk, kYes, kNo, kCancel };
  enum class Icon { kNone, kInformation, kWarning, kError, kQuestion };

  virtual ~UserPrompt() = default;
  // A message with an OK button.
  virtual void ShowMessage(int id, const std::vector<std::string>& args = {},
                           Icon icon = Icon::kWarning) = 0;
  // A question answered kYes or kNo.
  virtual Answer AskYesNo(int id, const std::vector<std::string>& args = {}) = 0;
  // A question answered kYes, kNo or kCancel.
  virtual Answer AskYesNoCancel(int id, const std::vector<std::string>& args = {}) = 0;
  // The first status-bar pane; kIdleText puts the idle text back.
  virtual void SetStatusText(int id, const std::vector<std::string>& args = {}) = 0;
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
};

// A file error: message `id` (40003, 40004, 40025) with the path as %1 and
// the reason why as %2, which the string table shows below the text.
inline void ShowFileError(UserPrompt& prompt, int id, const std::string& path,
                          const FileStatus& status) {
  prompt.ShowMessage(id, {path, status.reason()});
}

// Shows the wait cursor for the life of a scope.
class WaitCursor {
 public:
  explicit WaitCursor(UserPrompt& prompt) : prompt_(prompt) { prompt_.BeginWaitCursor(); }
  ~WaitCursor() { prompt_.EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  UserPrompt& prompt_;
};

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_USER_PROMPT_H_
