#include "search/ui/paged_list_box.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>
#include <cctype>

#include "engine/letters.h"

namespace tavrune {

PagedListBox::PagedListBox(QWidget* parent) : QWidget(parent) {
  rows_ = new QListWidget(this);
  rows_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rows_->setUniformItemSizes(true);
  rows_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Room for exactly the rows the box fills, measured on a sample row.
  rows_->addItem(QStringLiteral("W"));
  const int row_height = rows_->sizeHintForRow(0);
  rows_->clear();
  rows_->setFixedHeight(kRows * row_height + 2 * rows_->frameWidth());
  rows_->installEventFilter(this);
  rows_->viewport()->installEventFilter(this);

  scroll_bar_ = new QScrollBar(Qt::Vertical, this);
  scroll_bar_->setEnabled(false);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(rows_, 1);
  layout->addWidget(scroll_bar_);
  setFocusProxy(rows_);

  connect(scroll_bar_, &QScrollBar::valueChanged, this, &PagedListBox::Scrolled);
}

void PagedListBox::Attach(const WordCollection* words) {
  words_ = words;
  Reset();
}

void PagedListBox::Reset() {
  top_ = 0;
  current_ = 0;
  const int count = Count();
  const QSignalBlocker blocker(scroll_bar_);
  if (count > kRows) {
    scale_ = count / kWordsPerScaleStep + 1;
    page_step_ = kRows / scale_;
    int maximum = (count - kRows + 1) / scale_;
    if (scale_ == 1) --maximum;
    scroll_bar_->setRange(0, maximum);
    scroll_bar_->setSingleStep(1);
    scroll_bar_->setPageStep(page_step_);
    scroll_bar_->setValue(0);
    scroll_bar_->setEnabled(true);
  } else {
    scale_ = 1;
    page_step_ = kRows;
    scroll_bar_->setRange(0, 0);
    scroll_bar_->setEnabled(false);
  }
  Refill();
}

int PagedListBox::CurrentIndex() const { return Count() == 0 ? -1 : current_; }

void PagedListBox::Refill() {
  const int count = Count();
  top_ = std::max(0, std::min(top_, count - kRows));
  const QSignalBlocker blocker(rows_);
  rows_->setUpdatesEnabled(false);
  rows_->clear();
  for (int i = top_; i < count && i < top_ + kRows; ++i) {
    const std::string_view word = words_->Word(i);
    rows_->addItem(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
  }
  rows_->setCurrentRow(current_ >= top_ && current_ < top_ + kRows ? current_ - top_ : -1);
  rows_->setUpdatesEnabled(true);
}

void PagedListBox::Scrolled(int position) {
  const int top = position * scale_;
  if (top == top_) return;
  top_ = top;
  Refill();
}

void PagedListBox::Select(int index) {
  const int count = Count();
  if (count == 0) return;
  index = std::clamp(index, 0, count - 1);
  const int old = current_;
  current_ = index;
  if (index >= top_ && index < top_ + kRows) {
    const QSignalBlocker blocker(rows_);
    rows_->setCurrentRow(index - top_);
  } else {
    if (index == old + 1 || index == old + page_step_ - 1) {
      top_ = index - kRows + 1;  // last row
    } else if (index == old - 1 || index == old - page_step_ + 1) {
      top_ = index;  // first row
    } else {
      top_ = index - kRows / 2;
    }
    Refill();
    const QSignalBlocker blocker(scroll_bar_);
    scroll_bar_->setValue(top_ / scale_);
  }
  if (current_ != old) emit selectionChanged(current_);
}

int PagedListBox::NextWithInitial(char letter) const {
  const int count = Count();
  for (int step = 1; step <= count; ++step) {
    const int i = (current_ + step) % count;
    const std::string_view word = words_->Word(i);
    // A blank's letter is in lower case when the results show small caps.
    if (!word.empty() && std::toupper(static_cast<unsigned char>(word.front())) == letter) {
      return i;
    }
  }
  return -1;
}

bool PagedListBox::HandleKey(int key, const QString& text) {
  const int count = Count();
  switch (key) {
    case Qt::Key_PageUp:
      if (count > 0) Select(current_ - page_step_ + 1);
      return true;
    case Qt::Key_PageDown:
      if (count > 0) Select(current_ + page_step_ - 1);
      return true;
    case Qt::Key_Home:
      if (count > 0) Select(0);
      return true;
    case Qt::Key_End:
      if (count > 0) Select(count - 1);
      return true;
    case Qt::Key_Up:
      if (count > 0) Select(current_ - 1);
      return true;
    case Qt::Key_Down:
      if (count > 0) Select(current_ + 1);
      return true;
    default:
      break;
  }
  if (text.size() != 1) return false;
  const char32_t c = text.front().toUpper().unicode();
  if (c < 'A' || c > 'Z') return false;
  if (count > 0) {
    const int found = NextWithInitial(static_cast<char>(c));
    if (found >= 0) Select(found);
  }
  return true;
}

bool PagedListBox::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      if (watched != rows_) break;
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) break;
      return HandleKey(key->key(), key->text());
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      if (watched != rows_->viewport()) break;
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const int row = rows_->indexAt(mouse->position().toPoint()).row();
      if (row >= 0) Select(top_ + row);
      rows_->setFocus(Qt::MouseFocusReason);
      if (row >= 0 && event->type() == QEvent::MouseButtonDblClick) {
        emit wordDoubleClicked(QString::fromStdString(WordShownIn(words_->Word(current_))));
      }
      return true;
    }
    case QEvent::Wheel:
      if (watched != rows_->viewport()) break;
      // The rows never scroll themselves: the wheel turns the scroll bar.
      QCoreApplication::sendEvent(scroll_bar_, event);
      return true;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tavrune
