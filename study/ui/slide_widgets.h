#ifndef TAVRUNE_STUDY_UI_SLIDE_WIDGETS_H_
#define TAVRUNE_STUDY_UI_SLIDE_WIDGETS_H_

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <utility>
#include <vector>

#include "study/slide_geometry.h"

class QLabel;
class QScrollBar;

namespace tavrune {

// The word of the slide area: a rounded text panel (MStatic) or a rack of
// letter tiles (MRackUI).
class WordDisplay : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
  // The word as shown; for tiles, their current arrangement.
  virtual QString Text() const = 0;
  virtual void SetText(const QString& text) = 0;
  void SetPixelSize(int size);
  // The number of character places the panel is made for.
  void SetPlaces(int places) { places_ = places; }
  virtual slide::Size PreferredSize() const = 0;
  // Face (panel or tile), letters, and what lies around them.
  void SetColours(const QColor& face, const QColor& text, const QColor& background);

 signals:
  void doubleClicked();

 protected:
  QFont WordFont() const;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

  int size_ = 34;
  int places_ = slide::kMinimumPlaces;
  QColor face_;
  QColor text_;
  QColor background_;
};

// The word as text on a rounded panel.
class MStatic : public WordDisplay {
  Q_OBJECT

 public:
  explicit MStatic(QWidget* parent = nullptr);
  QString Text() const override { return text_value_; }
  void SetText(const QString& text) override;
  slide::Size PreferredSize() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_value_;
};

// The word as letter tiles, which may be dragged into another order.
class MRackUI : public WordDisplay {
  Q_OBJECT

 public:
  MRackUI(bool draggable, QWidget* parent = nullptr);
  QString Text() const override { return tiles_; }
  void SetText(const QString& text) override;
  slide::Size PreferredSize() const override;

  // The drag as the mouse does it, in the rack's coordinates.
  void Lift(QPoint point);
  void Drop(QPoint point);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRect TileRect(int index) const;

  bool draggable_;
  QString tiles_;
  bool dragging_ = false;
  int lifted_ = -1;
};

// One answer list of the slide area: its entries in rows, each with an
// optional check mark, and a scroll bar when they do not all fit.
class MStaticMatrix : public QWidget {
  Q_OBJECT

 public:
  explicit MStaticMatrix(QWidget* parent = nullptr);

  void SetMetrics(const slide::ListMetrics& metrics);
  const slide::ListMetrics& Metrics() const { return metrics_; }
  void SetColours(const QColor& background, const QColor& text);
  slide::Size PreferredSize() const;

  // Appends an entry and returns its index; while drawing is on the list
  // scrolls so the new entry is visible.
  int AddEntry(const QString& text, bool marked);
  void RemoveEntry(const QString& text);
  void Clear();
  int Count() const { return static_cast<int>(entries_.size()); }
  QString Entry(int index) const { return entries_[index].first; }
  bool Marked(int index) const { return entries_[index].second; }
  // Batches of additions switch drawing off around them.
  void SetDrawing(bool on);

  int VisibleRowCount() const;
  int FirstVisibleRow() const { return first_row_; }
  bool ScrollBarShown() const;
  // The entry drawn at `point`; -1 where there is none.
  int EntryAt(QPoint point) const;

 signals:
  void entryDoubleClicked(int index);

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void UpdateScrollBar(bool scroll_to_bottom);

  slide::ListMetrics metrics_;
  QColor background_;
  QColor text_;
  std::vector<std::pair<QString, bool>> entries_;
  int first_row_ = 0;
  bool drawing_ = true;
  QScrollBar* scroll_bar_;
};

// The upper part of the main view: the word and up to three answer lists,
// left, middle and right.
class MSlideWnd : public QWidget {
  Q_OBJECT

 public:
  enum ListBit { kLeft = 1, kMiddle = 2, kRight = 4 };
  struct Colours {
    QColor slide_background;
    QColor slide_foreground;
    QColor tile_background;
    QColor tile_foreground;
    QColor background;
  };
  struct Setup {
    bool three_columns = false;
    bool tiles = false;
    bool draggable = false;
    int font_size = 1;
    Colours colours;
    int word_places = slide::kMinimumPlaces;
    int hook_width = 0;
    int answer_width = slide::kMinimumPlaces;
  };

  explicit MSlideWnd(const Setup& setup, QWidget* parent = nullptr);

  void ShowLists(int bits);
  int AddEntry(ListBit list, const QString& text, bool marked);
  void RemoveEntry(ListBit list, const QString& text);
  void ClearList(ListBit list);
  int EntryCount(ListBit list) const;
  void SetDrawing(ListBit list, bool on);
  MStaticMatrix* List(ListBit list) const;

  void SetWord(const QString& text);
  QString Word() const { return word_->Text(); }
  // A line under the answers; empty hides it.
  void SetDefinition(const QString& text);
  QString Definition() const;
  // The tiles' letters in their current order; empty without tiles.
  QString TileArrangement() const;
  bool ShowsTiles() const { return setup_.tiles; }

  // The size asked for; the type shrinks towards the small size's when the
  // area is too narrow for it.
  void SetFontSize(int font_size);
  void SetColours(const Colours& colours);
  // At the font size asked for.
  slide::Size PreferredSize() const;

 signals:
  // The word or an answer was double-clicked: its letters, upper-cased.
  void wordDoubleClicked(const QString& word);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  static int Slot(ListBit list);
  void ApplyColours();
  void ApplyFontSize();
  void Layout();
  void EmitWord(const QString& shown);

  Setup setup_;
  // The pixel sizes shown, fitted to the width.
  slide::FontSizes sizes_;
  WordDisplay* word_;
  std::array<MStaticMatrix*, 3> lists_{};
  QLabel* definition_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_SLIDE_WIDGETS_H_
