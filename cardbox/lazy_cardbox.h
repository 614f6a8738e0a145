#ifndef TAVRUNE_CARDBOX_LAZY_CARDBOX_H_
#define TAVRUNE_CARDBOX_LAZY_CARDBOX_H_

#include <cstdint>
#include <string>

#include "cardbox/cardbox.h"
#include "platform/user_prompt.h"

namespace tavrune {

// The study program's cardbox, opened at its first use so that start-up
// never waits for a large one. A failure to open it is said once; from then
// on the cardbox is absent for the session and the quiz goes on without
// grading. Only a busy file, which another program is migrating at that
// moment, is tried again at the next use.
class LazyCardbox {
 public:
  LazyCardbox(std::string path, CardboxClock clock, uint32_t seed, UserPrompt& prompt);

  // The open cardbox, or null when it cannot be opened.
  Cardbox* Get();
  // The same, but null without opening when the file does not exist yet: a
  // quiz or the start-up count never makes a cardbox nobody asked for.
  Cardbox* GetIfPresent();

 private:
  std::string path_;
  Cardbox cardbox_;
  UserPrompt& prompt_;
  bool failed_ = false;
};

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_LAZY_CARDBOX_H_
