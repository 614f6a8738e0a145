#include "cardbox/cardbox_status.h"

#include <vector>

#include "resources/string_table.h"

namespace tavrune {
namespace {

int MessageId(const CardboxStatus& status) {
  switch (status.error) {
    case CardboxError::kNone:
      return 0;
    case CardboxError::kFolder:
      return cardbox_text::kFolderUnusable;
    case CardboxError::kNotCardbox:
      return cardbox_text::kNotCardbox;
    case CardboxError::kDamaged:
      return cardbox_text::kDamaged;
    case CardboxError::kNewerVersion:
      return cardbox_text::kNewerVersion;
    case CardboxError::kBusy:
      return cardbox_text::kBusy;
    case CardboxError::kFailed:
      return cardbox_text::kFailed;
    case CardboxError::kNotQuizFile:
      return cardbox_text::kNotQuizFile;
  }
  return cardbox_text::kFailed;
}

std::vector<std::string> MessageArgs(const CardboxStatus& status) {
  return {status.path, status.detail};
}

}  // namespace

std::string CardboxMessageText(const CardboxStatus& status) {
  return MessageText(MessageId(status), MessageArgs(status));
}

void ReportCardboxStatus(const CardboxStatus& status, UserPrompt& prompt) {
  if (status.ok()) return;
  prompt.ShowMessage(MessageId(status), MessageArgs(status), UserPrompt::Icon::kWarning);
}

}  // namespace tavrune
