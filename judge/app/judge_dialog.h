#ifndef TAVRUNE_JUDGE_APP_JUDGE_DIALOG_H_
#define TAVRUNE_JUDGE_APP_JUDGE_DIALOG_H_

#include <QDialog>
#include <QFont>
#include <QString>
#include <QTimer>
#include <functional>

#include "engine/lexicon.h"
#include "judge/challenge_log.h"
#include "platform/user_prompt.h"

class QAction;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrune {

class UpperCaseEdit;

// The judge program's main window (dialog 102). The players type the words
// of a play and press TAB (or "&Judge"); the verdict shows for seven seconds,
// then the window clears itself for the next challenge. Every challenge is
// logged. In keyboard mode the buttons are hidden and TAB is the only control.
class JudgeDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 102;
  static constexpr int kClearTimerId = 8;
  static constexpr int kClearDelayMs = 7000;
  // The window's first size; larger windows scale their type and icons.
  static constexpr int kDefaultWidth = 460;
  static constexpr int kDefaultHeight = 400;

  struct Setup {
    QString lexicon_caption;  // "Lexicon: name: description"
    QString lexicon_lines;    // the About box's description lines
    bool no_mouse = true;
  };

  JudgeDialog(const Lexicon& lexicon, ChallengeLog& log, UserPrompt& prompt, Setup setup,
              QWidget* parent = nullptr);

  // "&Judge" or TAB in the words edit.
  void Judge();
  // "Clea&r", and what the clear timer does when it fires.
  void Clear();
  void ClearTimerFired();
  // "&About" and its menu entry and shortcut.
  void ShowAbout();
  // F11 and its menu entry: full screen on and off.
  void ToggleFullScreen();
  // Sizes the words, the verdict and its icons for a window of `size`, so
  // players read the verdict from across the table.
  void ScaleTo(const QSize& size);
  double TypeScale() const { return scale_; }
  // Replaces the About box, so tests need not face a modal window.
  void SetAboutHandler(std::function<void()> handler) { about_handler_ = std::move(handler); }

  bool VerdictShown() const { return verdict_shown_; }
  bool TimerRunning() const { return timer_.isActive(); }
  UpperCaseEdit* WordsEdit() const { return words_; }
  QLabel* Instructions() const { return instructions_; }
  QLabel* VerdictText() const { return verdict_; }
  QLabel* CheckMark() const { return check_mark_; }
  QLabel* RedCross() const { return red_cross_; }
  QPushButton* JudgeButton() const { return judge_; }
  QPushButton* ClearButton() const { return clear_; }
  QPushButton* AboutButton() const { return about_; }
  QLineEdit* LexiconLine() const { return lexicon_line_; }
  // Shown while log lines wait to be written, with their count and why.
  QLabel* LogMark() const { return log_mark_; }
  QAction* AboutAction() const { return about_action_; }
  QAction* FullScreenAction() const { return full_screen_action_; }
  QAction* QuitAction() const { return quit_action_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Esc never ends the session: a stray key at the board must not close it.
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Ending with log lines still waiting asks first (112); No keeps the
  // session, so space can be freed and the lines written.
  void done(int result) override;

 private:
  void TextEdited();
  void RemoveVerdict();
  void SetJudgeEnabled(bool enabled);
  void ShowLogState();

  const Lexicon& lexicon_;
  ChallengeLog& log_;
  UserPrompt& prompt_;
  Setup setup_;
  QTimer timer_;
  std::function<void()> about_handler_;

  QLabel* instructions_;
  UpperCaseEdit* words_;
  QLabel* verdict_;
  QLabel* check_mark_;
  QLabel* red_cross_;
  QPushButton* judge_;
  QPushButton* clear_;
  QPushButton* about_;
  QLineEdit* lexicon_line_;
  QLabel* log_mark_;
  QAction* about_action_;
  QGridLayout* icon_cell_;
  QWidget* balance_;
  QAction* full_screen_action_;
  QAction* quit_action_;
  QFont words_font_;    // at scale 1
  QFont verdict_font_;  // at scale 1
  double scale_ = 1.0;

  bool verdict_shown_ = false;
  bool judge_enabled_ = false;
  bool clearing_ = false;
};

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_APP_JUDGE_DIALOG_H_
