#ifndef TAVRUNE_STUDY_UI_TAVRUNE_VIEW_H_
#define TAVRUNE_STUDY_UI_TAVRUNE_VIEW_H_

#include <QString>
#include <QWidget>
#include <array>

#include "study/quiz_record.h"
#include "study/settings_table.h"
#include "study/ui/control_bar.h"
#include "study/ui/slide_widgets.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune {

class QuizBar;
class SlideBar;

// The main view: the slide area with the current word and its answers, and
// under it the bar that steps through the list. It keeps the view settings
// (mode, font size, colours, intervals, tiles, status-bar switches), carries
// out the presentation commands and supplies the status-pane values.
class MTavruneView : public QWidget, public DocumentObserver {
  Q_OBJECT

 public:
  // A hint of our own: the mode changed, so the presentation is rebuilt.
  static constexpr int kModeChangedHint = 7;
  enum class Colour {
    kSlideForeground,
    kSlideBackground,
    kTileForeground,
    kTileBackground,
    kMainWindow
  };

  MTavruneView(MTavruneDoc& doc, QuizRecord& quiz, Settings& settings, UserPrompt& prompt,
               QWidget* parent = nullptr);
  ~MTavruneView() override;

  void OnUpdate(int hint) override;
  // Builds the slide area and the bar anew for the list type and mode.
  void Rebuild();

  // The mode shown: 0 slide show, 1 quiz.
  int Mode() const;
  // View > Slide Show > type: the list type changes (answers recomputed) or
  // only the mode.
  void ShowSlideShow(ListType type);
  // View > Quiz > type: the same in quiz mode.
  void ShowQuiz(ListType type);
  void Previous();
  void Next();

  void SetFontSize(int font_size);
  int FontSize() const { return font_size_; }
  void ToggleTiles();
  bool ShowsTiles() const { return tiles_; }
  Rgb ColourOf(Colour colour) const;
  void SetColour(Colour colour, Rgb value);
  void SetIntervals(int word_ms, int answer_ms);
  bool ShowProbabilityFactor() const { return show_probability_; }
  // Definitions under the answers once they are all out; null shows none.
  void SetDefiner(ControlBar::Definer definer);
  void SetStatusSwitches(bool answer_counts, bool probability_factor);

  // The Options commands: each opens its dialog and applies what changed.
  void ChooseAnagramOptions();
  void ChooseBuildOptions();
  void ChooseHookOptions();
  void ChooseListOrdering();
  void ChooseSlideShowOptions();
  void ChooseStatusBarOptions();
  // Each colour picked applies at once; Cancel puts the old one back.
  void ChooseColour(Colour colour);

  // The answers pane: "Ans  %d" or "Ans  %d   %d"; empty when the pane is
  // off, the list is empty or the bar shows no answers.
  QString AnswersPaneText() const;

  // The bar whole under the slide area at its size's height; the slide's
  // type shrinks to the width.
  QSize sizeHint() const override;

  MSlideWnd* Slide() const { return slide_; }
  ControlBar* Control() const { return bar_; }
  // The bar as the mode has it; null in the other mode.
  SlideBar* Bar() const;
  QuizBar* Quiz() const;

 signals:
  // The status-pane values may have changed.
  void panesChanged();
  // A word or answer of the slide area was double-clicked.
  void wordDoubleClicked(const QString& word);
  // The quiz verified an entry for the first time.
  void wordVerified(const QString& entry, bool right);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  // Into `mode` showing `type`: a new type recomputes the answers.
  void Present(int mode, ListType type);
  void ReadSettings();
  // Each change writes the view settings at once.
  void WriteSettings() const;
  void Layout();
  MSlideWnd::Colours SlideColours() const;

  MTavruneDoc& doc_;
  QuizRecord& quiz_;
  Settings& settings_;
  UserPrompt& prompt_;
  // The player's mode, kept while a List is shown.
  int mode_ = 0;
  int font_size_ = 1;
  std::array<Rgb, 5> colours_{};
  int word_interval_ = 3000;
  int answer_interval_ = 2000;
  bool tiles_ = false;
  bool show_answer_counts_ = false;
  bool show_probability_ = false;
  ControlBar::Definer definer_;
  MSlideWnd* slide_ = nullptr;
  ControlBar* bar_ = nullptr;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_TAVRUNE_VIEW_H_
