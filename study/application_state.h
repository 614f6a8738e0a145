#ifndef TAVRUNE_STUDY_APPLICATION_STATE_H_
#define TAVRUNE_STUDY_APPLICATION_STATE_H_

#include <string>

#include "dictionary/dictionary.h"
#include "platform/settings.h"
#include "platform/user_prompt.h"
#include "wordlist/predefined_list.h"

namespace tavrune {

// The study program's application object: its dictionary, and what the
// program remembers besides (the welcome tips, definitions under answers,
// the predefined list picked last). Like the dictionary it writes each
// choice as it changes.
class ApplicationState : public Dictionary {
 public:
  ApplicationState(std::string data_folder, Settings& settings, UserPrompt& prompt);

  // The dictionary keys and the program's own.
  void ReadSettings();

  const PredefinedListChoice& PredefinedList() const { return predefined_list_; }
  void SetPredefinedList(PredefinedListChoice choice);

  bool ShowWelcome() const { return show_welcome_; }
  void SetShowWelcome(bool on);
  bool ShowDefinitions() const { return show_definitions_; }
  void SetShowDefinitions(bool on);

 private:
  void WriteOwnSettings() const;

  Settings& settings_;
  PredefinedListChoice predefined_list_;
  bool show_welcome_ = true;
  bool show_definitions_ = false;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_APPLICATION_STATE_H_
