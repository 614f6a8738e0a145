#include "cardbox/cardbox_status.h"

#include "resources/string_table.h"

namespace tavrune {

int CardboxMessageId(const CardboxStatus& status) {
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

std::vector<std::string> CardboxMessageArgs(const CardboxStatus& status) {
  return {status.path, status.detail};
}

std::string CardboxMessageLine(const CardboxStatus& status) {
  std::string line = MessageText(CardboxMessageId(status), CardboxMessageArgs(status));
  for (char& c : line) {
    if (c == '\n') c = ' ';
  }
  return line;
}

void ReportCardboxStatus(const CardboxStatus& status, UserPrompt& prompt) {
  if (status.ok()) return;
  prompt.ShowMessage(CardboxMessageId(status), CardboxMessageArgs(status),
                     UserPrompt::Icon::kWarning);
}

}  // namespace tavrune
