#include "options/ui/color_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "options/colour_palette.h"

namespace tavrune {
namespace {

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

// Paints each line as a swatch of its palette colour in a black frame, so a
// swatch in the dialog's own grey shows as well as the others; the
// selected swatch gets a second frame inside that shows against its colour.
class PaletteDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (index.row() < 0 || index.row() >= kPaletteSize) return;
    const Rgb colour = kColourPalette[static_cast<size_t>(index.row())];
    // Filled rather than outlined, so the frames stay whole at any scale.
    QRect inside = option.rect.adjusted(kGap, kGap, -kGap, -kGap);
    painter->fillRect(inside, Qt::black);
    inside.adjust(1, 1, -1, -1);
    if (option.state & QStyle::State_Selected) {
      painter->fillRect(inside, ToQColor(SelectionFrameColour(colour)));
      inside.adjust(2, 2, -2, -2);
    }
    painter->fillRect(inside, ToQColor(colour));
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {option.fontMetrics.horizontalAdvance(QLatin1Char('W')) * 8,
            option.fontMetrics.height() + 2 + 2 * kGap};
  }

 private:
  // Between the swatches, in the list's own colour.
  static constexpr int kGap = 2;
};

}  // namespace

ColorDialog::ColorDialog(const QString& title, Rgb current, std::function<void(Rgb)> apply,
                         QWidget* parent)
    : QDialog(parent), initial_(current), chosen_(current), apply_(std::move(apply)) {
  setWindowTitle(title);

  list_ = new QListWidget(this);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setItemDelegate(new PaletteDelegate(list_));
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int i = 0; i < kPaletteSize; ++i) list_->addItem(QString());
  list_->setFixedSize(list_->sizeHintForColumn(0) + 2 * list_->frameWidth(),
                      list_->sizeHintForRow(0) * kPaletteSize + 2 * list_->frameWidth());
  auto* label = new QLabel(tr("Available Co&lors"), this);
  label->setBuddy(list_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ColorDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // The opening selection shows the current colour; it is not a pick.
  list_->setCurrentRow(PaletteIndexOf(current));
  connect(list_, &QListWidget::currentRowChanged, this, &ColorDialog::Pick);
}

void ColorDialog::Pick(int row) {
  if (row < 0 || row >= kPaletteSize) return;
  chosen_ = kColourPalette[static_cast<size_t>(row)];
  if (apply_) apply_(chosen_);
}

void ColorDialog::reject() {
  if (chosen_ != initial_) {
    chosen_ = initial_;
    if (apply_) apply_(chosen_);
  }
  QDialog::reject();
}

}  // namespace tavrune
