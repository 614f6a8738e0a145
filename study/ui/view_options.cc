// The Options commands of the main view: each opens its dialog and hands
// what changed to the document or keeps it in the view.

#include "options/ui/anagram_options_dialog.h"
#include "options/ui/build_options_dialog.h"
#include "options/ui/color_dialog.h"
#include "options/ui/hooks_options_dialog.h"
#include "options/ui/list_ordering_dialog.h"
#include "options/ui/slide_show_options_dialog.h"
#include "options/ui/status_bar_options_dialog.h"
#include "study/ui/tavrune_view.h"

namespace tavrune {

void MTavruneView::ChooseAnagramOptions() {
  const ListSettings& settings = doc_.GetListSettings();
  AnagramOptionsDialog dialog(settings.anagram_order, settings.user_order, settings.stem, this);
  if (dialog.exec() != QDialog::Accepted) return;
  WaitCursor wait(prompt_);
  doc_.ChooseAnagramOptions(static_cast<int>(dialog.Order()), dialog.UserOrder(), dialog.Stem());
}

void MTavruneView::ChooseBuildOptions() {
  const ListSettings& settings = doc_.GetListSettings();
  BuildOptionsDialog dialog(settings.build_minimum, settings.build_maximum, prompt_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (dialog.Minimum() == settings.build_minimum && dialog.Maximum() == settings.build_maximum) {
    return;
  }
  WaitCursor wait(prompt_);
  doc_.SetBuildLimits(dialog.Minimum(), dialog.Maximum());
}

void MTavruneView::ChooseHookOptions() {
  const ListSettings& settings = doc_.GetListSettings();
  HooksOptionsDialog dialog(settings.hook_type, settings.front_hook_letters,
                            settings.end_hook_letters, prompt_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (dialog.Type() == settings.hook_type && dialog.FrontLetters() == settings.front_hook_letters &&
      dialog.EndLetters() == settings.end_hook_letters) {
    return;
  }
  WaitCursor wait(prompt_);
  doc_.SetHookOptions(dialog.Type(), dialog.FrontLetters(), dialog.EndLetters());
}

void MTavruneView::ChooseListOrdering() {
  const ListSettings& settings = doc_.GetListSettings();
  ListOrderingDialog dialog(settings.sort_type, settings.descending, this);
  if (dialog.exec() != QDialog::Accepted) return;
  doc_.ChooseListOrdering(static_cast<int>(dialog.Type()), dialog.Descending() ? 1 : 0);
}

void MTavruneView::ChooseSlideShowOptions() {
  SlideShowOptionsDialog dialog(word_interval_, answer_interval_, prompt_, this);
  if (dialog.exec() == QDialog::Accepted) {
    SetIntervals(dialog.WordIntervalMs(), dialog.AnswerIntervalMs());
  }
}

void MTavruneView::ChooseStatusBarOptions() {
  StatusBarOptionsDialog dialog(show_answer_counts_, show_probability_, this);
  if (dialog.exec() == QDialog::Accepted) {
    SetStatusSwitches(dialog.ShowAnswers(), dialog.ShowProbability());
  }
}

void MTavruneView::ChooseColour(Colour colour) {
  static const char* const kTitles[] = {"Slide Foreground", "Slide Background", "Tile Foreground",
                                        "Tile Background", "Workspace Background"};
  ColorDialog dialog(
      tr(kTitles[static_cast<int>(colour)]), ColourOf(colour),
      [this, colour](Rgb value) { SetColour(colour, value); }, this);
  if (dialog.exec() == QDialog::Accepted) SetColour(colour, dialog.Chosen());
}

}  // namespace tavrune
