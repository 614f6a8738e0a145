#include "study/ui/slide_bar.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/user_prompt.h"
#include "study/ui/slide_widgets.h"

namespace tavrune {
namespace {

std::vector<std::string> EntriesOf(const WordCollection& words) {
  if (words.Count() == 0) return {kNoAnswers};
  std::vector<std::string> entries;
  entries.reserve(words.Count());
  for (int i = 0; i < words.Count(); ++i) entries.emplace_back(words.Word(i));
  return entries;
}

}  // namespace

QtSlideTimer::QtSlideTimer(QObject* owner, std::function<void()> tick) : timer_(new QTimer(owner)) {
  QObject::connect(timer_, &QTimer::timeout, owner, std::move(tick));
}

void QtSlideTimer::Start(int period_ms) { timer_->start(period_ms); }
void QtSlideTimer::Stop() { timer_->stop(); }
bool QtSlideTimer::IsRunning() const { return timer_->isActive(); }

SlideBar::SlideBar(Kind kind, MTavruneDoc& doc, MSlideWnd& slide, Intervals intervals,
                   QWidget* parent)
    : ControlBar(doc, slide,
                 kind == Kind::kWordOnly  ? 0
                 : kind == Kind::kOneList ? 1
                                          : 2,
                 parent),
      kind_(kind),
      intervals_(std::move(intervals)),
      timer_(std::make_unique<QtSlideTimer>(this, [this] { Tick(); })),
      caption_(new QLabel(this)) {
  // Stop shares its letter with Start, never enabled at the same time, so
  // no menu's letter is taken.
  static const char* const kLabels[] = {"&Previous", "&Start", "&Next", "&Delete",
                                        "&<<",       "&Stop",  "&>>",   "&Undelete"};
  auto* layout = new QVBoxLayout(this);
  caption_->setAlignment(Qt::AlignHCenter);
  layout->addWidget(caption_);
  auto* grid = new QGridLayout;
  for (int i = 0; i < 8; ++i) {
    auto* button = new QPushButton(tr(kLabels[i]), this);
    button->setAutoDefault(false);
    buttons_[i] = button;
    grid->addWidget(button, i / 4, i % 4);
  }
  buttons_[kNext]->setDefault(true);
  layout->addLayout(grid);
  connect(buttons_[kPrevious], &QPushButton::clicked, this, &SlideBar::Previous);
  connect(buttons_[kNext], &QPushButton::clicked, this, &SlideBar::Next);
  connect(buttons_[kDelete], &QPushButton::clicked, this, &SlideBar::Delete);
  connect(buttons_[kUndelete], &QPushButton::clicked, this, &SlideBar::Undelete);
  connect(buttons_[kStart], &QPushButton::clicked, this, &SlideBar::Start);
  connect(buttons_[kStop], &QPushButton::clicked, this, &SlideBar::Stop);
  connect(buttons_[kShow], &QPushButton::clicked, this, [this] {
    ShowNextAnswer();
    UpdateButtons();
  });
  connect(buttons_[kHide], &QPushButton::clicked, this, [this] {
    HideLastAnswer();
    UpdateButtons();
  });
  setFocusProxy(buttons_[kNext]);
  // A running show stops from the keyboard wherever the focus is.
  for (QKeySequence key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Space)}) {
    auto* stop = new QShortcut(key, this, this, &SlideBar::Stop);
    stop->setEnabled(false);
    stop_keys_.push_back(stop);
  }

  caption_->setText(Caption());
  setFixedSize(sizeHint());
}

SlideBar::~SlideBar() { timer_->Stop(); }

void SlideBar::SetTimer(std::unique_ptr<SlideTimer> timer) { timer_ = std::move(timer); }

void SlideBar::ShowWord() {
  caption_->setText(Caption());
  answer_counts_ = {0, 0};
  entries_.clear();
  left_count_ = 0;
  last_shown_ = -1;
  slide_.ClearList(FirstList());
  slide_.ClearList(MSlideWnd::kRight);
  ShowMainWord();
  if (kind_ != Kind::kWordOnly && doc_.EntryCount() > 0) {
    WordCollection left = InsertionOrderCollection();
    WordCollection right = InsertionOrderCollection();
    {
      WaitCursor wait(doc_.Prompt());
      doc_.ComputeAnswers(doc_.CurrentIndex(), left, kind_ == Kind::kTwoList ? right : left);
      if (doc_.GetDictionary().UseSymbols()) {
        for (WordCollection* words : {&left, &right}) {
          WordCollection marked = InsertionOrderCollection();
          doc_.AppendSourceSymbols(*words, marked);
          *words = std::move(marked);
        }
      }
    }
    answer_counts_ = {left.Count(), right.Count()};
    entries_ = EntriesOf(left);
    left_count_ = static_cast<int>(entries_.size());
    if (kind_ == Kind::kTwoList) {
      const std::vector<std::string> end_hooks = EntriesOf(right);
      entries_.insert(entries_.end(), end_hooks.begin(), end_hooks.end());
    }
    if (intervals_.answer_ms() == 0) ShowAllAnswers();
  }
  UpdateDefinition();
  UpdateButtons();
  emit countsChanged();
}

void SlideBar::AddEntry(int index) {
  const MSlideWnd::ListBit list = kind_ == Kind::kOneList ? MSlideWnd::kMiddle
                                  : index < left_count_   ? MSlideWnd::kLeft
                                                          : MSlideWnd::kRight;
  slide_.AddEntry(list, Latin1(entries_[index]), false);
}

void SlideBar::ShowNextAnswer() {
  if (last_shown_ + 1 >= EntryCount()) return;
  AddEntry(++last_shown_);
  UpdateDefinition();
}

void SlideBar::HideLastAnswer() {
  if (last_shown_ < 0) return;
  const MSlideWnd::ListBit list = kind_ == Kind::kOneList     ? MSlideWnd::kMiddle
                                  : last_shown_ < left_count_ ? MSlideWnd::kLeft
                                                              : MSlideWnd::kRight;
  slide_.RemoveEntry(list, Latin1(entries_[last_shown_]));
  --last_shown_;
  UpdateDefinition();
}

void SlideBar::ShowAllAnswers() {
  for (MSlideWnd::ListBit list : {MSlideWnd::kLeft, MSlideWnd::kMiddle, MSlideWnd::kRight}) {
    slide_.SetDrawing(list, false);
  }
  while (last_shown_ + 1 < EntryCount()) ShowNextAnswer();
  for (MSlideWnd::ListBit list : {MSlideWnd::kLeft, MSlideWnd::kMiddle, MSlideWnd::kRight}) {
    slide_.SetDrawing(list, true);
  }
}

int SlideBar::StartPeriod() const {
  const int answer = intervals_.answer_ms();
  return kind_ != Kind::kWordOnly && answer != 0 ? answer : intervals_.word_ms();
}

void SlideBar::Start() {
  timer_->Start(StartPeriod());
  UpdateButtons();
}

void SlideBar::Stop() {
  timer_->Stop();
  UpdateButtons();
}

void SlideBar::Advance() {
  if (doc_.CurrentIndex() < doc_.EntryCount() - 1) {
    Move(1);
  } else {
    doc_.GoToEntry(0);
    Stop();
  }
}

void SlideBar::Tick() {
  const int n = EntryCount();
  const int s = last_shown_;
  if (kind_ == Kind::kWordOnly || n == s + 1) {
    if (kind_ != Kind::kWordOnly) timer_->Start(StartPeriod());
    Advance();
  } else if (n == s + 2) {
    timer_->Start(intervals_.word_ms());
    ShowNextAnswer();
    UpdateButtons();
  } else {
    ShowNextAnswer();
    UpdateButtons();
  }
}

void SlideBar::Move(int delta) {
  const int target = doc_.CurrentIndex() + delta;
  if (target < 0 || target >= doc_.EntryCount()) return;
  const bool running = timer_->IsRunning();
  timer_->Stop();
  doc_.GoToEntry(target);
  if (running) Start();
  UpdateButtons();
}

void SlideBar::Previous() { Move(-1); }
void SlideBar::Next() { Move(1); }

void SlideBar::Delete() {
  if (doc_.EntryCount() == 0) return;
  const bool running = timer_->IsRunning();
  timer_->Stop();
  doc_.DeleteCurrentEntry();
  if (running && doc_.EntryCount() > 0) Start();
  UpdateButtons();
}

void SlideBar::Undelete() {
  doc_.UndeleteOne();
  UpdateButtons();
}

void SlideBar::UpdateButtons() {
  const int count = doc_.EntryCount();
  const int index = doc_.CurrentIndex();
  const bool running = timer_->IsRunning();
  const bool answers = kind_ != Kind::kWordOnly;
  buttons_[kPrevious]->setEnabled(count > 0 && index > 0);
  buttons_[kNext]->setEnabled(count > 0 && index < count - 1);
  buttons_[kDelete]->setEnabled(count > 0);
  buttons_[kUndelete]->setEnabled(doc_.CanUndelete());
  buttons_[kStart]->setEnabled(!running && count > 0);
  buttons_[kStop]->setEnabled(running);
  for (QShortcut* stop : stop_keys_) stop->setEnabled(running);
  buttons_[kShow]->setEnabled(answers && last_shown_ < EntryCount() - 1);
  buttons_[kHide]->setEnabled(answers && last_shown_ >= 0);
}

}  // namespace tavrune
