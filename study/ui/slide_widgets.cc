#include "study/ui/slide_widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace tavrune {
namespace {

QFont SlideFont(int pixel_size) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(1, pixel_size));
  font.setBold(true);
  return font;
}

void DrawCheckMark(QPainter& painter, QPoint top_left) {
  const int s = slide::kMarkSize;
  QPainterPath path;
  path.moveTo(top_left.x() + 1, top_left.y() + s * 0.55);
  path.lineTo(top_left.x() + s * 0.4, top_left.y() + s - 1);
  path.lineTo(top_left.x() + s - 1, top_left.y() + 1);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 160, 0), 2));
  painter.drawPath(path);
  painter.restore();
}

}  // namespace

// --- WordDisplay ---

void WordDisplay::SetPixelSize(int size) {
  size_ = size;
  update();
}

void WordDisplay::SetColours(const QColor& face, const QColor& text, const QColor& background) {
  face_ = face;
  text_ = text;
  background_ = background;
  update();
}

QFont WordDisplay::WordFont() const { return SlideFont(size_); }

// --- MStatic ---

MStatic::MStatic(QWidget* parent) : WordDisplay(parent) {
  setObjectName(QStringLiteral("MStatic"));
}

void MStatic::SetText(const QString& text) {
  text_value_ = text;
  update();
}

slide::Size MStatic::PreferredSize() const { return slide::TextPanelSize(size_, places_); }

void MStatic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int m = slide::kPanelMargin;
  painter.fillRect(rect(), background_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(face_);
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m, m);
  painter.setFont(WordFont());
  painter.setPen(text_);
  painter.drawText(rect().adjusted(m, m, -m, -m), Qt::AlignCenter | Qt::TextSingleLine,
                   text_value_);
}

// --- MRackUI ---

MRackUI::MRackUI(bool draggable, QWidget* parent) : WordDisplay(parent), draggable_(draggable) {
  setObjectName(QStringLiteral("MRackUI"));
}

void MRackUI::SetText(const QString& text) {
  const bool count_changed = text.size() != tiles_.size();
  tiles_ = text;
  dragging_ = false;
  lifted_ = -1;
  if (count_changed && parentWidget() != nullptr) {
    const slide::Size size = PreferredSize();
    setGeometry((parentWidget()->width() - size.width) / 2, y(), size.width, height());
  }
  update();
}

slide::Size MRackUI::PreferredSize() const {
  return slide::RackSize(size_, static_cast<int>(tiles_.size()));
}

QRect MRackUI::TileRect(int index) const {
  const int side = slide::TileSide(size_);
  return QRect(index * (side + 2) + slide::kRackMargin, slide::kRackMargin, side, side);
}

void MRackUI::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  painter.setFont(WordFont());
  for (int i = 0; i < tiles_.size(); ++i) {
    const QRect tile = TileRect(i);
    if (dragging_ && i == lifted_) continue;  // an empty slot shows the background
    painter.fillRect(tile, face_);
    if (tiles_[i] != '?') {
      painter.setPen(text_);
      painter.drawText(tile, Qt::AlignCenter, QString(tiles_[i]));
    }
    painter.setPen(Qt::black);
    painter.drawLine(tile.topRight(), tile.bottomRight());
    painter.drawLine(tile.bottomLeft(), tile.bottomRight());
    painter.setPen(Qt::white);
    painter.drawLine(tile.topLeft(), tile.bottomLeft());
    painter.drawLine(tile.topLeft(), tile.topRight());
  }
}

void MRackUI::Lift(QPoint point) {
  if (!draggable_ || tiles_.isEmpty()) return;
  for (int i = 0; i < tiles_.size(); ++i) {
    if (TileRect(i).contains(point)) {
      dragging_ = true;
      lifted_ = i;
      update();
      return;
    }
  }
}

void MRackUI::Drop(QPoint point) {
  if (!dragging_) return;
  const int count = static_cast<int>(tiles_.size());
  if (rect().contains(point)) {
    const int slot = slide::TileSlotAt(point.x(), size_, count);
    tiles_ = QString::fromLatin1(slide::MoveTile(tiles_.toLatin1().toStdString(), lifted_, slot));
  }
  dragging_ = false;
  lifted_ = -1;
  update();
}

void MRackUI::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  Lift(event->position().toPoint());
  if (dragging_) setCursor(Qt::ClosedHandCursor);
}

void MRackUI::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  setCursor(rect().contains(event->position().toPoint()) ? Qt::ClosedHandCursor
                                                         : Qt::ForbiddenCursor);
}

void MRackUI::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  Drop(event->position().toPoint());
  unsetCursor();
}

// --- MStaticMatrix ---

MStaticMatrix::MStaticMatrix(QWidget* parent)
    : QWidget(parent), scroll_bar_(new QScrollBar(Qt::Vertical, this)) {
  setObjectName(QStringLiteral("MStaticMatrix"));
  scroll_bar_->hide();
  connect(scroll_bar_, &QScrollBar::valueChanged, this, [this](int value) {
    first_row_ = value;
    update();
  });
}

void MStaticMatrix::SetMetrics(const slide::ListMetrics& metrics) {
  metrics_ = metrics;
  UpdateScrollBar(false);
  update();
}

void MStaticMatrix::SetColours(const QColor& background, const QColor& text) {
  background_ = background;
  text_ = text;
  update();
}

slide::Size MStaticMatrix::PreferredSize() const {
  return slide::ListSize(metrics_, 1, slide::kInitialRows);
}

bool MStaticMatrix::ScrollBarShown() const { return !scroll_bar_->isHidden(); }

int MStaticMatrix::VisibleRowCount() const {
  return slide::VisibleRows(height(), metrics_.row_height);
}

int MStaticMatrix::AddEntry(const QString& text, bool marked) {
  entries_.emplace_back(text, marked);
  if (drawing_) {
    UpdateScrollBar(true);
    update();
  }
  return Count() - 1;
}

void MStaticMatrix::RemoveEntry(const QString& text) {
  const auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const auto& entry) { return entry.first == text; });
  if (it == entries_.end()) return;
  entries_.erase(it);
  UpdateScrollBar(false);
  update();
}

void MStaticMatrix::Clear() {
  entries_.clear();
  first_row_ = 0;
  UpdateScrollBar(false);
  update();
}

void MStaticMatrix::SetDrawing(bool on) {
  drawing_ = on;
  if (on) {
    UpdateScrollBar(true);
    update();
  }
}

void MStaticMatrix::UpdateScrollBar(bool scroll_to_bottom) {
  const int visible_rows = VisibleRowCount();
  const int hidden_rows = std::max(0, Count() - visible_rows);
  const QSignalBlocker block(scroll_bar_);
  scroll_bar_->setRange(0, hidden_rows);
  scroll_bar_->setPageStep(std::max(1, visible_rows));
  scroll_bar_->setSingleStep(1);
  scroll_bar_->setVisible(hidden_rows > 0);
  if (scroll_to_bottom && hidden_rows > 0 && first_row_ < hidden_rows) first_row_ = hidden_rows;
  first_row_ = std::clamp(first_row_, 0, hidden_rows);
  scroll_bar_->setValue(first_row_);
}

void MStaticMatrix::resizeEvent(QResizeEvent*) {
  scroll_bar_->setGeometry(width() - slide::kScrollBarWidth, 0, slide::kScrollBarWidth, height());
  UpdateScrollBar(false);
}

void MStaticMatrix::wheelEvent(QWheelEvent* event) {
  if (ScrollBarShown()) scroll_bar_->setValue(scroll_bar_->value() - event->angleDelta().y() / 120);
}

void MStaticMatrix::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  if (!drawing_) return;
  painter.setFont(SlideFont(metrics_.row_height));
  painter.setPen(text_);
  const int left = slide::kListMargin;
  // Whole rows only: the list's height is fitted to them.
  const int last = std::min(Count(), first_row_ + VisibleRowCount());
  for (int i = first_row_; i < last; ++i) {
    const int top = slide::CellTop(i, first_row_, metrics_.row_height);
    const QRect cell(left, top, metrics_.column_width, metrics_.row_height);
    if (!cell.intersects(event->rect())) continue;
    const QString& text = entries_[i].first;
    const int x = cell.left() + slide::kMarkWidth;
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;
    // The mark stands just before the line's first letter.
    int text_left = x;
    if (!metrics_.three_columns) {
      painter.drawText(QRect(x, top, metrics_.column_width, metrics_.row_height),
                       flags | Qt::AlignLeft, text);
    } else {
      // "FRONT WORD END": front hooks right-aligned, then the word, then the
      // end hooks.
      const qsizetype first_space = text.indexOf(' ');
      const QString front = first_space < 0 ? text : text.left(first_space);
      const QString rest = first_space < 0 ? QString() : text.mid(first_space + 1);
      const qsizetype second_space = rest.indexOf(' ');
      const QString word = second_space < 0 ? rest : rest.left(second_space);
      const QString end = second_space < 0 ? QString() : rest.mid(second_space + 1);
      const int word_left = x + metrics_.front_width + slide::kListSpacing;
      const int end_left = word_left + metrics_.word_width + slide::kListSpacing;
      painter.drawText(QRect(x, top, metrics_.front_width, metrics_.row_height),
                       flags | Qt::AlignRight, front);
      painter.drawText(QRect(word_left, top, metrics_.word_width, metrics_.row_height),
                       flags | Qt::AlignLeft, word);
      painter.drawText(QRect(end_left, top, metrics_.end_width, metrics_.row_height),
                       flags | Qt::AlignLeft, end);
      text_left = front.isEmpty()
                      ? word_left
                      : x + metrics_.front_width - painter.fontMetrics().horizontalAdvance(front);
    }
    if (entries_[i].second) {
      DrawCheckMark(painter, QPoint(text_left - slide::kMarkWidth,
                                    top + (metrics_.row_height - slide::kMarkSize) / 2));
    }
  }
}

// --- MSlideWnd ---

MSlideWnd::MSlideWnd(const Setup& setup, QWidget* parent)
    : QWidget(parent), setup_(setup), sizes_(slide::FontSizesFor(setup.font_size)) {
  setObjectName(QStringLiteral("MSlideWnd"));
  if (setup_.tiles) {
    word_ = new MRackUI(setup_.draggable, this);
  } else {
    word_ = new MStatic(this);
  }
  word_->SetPlaces(setup_.word_places);
  ApplyFontSize();
  ApplyColours();
}

int MSlideWnd::Slot(ListBit list) { return list == kLeft ? 0 : list == kMiddle ? 1 : 2; }

MStaticMatrix* MSlideWnd::List(ListBit list) const { return lists_[Slot(list)]; }

void MSlideWnd::ShowLists(int bits) {
  static const char* const kNames[] = {"&Left Answer List", "&Middle Answer List",
                                       "&Right Answer List"};
  for (ListBit bit : {kLeft, kMiddle, kRight}) {
    if ((bits & bit) == 0 || List(bit) != nullptr) continue;
    auto* list = new MStaticMatrix(this);
    list->setAccessibleName(tr(kNames[Slot(bit)]));
    lists_[Slot(bit)] = list;
    list->show();
  }
  ApplyFontSize();
  ApplyColours();
  Layout();
}

int MSlideWnd::AddEntry(ListBit list, const QString& text, bool marked) {
  MStaticMatrix* matrix = List(list);
  return matrix == nullptr ? -1 : matrix->AddEntry(text, marked);
}

void MSlideWnd::RemoveEntry(ListBit list, const QString& text) {
  if (MStaticMatrix* matrix = List(list)) matrix->RemoveEntry(text);
}

void MSlideWnd::ClearList(ListBit list) {
  if (MStaticMatrix* matrix = List(list)) matrix->Clear();
}

int MSlideWnd::EntryCount(ListBit list) const {
  const MStaticMatrix* matrix = List(list);
  return matrix == nullptr ? 0 : matrix->Count();
}

void MSlideWnd::SetDrawing(ListBit list, bool on) {
  if (MStaticMatrix* matrix = List(list)) matrix->SetDrawing(on);
}

void MSlideWnd::SetWord(const QString& text) {
  word_->SetText(text);
  Layout();
}

QString MSlideWnd::TileArrangement() const { return setup_.tiles ? word_->Text() : QString(); }

void MSlideWnd::SetFontSize(int font_size) {
  setup_.font_size = font_size;
  Layout();
}

void MSlideWnd::SetColours(const Colours& colours) {
  setup_.colours = colours;
  ApplyColours();
}

void MSlideWnd::ApplyFontSize() {
  word_->SetPixelSize(sizes_.word);
  const slide::ListMetrics metrics = slide::ListMetricsFor(
      sizes_.list, setup_.answer_width, setup_.three_columns, setup_.hook_width, setup_.hook_width);
  for (MStaticMatrix* list : lists_) {
    if (list != nullptr) list->SetMetrics(metrics);
  }
}

void MSlideWnd::ApplyColours() {
  const Colours& c = setup_.colours;
  if (setup_.tiles) {
    word_->SetColours(c.tile_background, c.tile_foreground, c.background);
  } else {
    word_->SetColours(c.slide_background, c.slide_foreground, c.background);
  }
  for (MStaticMatrix* list : lists_) {
    if (list != nullptr) list->SetColours(c.slide_background, c.slide_foreground);
  }
  update();
}

slide::Size MSlideWnd::PreferredSize() const {
  const slide::FontSizes sizes = slide::FontSizesFor(setup_.font_size);
  const slide::ListMetrics metrics = slide::ListMetricsFor(
      sizes.list, setup_.answer_width, setup_.three_columns, setup_.hook_width, setup_.hook_width);
  // The word's panel is sized for its places, tiles or text alike.
  const slide::Size word = setup_.tiles ? slide::RackSize(sizes.word, setup_.word_places)
                                        : slide::TextPanelSize(sizes.word, setup_.word_places);
  return slide::AreaSize(word, slide::ListSize(metrics, 1, slide::kInitialRows));
}

void MSlideWnd::Layout() {
  const int list_count = List(kLeft) != nullptr || List(kRight) != nullptr ? 2
                         : List(kMiddle) != nullptr                        ? 1
                                                                           : 0;
  const slide::AreaContent content = {setup_.tiles,         setup_.word_places, setup_.answer_width,
                                      setup_.three_columns, setup_.hook_width,  list_count};
  const slide::FontSizes fitted = slide::FittedFontSizes(setup_.font_size, content, width());
  if (fitted.word != sizes_.word || fitted.list != sizes_.list) {
    sizes_ = fitted;
    ApplyFontSize();
  }
  const int m = slide::kAreaMargin;
  const int g = slide::kAreaGap;
  const slide::Size word = word_->PreferredSize();
  word_->setGeometry((width() - word.width) / 2, m, word.width, word.height);
  const MStaticMatrix* any = lists_[0] != nullptr   ? lists_[0]
                             : lists_[1] != nullptr ? lists_[1]
                                                    : lists_[2];
  if (any == nullptr) return;
  const int list_width = any->PreferredSize().width;
  const int top = m + word.height + g;
  const int available = height() - 2 * m - g - word.height;
  const int list_height = slide::FittedListHeight(available, any->Metrics().row_height);
  if (MStaticMatrix* middle = List(kMiddle)) {
    middle->setGeometry((width() - list_width) / 2, top, list_width, list_height);
  }
  const int left = (width() - 2 * list_width - m) / 2;
  if (MStaticMatrix* list = List(kLeft)) list->setGeometry(left, top, list_width, list_height);
  if (MStaticMatrix* list = List(kRight)) {
    list->setGeometry(left + list_width + g, top, list_width, list_height);
  }
}

void MSlideWnd::resizeEvent(QResizeEvent*) { Layout(); }

void MSlideWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), setup_.colours.background);
}

}  // namespace tavrune
