#ifndef TAVRUNE_CARDBOX_UI_CARDBOX_CHART_H_
#define TAVRUNE_CARDBOX_UI_CARDBOX_CHART_H_

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace tavrune {

// One chart of the statistics window: a value per slot drawn as bars or as
// a line, with a titled value axis and labels under the slots. Everything
// is measured from the font, so it stays readable at any scale.
class CardboxChart : public QWidget {
  Q_OBJECT

 public:
  enum class Style { kBars, kLine };

  CardboxChart(Style style, QString title, QWidget* parent = nullptr);

  // `labels` name the slots (as many as `values`); the first `highlighted`
  // bars are drawn in the warning colour (today's backlog).
  void SetValues(std::vector<int64_t> values, QStringList labels, int highlighted = 0);
  const std::vector<int64_t>& Values() const { return values_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Style style_;
  QString title_;
  std::vector<int64_t> values_;
  QStringList labels_;
  int highlighted_ = 0;
};

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_UI_CARDBOX_CHART_H_
