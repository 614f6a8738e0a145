#include "cardbox/ui/cardbox_chart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <utility>

#include "cardbox/statistics.h"

namespace tavrune {
namespace {

constexpr int kTicks = 4;
const QColor kBarColour(40, 90, 160);
const QColor kBacklogColour(190, 60, 40);
const QColor kGridColour(150, 150, 150);

}  // namespace

CardboxChart::CardboxChart(Style style, QString title, QWidget* parent)
    : QWidget(parent), style_(style), title_(std::move(title)) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CardboxChart::SetValues(std::vector<int64_t> values, QStringList labels, int highlighted) {
  values_ = std::move(values);
  labels_ = std::move(labels);
  highlighted_ = highlighted;
  update();
}

QSize CardboxChart::sizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  return {metrics.averageCharWidth() * 90, metrics.height() * 12};
}

QSize CardboxChart::minimumSizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  return {metrics.averageCharWidth() * 40, metrics.height() * 8};
}

void CardboxChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics = fontMetrics();
  const int line = metrics.height();
  const int gap = metrics.averageCharWidth();

  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QRect(0, 0, width(), line), Qt::AlignHCenter | Qt::AlignVCenter, title_);
  painter.setFont(font());

  const int64_t maximum = values_.empty() ? 0 : *std::max_element(values_.begin(), values_.end());
  const int64_t step = AxisStep(maximum, kTicks);
  const int64_t top_value = std::max<int64_t>(step * ((maximum + step - 1) / step), step);
  double label_width = 0;
  for (const QString& label : labels_) {
    label_width = std::max<double>(label_width, metrics.horizontalAdvance(label) + gap);
  }
  // Room on the left for the widest value, on the right for half a label.
  const int left = metrics.horizontalAdvance(QString::number(top_value)) + 2 * gap;
  const int right = std::max(gap, static_cast<int>(label_width / 2));
  const QRect plot(left, line + line / 2, width() - left - right, height() - 3 * line - line / 2);
  if (plot.width() <= 0 || plot.height() <= 0) return;
  auto y_of = [&](int64_t value) {
    return plot.bottom() - static_cast<double>(value) * plot.height() / top_value;
  };

  // The value axis: round steps, with a faint line across at each.
  for (int64_t value = 0; value <= top_value; value += step) {
    const int y = static_cast<int>(y_of(value));
    painter.setPen(kGridColour);
    painter.drawLine(plot.left(), y, plot.right(), y);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, y - line / 2, plot.left() - gap, line),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
  }
  if (values_.empty()) return;

  const double slot = static_cast<double>(plot.width()) / static_cast<double>(values_.size());
  const int stride = LabelStride(label_width, slot);
  for (size_t i = 0; i < values_.size(); ++i) {
    const double x = plot.left() + slot * static_cast<double>(i);
    if (i % stride == 0 && static_cast<qsizetype>(i) < labels_.size()) {
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawText(
          QRectF(x + slot / 2 - label_width / 2, plot.bottom() + line / 4, label_width, line),
          Qt::AlignCenter, labels_[static_cast<qsizetype>(i)]);
    }
  }

  if (style_ == Style::kBars) {
    painter.setPen(Qt::NoPen);
    const double inset = std::min(slot * 0.15, static_cast<double>(gap));
    for (size_t i = 0; i < values_.size(); ++i) {
      if (values_[i] == 0) continue;
      const double x = plot.left() + slot * static_cast<double>(i);
      const double y = y_of(values_[i]);
      painter.setBrush(static_cast<int>(i) < highlighted_ ? kBacklogColour : kBarColour);
      painter.drawRect(QRectF(x + inset, y, slot - 2 * inset, plot.bottom() - y));
    }
    return;
  }
  QPainterPath path;
  for (size_t i = 0; i < values_.size(); ++i) {
    const QPointF point(plot.left() + slot * (static_cast<double>(i) + 0.5), y_of(values_[i]));
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  painter.setPen(QPen(kBarColour, std::max(2.0, gap / 3.0)));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
}

}  // namespace tavrune
