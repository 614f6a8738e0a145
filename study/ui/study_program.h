#ifndef TAVRUNE_STUDY_UI_STUDY_PROGRAM_H_
#define TAVRUNE_STUDY_UI_STUDY_PROGRAM_H_

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cardbox/cardbox.h"
#include "cardbox/lazy_cardbox.h"
#include "engine/random_source.h"
#include "study/application_state.h"
#include "study/startup.h"
#include "study/ui/main_frame.h"
#include "wordlist/predefined_catalog.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune {

// The study program from start to end: the application object, the
// catalogue, the one document and the main window, brought up in the order
// start-up needs; every setting is written as it changes.
class StudyProgram {
 public:
  // What start-up shows; the program uses its dialogs, tests their own.
  struct Hooks {
    // The first-run "Choose a Dictionary"; by default the dialog.
    DictionaryChooser choose_dictionary;
    // The banner while the lexicons load; none by default.
    std::function<void()> before_loading;
    std::function<void()> after_loading;
    // The welcome tips; returns whether "Do not show this window again" was
    // checked. By default the dialog.
    std::function<bool(std::vector<std::string> tips)> show_welcome;
    // Called once the main window exists, before anything is shown in it.
    std::function<void(MMainFrame&)> frame_created;
    // Without a file to open, start with the New Predefined List flow.
    bool new_list_flow = true;
    // The cardbox and its clock; by default the user's own and the time
    // TAVRUNE_NOW sets, else the system's.
    std::string cardbox_path;
    CardboxClock clock;
  };

  StudyProgram(std::string data_folder, Settings& settings, UserPrompt& prompt, Hooks hooks);
  // The window goes before the document it shows.
  ~StudyProgram();
  StudyProgram(const StudyProgram&) = delete;
  StudyProgram& operator=(const StudyProgram&) = delete;

  // Start-up; `file` (may be empty) is opened instead of starting a new
  // list. False when the program cannot start (the user has been told).
  bool Start(const std::string& file);

  ApplicationState& App() { return app_; }
  PredefinedCatalog& Catalog() { return catalog_; }
  MTavruneDoc* Doc() { return doc_.get(); }
  MMainFrame* Frame() { return frame_.get(); }
  LazyCardbox& Cards() { return cardbox_; }

 private:
  Settings& settings_;
  UserPrompt& prompt_;
  Hooks hooks_;
  RandomEngine random_;
  ApplicationState app_;
  LazyCardbox cardbox_;
  PredefinedCatalog catalog_;
  std::unique_ptr<MTavruneDoc> doc_;
  std::unique_ptr<QuizRecord> quiz_;
  std::unique_ptr<MMainFrame> frame_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_STUDY_PROGRAM_H_
