#include "study/ui/study_program.h"

#include <QTimer>
#include <chrono>

#include "cardbox/cardbox_clock.h"
#include "options/ui/choose_dictionary_dialog.h"
#include "study/ui/welcome_dialog.h"
#include "study/welcome_tips.h"

namespace tavrune {
namespace {

std::string CardboxPathOf(const StudyProgram::Hooks& hooks) {
  return hooks.cardbox_path.empty() ? DefaultCardboxPath() : hooks.cardbox_path;
}

CardboxClock ClockOf(const StudyProgram::Hooks& hooks) {
  if (hooks.clock) return hooks.clock;
  // A TAVRUNE_NOW that is no number is passed over for the system's time:
  // a window has nowhere to say so before it exists.
  std::string ignored;
  return ProgramClock(&ignored);
}

int ChooseWithDialog(const DictionaryOffer& offer) {
  ChooseDictionaryDialog dialog(offer.offered, Index(offer.preselected));
  dialog.exec();
  return dialog.Choice();
}

}  // namespace

StudyProgram::StudyProgram(std::string data_folder, Settings& settings, UserPrompt& prompt,
                           Hooks hooks)
    : settings_(settings),
      prompt_(prompt),
      hooks_(std::move(hooks)),
      random_(static_cast<RandomEngine::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())),
      app_(std::move(data_folder), settings, prompt),
      cardbox_(CardboxPathOf(hooks_), ClockOf(hooks_), static_cast<uint32_t>(random_()), prompt),
      catalog_(prompt) {
  if (!hooks_.choose_dictionary) hooks_.choose_dictionary = ChooseWithDialog;
  if (!hooks_.show_welcome) {
    hooks_.show_welcome = [this](std::vector<std::string> tips) {
      WelcomeDialog dialog(std::move(tips), frame_.get());
      dialog.exec();
      return dialog.DoNotShowAgain();
    };
  }
}

StudyProgram::~StudyProgram() {
  frame_.reset();
  quiz_.reset();
  doc_.reset();
}

bool StudyProgram::Start(const std::string& file) {
  const bool loaded = StartLexicons(app_, hooks_.choose_dictionary, hooks_.before_loading);
  if (hooks_.after_loading) hooks_.after_loading();
  if (!loaded) return false;

  catalog_.SetLexicon(app_.Source(), &app_.CurrentLexicon());
  doc_ = std::make_unique<MTavruneDoc>(app_, settings_, prompt_, random_);
  quiz_ = std::make_unique<QuizRecord>(*doc_, settings_);
  catalog_.Load(app_.DataFolderPath());

  frame_ = std::make_unique<MMainFrame>(
      StudyContext{app_, settings_, *doc_, *quiz_, catalog_, prompt_, random_, cardbox_});
  if (hooks_.frame_created) hooks_.frame_created(*frame_);
  frame_->RemoveUnavailableCommands();
  frame_->RestorePlacementAndShow();
  if (!file.empty()) frame_->OpenFile(file);

  if (app_.ShowWelcome()) {
    app_.SetShowWelcome(!hooks_.show_welcome(LoadTips(app_.DataFolderPath(), prompt_, random_)));
  }
  if (file.empty() && hooks_.new_list_flow) frame_->Run(Command::kNewPredefinedList);
  // Once the event loop runs, so the window and the first list never wait
  // for a large cardbox, and nothing of start-up wipes the message.
  QTimer::singleShot(0, frame_.get(), [this] { frame_->ShowCardsDue(); });
  return true;
}

}  // namespace tavrune
