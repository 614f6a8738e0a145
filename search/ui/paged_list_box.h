#ifndef TAVRUNE_SEARCH_UI_PAGED_LIST_BOX_H_
#define TAVRUNE_SEARCH_UI_PAGED_LIST_BOX_H_

#include <QWidget>

#include "engine/word_collection.h"

class QListWidget;
class QScrollBar;

namespace tavrune {

// A list box over a WordCollection of any size (up to 64,000 words) that
// holds only the ten rows in view and drives its own scroll bar. Beyond
// 32,750 words a scroll-bar step moves two words (the scale), which keeps
// scroll positions within 16 bits.
//
// The collection is borrowed: call Reset after it changed, and Attach(null)
// before it goes away.
class PagedListBox : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRows = 10;
  static constexpr int kWordsPerScaleStep = 32750;

  explicit PagedListBox(QWidget* parent = nullptr);

  // Shows `words` from the top; null shows nothing.
  void Attach(const WordCollection* words);
  // The top and the current word become the first; the scroll bar is set
  // up for the collection's size.
  void Reset();
  // Makes the word at `index` (clamped into the collection) current and
  // brings it into view. Nothing happens in an empty box.
  void Select(int index);

  // -1 when the box is empty.
  int CurrentIndex() const;
  // The index of the first row shown.
  int TopIndex() const { return top_; }
  // Words per scroll-bar step and the page step; for tests.
  int Scale() const { return scale_; }
  int PageStep() const { return page_step_; }

  QListWidget* Rows() const { return rows_; }
  QScrollBar* ScrollBar() const { return scroll_bar_; }

 signals:
  // The current word changed by Select, a key or a click.
  void selectionChanged(int index);
  // A word was double-clicked: its letters, without the marks shown with it.
  void wordDoubleClicked(const QString& word);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int Count() const { return words_ == nullptr ? 0 : words_->Count(); }
  // Shows the words from the top (clamped) onwards and the highlight.
  void Refill();
  void Scrolled(int position);
  // True when the key was one of the box's.
  bool HandleKey(int key, const QString& text);
  // The next word after the current one that begins with `letter`,
  // wrapping to the start; -1 when none does.
  int NextWithInitial(char letter) const;

  const WordCollection* words_ = nullptr;
  int top_ = 0;
  int current_ = 0;
  int scale_ = 1;
  int page_step_ = kRows;

  QListWidget* rows_;
  QScrollBar* scroll_bar_;
};

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_UI_PAGED_LIST_BOX_H_
