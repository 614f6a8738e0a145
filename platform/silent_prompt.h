#ifndef TAVRUNE_PLATFORM_SILENT_PROMPT_H_
#define TAVRUNE_PLATFORM_SILENT_PROMPT_H_

#include <string>
#include <vector>

#include "platform/user_prompt.h"

namespace tavrune {

// Shows nothing and gives fixed answers, for benchmarks and fuzzing where
// nobody is there to ask. By default it declines whatever it is asked.
class SilentPrompt : public UserPrompt {
 public:
  explicit SilentPrompt(Answer yes_no = Answer::kNo, Answer yes_no_cancel = Answer::kCancel)
      : yes_no_(yes_no), yes_no_cancel_(yes_no_cancel) {}

  void ShowMessage(int, const std::vector<std::string>&, Icon) override { ++messages; }
  Answer AskYesNo(int, const std::vector<std::string>&) override { return yes_no_; }
  Answer AskYesNoCancel(int, const std::vector<std::string>&) override { return yes_no_cancel_; }
  void SetStatusText(int, const std::vector<std::string>&) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}

  int messages = 0;

 private:
  Answer yes_no_;
  Answer yes_no_cancel_;
};

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_SILENT_PROMPT_H_
