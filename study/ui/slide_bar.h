#ifndef TAVRUNE_STUDY_UI_SLIDE_BAR_H_
#define TAVRUNE_STUDY_UI_SLIDE_BAR_H_

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "study/ui/control_bar.h"
#include "wordlist/tavrune_doc.h"

class QLabel;
class QPushButton;
class QShortcut;
class QTimer;

namespace tavrune {

// The slide show's clock. The program runs a QTimer; tests tick by hand.
class SlideTimer {
 public:
  virtual ~SlideTimer() = default;
  // (Re)starts ticks every `period_ms`.
  virtual void Start(int period_ms) = 0;
  virtual void Stop() = 0;
  virtual bool IsRunning() const = 0;
};

// A SlideTimer over a QTimer that calls `tick`.
class QtSlideTimer : public SlideTimer {
 public:
  QtSlideTimer(QObject* owner, std::function<void()> tick);
  void Start(int period_ms) override;
  void Stop() override;
  bool IsRunning() const override;

 private:
  QTimer* timer_;
};

// The bar under the slide area that steps through the list: it shows each
// word, then its answers one by one on the timer, and moves, deletes and
// undeletes words. Word-only bars (List) have no answers; one-list bars show
// them in the middle list; two-list bars front hooks left and end hooks
// right.
class SlideBar : public ControlBar {
  Q_OBJECT

 public:
  enum class Kind { kWordOnly, kOneList, kTwoList };
  // The view's intervals, read at every start, so Options take effect at the
  // next start.
  struct Intervals {
    std::function<int()> word_ms;
    std::function<int()> answer_ms;
  };

  SlideBar(Kind kind, MTavruneDoc& doc, MSlideWnd& slide, Intervals intervals,
           QWidget* parent = nullptr);
  ~SlideBar() override;
  // Tests drive the clock themselves.
  void SetTimer(std::unique_ptr<SlideTimer> timer);

  Kind kind() const { return kind_; }

  void ShowWord() override;
  void Start();
  void Stop();
  void Tick();
  void ShowNextAnswer();
  void HideLastAnswer();
  void ShowAllAnswers();
  void UpdateButtons();
  bool IsRunning() const { return timer_->IsRunning(); }
  int LastShown() const { return last_shown_; }
  int EntryCount() const { return static_cast<int>(entries_.size()); }

  // The buttons' commands.
  void Previous() override;
  void Next() override;
  void Delete();
  void Undelete();

  QPushButton* Button(int index) const { return buttons_[index]; }
  enum ButtonIndex { kPrevious, kStart, kNext, kDelete, kHide, kStop, kShow, kUndelete };

 private:
  bool AnswersComplete() const override { return last_shown_ + 1 >= EntryCount(); }
  std::vector<std::string> AnswerLines() const override { return entries_; }
  // The timer's period when a show starts: the answer interval unless it is
  // 0 (or the bar has no answers), else the word interval.
  int StartPeriod() const;
  // Moves by `delta` words as the buttons do: a running show keeps running.
  void Move(int delta);
  // The next word while running; at the end back to the first word, stopped.
  void Advance();
  void AddEntry(int index);

  Kind kind_;
  Intervals intervals_;
  std::unique_ptr<SlideTimer> timer_;
  // Every answer entry in showing order; the first `left_count_` go to the
  // left (or middle) list, the rest to the right.
  std::vector<std::string> entries_;
  int left_count_ = 0;
  int last_shown_ = -1;
  QLabel* caption_;
  std::array<QPushButton*, 8> buttons_{};
  // Escape and Space, live while the show runs.
  std::vector<QShortcut*> stop_keys_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_SLIDE_BAR_H_
