#include "study/ui/tavrune_view.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "study/ui/quiz_bar.h"
#include "study/ui/slide_bar.h"

namespace tavrune {
namespace {

namespace keys = setting::slide_window;

constexpr const ColourSetting* kColourSettings[] = {
    &keys::kSlideFG, &keys::kSlideBG, &keys::kTileFG, &keys::kTileBG, &keys::kMainWindowColor};
constexpr int kBarBottomGap = 10;

QColor ToQColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

int Slot(MTavruneView::Colour colour) { return static_cast<int>(colour); }

}  // namespace

MTavruneView::MTavruneView(MTavruneDoc& doc, QuizRecord& quiz, Settings& settings,
                           UserPrompt& prompt, QWidget* parent)
    : QWidget(parent), doc_(doc), quiz_(quiz), settings_(settings), prompt_(prompt) {
  setObjectName(QStringLiteral("MTavruneView"));
  setFocusPolicy(Qt::StrongFocus);
  ReadSettings();
  doc_.AddObserver(this);
  Rebuild();
}

MTavruneView::~MTavruneView() { doc_.RemoveObserver(this); }

void MTavruneView::ReadSettings() {
  mode_ = ReadSetting(settings_, setting::view::kType);
  font_size_ = ReadSetting(settings_, keys::kFontSize);
  for (int i = 0; i < 5; ++i) colours_[i] = ReadSetting(settings_, *kColourSettings[i]);
  word_interval_ = ReadSetting(settings_, keys::kWordInterval);
  answer_interval_ = ReadSetting(settings_, keys::kAnswerInterval);
  tiles_ = ReadSetting(settings_, keys::kViewTiles) != 0;
  show_answer_counts_ = ReadSetting(settings_, setting::status_bar::kShowAnswer) != 0;
  show_probability_ = ReadSetting(settings_, setting::status_bar::kShowProbFactor) != 0;
}

void MTavruneView::WriteSettings() const {
  WriteSetting(settings_, setting::view::kType, mode_);
  WriteSetting(settings_, keys::kFontSize, font_size_);
  for (int i = 0; i < 5; ++i) WriteSetting(settings_, *kColourSettings[i], colours_[i]);
  WriteSetting(settings_, keys::kWordInterval, word_interval_);
  WriteSetting(settings_, keys::kAnswerInterval, answer_interval_);
  WriteSetting(settings_, keys::kViewTiles, tiles_ ? 1 : 0);
  WriteSetting(settings_, setting::status_bar::kShowAnswer, show_answer_counts_ ? 1 : 0);
  WriteSetting(settings_, setting::status_bar::kShowProbFactor, show_probability_ ? 1 : 0);
}

void MTavruneView::OnUpdate(int hint) {
  if ((hint == hint::kAnagramOrder || hint == hint::kSortOptions || hint == hint::kCurrentEntry) &&
      bar_ != nullptr) {
    bar_->ShowWord();
  } else {
    Rebuild();
  }
  emit panesChanged();
}

MSlideWnd::Colours MTavruneView::SlideColours() const {
  return {ToQColor(colours_[Slot(Colour::kSlideBackground)]),
          ToQColor(colours_[Slot(Colour::kSlideForeground)]),
          ToQColor(colours_[Slot(Colour::kTileBackground)]),
          ToQColor(colours_[Slot(Colour::kTileForeground)]),
          ToQColor(colours_[Slot(Colour::kMainWindow)])};
}

void MTavruneView::Rebuild() {
  const AnswerLayout layout = doc_.GetAnswerLayout();
  const ListType type = doc_.GetListType();
  const bool anagrams_and_hooks = type == ListType::kAnagramsAndHooks;
  MSlideWnd::Setup setup;
  setup.three_columns = anagrams_and_hooks;
  setup.tiles = tiles_;
  setup.draggable = doc_.IsAnagramType();
  setup.font_size = font_size_;
  setup.colours = SlideColours();
  setup.word_places = std::max(layout.longest_entry, slide::kMinimumPlaces);
  setup.answer_width = anagrams_and_hooks ? layout.answer_width
                                          : std::max(layout.answer_width, slide::kMinimumPlaces);
  setup.hook_width = std::max(layout.front_group_width, layout.end_group_width);

  const bool two_lists = type == ListType::kHooks && doc_.GetHookType() == HookType::kFrontAndEnd;

  delete bar_;
  delete slide_;
  slide_ = new MSlideWnd(setup, this);
  if (Mode() == 1) {
    auto* quiz = new QuizBar(two_lists ? QuizBar::Kind::kTwoList : QuizBar::Kind::kOneList, doc_,
                             quiz_, *slide_, this);
    connect(quiz, &QuizBar::verified, this, &MTavruneView::wordVerified);
    bar_ = quiz;
  } else {
    const SlideBar::Kind kind = type == ListType::kList ? SlideBar::Kind::kWordOnly
                                : two_lists             ? SlideBar::Kind::kTwoList
                                                        : SlideBar::Kind::kOneList;
    bar_ = new SlideBar(kind, doc_, *slide_,
                        {[this] { return word_interval_; }, [this] { return answer_interval_; }},
                        this);
  }
  connect(bar_, &ControlBar::countsChanged, this, &MTavruneView::panesChanged);
  connect(slide_, &MSlideWnd::wordDoubleClicked, this, &MTavruneView::wordDoubleClicked);
  Layout();
  bar_->show();
  slide_->show();
  bar_->ShowWord();
  bar_->SetDefiner(definer_);
  if (hasFocus()) bar_->setFocus();
}

void MTavruneView::SetDefiner(ControlBar::Definer definer) {
  definer_ = std::move(definer);
  if (bar_ != nullptr) bar_->SetDefiner(definer_);
}

void MTavruneView::Layout() {
  if (bar_ == nullptr || slide_ == nullptr) return;
  const QSize bar = bar_->size();
  const int bar_top = height() - kBarBottomGap - bar.height();
  bar_->move((width() - bar.width()) / 2, bar_top);
  const int slide_width = std::min(width(), slide_->PreferredSize().width);
  slide_->setGeometry((width() - slide_width) / 2, 0, slide_width, std::max(0, bar_top - 1));
}

QSize MTavruneView::sizeHint() const {
  const QSize bar = bar_->size();
  return QSize(bar.width() + 2 * kBarBottomGap,
               slide_->PreferredSize().height + 1 + bar.height() + kBarBottomGap);
}

void MTavruneView::resizeEvent(QResizeEvent*) { Layout(); }

void MTavruneView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(colours_[Slot(Colour::kMainWindow)]));
}

void MTavruneView::focusInEvent(QFocusEvent*) {
  if (bar_ != nullptr) bar_->setFocus();
}

SlideBar* MTavruneView::Bar() const { return qobject_cast<SlideBar*>(bar_); }
QuizBar* MTavruneView::Quiz() const { return qobject_cast<QuizBar*>(bar_); }

void MTavruneView::ShowSlideShow(ListType type) { Present(0, type); }
void MTavruneView::ShowQuiz(ListType type) { Present(1, type); }

int MTavruneView::Mode() const {
  // A List has no answers to ask for; the player's mode waits for a list
  // that has.
  return doc_.GetListType() == ListType::kList ? 0 : mode_;
}

void MTavruneView::Present(int mode, ListType type) {
  const int shown = Mode();
  mode_ = mode;
  WriteSettings();
  if (doc_.GetListType() != type) {
    WaitCursor wait(prompt_);
    doc_.SetListType(type);
  } else if (shown != mode) {
    OnUpdate(kModeChangedHint);
  }
}

void MTavruneView::Previous() {
  if (bar_ != nullptr) bar_->Previous();
}

void MTavruneView::Next() {
  if (bar_ != nullptr) bar_->Next();
}

void MTavruneView::SetFontSize(int font_size) {
  if (font_size == font_size_) return;
  font_size_ = font_size;
  WriteSettings();
  slide_->SetFontSize(font_size);
  Layout();
}

void MTavruneView::ToggleTiles() {
  tiles_ = !tiles_;
  WriteSettings();
  Rebuild();
  emit panesChanged();
}

Rgb MTavruneView::ColourOf(Colour colour) const { return colours_[Slot(colour)]; }

void MTavruneView::SetColour(Colour colour, Rgb value) {
  colours_[Slot(colour)] = value;
  WriteSettings();
  slide_->SetColours(SlideColours());
  if (colour == Colour::kMainWindow) update();
}

void MTavruneView::SetIntervals(int word_ms, int answer_ms) {
  word_interval_ = word_ms;
  answer_interval_ = answer_ms;
  WriteSettings();
  if (Bar() != nullptr) bar_->ShowWord();
}

void MTavruneView::SetStatusSwitches(bool answer_counts, bool probability_factor) {
  show_answer_counts_ = answer_counts;
  show_probability_ = probability_factor;
  WriteSettings();
  emit panesChanged();
}

QString MTavruneView::AnswersPaneText() const {
  if (!show_answer_counts_ || bar_ == nullptr || doc_.EntryCount() == 0) return QString();
  switch (bar_->ListCount()) {
    case 1:
      return QStringLiteral("Ans  %1").arg(bar_->AnswerCount(0));
    case 2:
      return QStringLiteral("Ans  %1   %2").arg(bar_->AnswerCount(0)).arg(bar_->AnswerCount(1));
    default:
      return QString();
  }
}

}  // namespace tavrune
