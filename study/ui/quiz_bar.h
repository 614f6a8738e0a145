#ifndef TAVRUNE_STUDY_UI_QUIZ_BAR_H_
#define TAVRUNE_STUDY_UI_QUIZ_BAR_H_

#include <QString>
#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "study/quiz_record.h"
#include "study/ui/control_bar.h"
#include "study/ui/slide_bar.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrune {

// The bar under the slide area in quiz mode: the player types the current
// word's answers, right ones join the answer list, wrong ones are refused
// with a message for a few seconds; Verify shows every answer, ticks those
// found and adds the word to the quiz history. One-list bars use the middle
// list; two-list bars (front and end hooks) the left and right lists.
class QuizBar : public ControlBar {
  Q_OBJECT

 public:
  enum class Kind { kOneList, kTwoList };
  enum ButtonIndex { kAccept, kVerify, kPrevious, kUndelete, kDelete, kNext };
  static constexpr int kMessageMs = 4000;

  QuizBar(Kind kind, MTavruneDoc& doc, QuizRecord& record, MSlideWnd& slide,
          QWidget* parent = nullptr);
  ~QuizBar() override;
  // Tests drive the message clock themselves.
  void SetMessageTimer(std::unique_ptr<SlideTimer> timer);

  void ShowWord() override;
  void Accept();
  void Verify();
  void UpdateButtons();
  // The message timer's tick: the message goes.
  void ClearMessage();

  void Previous() override;
  void Next() override;
  void Delete();
  void Undelete();

  QPushButton* Button(int index) const { return buttons_[index]; }
  QLineEdit* Input() const { return input_; }
  QString Message() const;
  int AcceptedCount() const { return static_cast<int>(accepted_.size()); }

 signals:
  // The first Verify of an entry: right when every answer was given.
  void verified(const QString& entry, bool right);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool AnswersComplete() const override { return verified_; }
  std::vector<std::string> AnswerLines() const override;
  // Puts a right answer into its list; false with "Unacceptable!" else.
  bool CheckAnswer(const std::string& answer);
  // Every answer in its list, ticked when the player gave it.
  void ShowAllAnswers();
  // The answer Accept checks: the typed text, or an untouched input's tile
  // arrangement, in the list's answer form.
  std::string AnswerFromInput() const;
  void ShowMessage(const QString& text, bool timed);
  // Runs the operation of a shortcut character; false for other text.
  bool RunShortcut(QChar key);

  Kind kind_;
  QuizRecord& record_;
  std::unique_ptr<SlideTimer> message_timer_;
  // The right answers: front hooks (or all of them) and end hooks.
  std::array<std::vector<std::string>, 2> answers_;
  std::set<std::string> accepted_;
  int total_ = 0;
  bool verified_ = false;
  QLabel* caption_;
  QLabel* message_;
  QLineEdit* input_;
  std::array<QPushButton*, 6> buttons_{};
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_QUIZ_BAR_H_
