#ifndef TAVRUNE_CARDBOX_CARDBOX_STATUS_H_
#define TAVRUNE_CARDBOX_CARDBOX_STATUS_H_

#include <string>

#include "platform/user_prompt.h"

namespace tavrune {

enum class CardboxError {
  kNone,
  kFolder,        // the data folder cannot be made or written
  kNotCardbox,    // the file is no database, or another program's
  kDamaged,       // it fails SQLite's quick check
  kNewerVersion,  // written by a newer version of the program
  kBusy,          // another program held the write lock for too long
  kFailed,        // any other failure to read or write
  kNotQuizFile,   // an import file that is no quiz database of the peer format
};

// The outcome of a cardbox operation. A failed one changed nothing.
struct CardboxStatus {
  CardboxError error = CardboxError::kNone;
  std::string path;    // the file or folder concerned
  std::string detail;  // the system's or SQLite's reason, or a version

  bool ok() const { return error == CardboxError::kNone; }
};

// String-table numbers of the cardbox texts.
namespace cardbox_text {
inline constexpr int kFolderUnusable = 40200;
inline constexpr int kNotCardbox = 40201;
inline constexpr int kDamaged = 40202;
inline constexpr int kNewerVersion = 40203;
inline constexpr int kBusy = 40204;
inline constexpr int kFailed = 40205;
inline constexpr int kNotQuizFile = 40206;
}  // namespace cardbox_text

// A failed status's message: one line, for the command line too.
std::string CardboxMessageText(const CardboxStatus& status);

// Shows a failed status as a message box.
void ReportCardboxStatus(const CardboxStatus& status, UserPrompt& prompt);

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_CARDBOX_STATUS_H_
