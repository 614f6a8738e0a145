#include "print/ui/page_setup_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrune {
namespace {

QDoubleSpinBox* NumberBox(double value, double min, double max, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setDecimals(2);
  box->setRange(min, max);
  box->setSingleStep(0.25);
  box->setValue(value);
  return box;
}

QString Text(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

FontsSpacingDialog::FontsSpacingDialog(const FontDialogValues& values, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Fonts and Spacing"));
  size_ = NumberBox(values.size, 6, 30, this);
  auto* size_row = new QFormLayout;
  size_row->addRow(tr("Si&ze (6 - 30 pts)"), size_);

  auto* word_box = new QGroupBox(tr("Word Font"), this);
  word_bold_ = new QCheckBox(tr("&Bold"), word_box);
  word_italic_ = new QCheckBox(tr("&Italic"), word_box);
  auto* word_layout = new QVBoxLayout(word_box);
  word_layout->addWidget(word_bold_);
  word_layout->addWidget(word_italic_);
  auto* answer_box = new QGroupBox(tr("Answer Font"), this);
  answer_bold_ = new QCheckBox(tr("Bol&d"), answer_box);
  answer_italic_ = new QCheckBox(tr("I&talic"), answer_box);
  auto* answer_layout = new QVBoxLayout(answer_box);
  answer_layout->addWidget(answer_bold_);
  answer_layout->addWidget(answer_italic_);
  word_bold_->setChecked(values.word_bold);
  word_italic_->setChecked(values.word_italic);
  answer_bold_->setChecked(values.answer_bold);
  answer_italic_->setChecked(values.answer_italic);
  auto* styles = new QHBoxLayout;
  styles->addWidget(word_box);
  styles->addWidget(answer_box);

  line_spacing_ = NumberBox(values.line_spacing, 0, 3, this);
  column_spacing_ = NumberBox(values.column_spacing, 10, 40, this);
  word_spacing_ = NumberBox(values.word_spacing, 5, 20, this);
  auto* spacing = new QFormLayout;
  spacing->addRow(tr("Between &Lines (0 - 3)"), line_spacing_);
  spacing->addRow(tr("Between Colu&mns (10 - 40)"), column_spacing_);
  spacing->addRow(tr("Between &Word and Answers (5 - 20)"), word_spacing_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(size_row);
  layout->addLayout(styles);
  layout->addLayout(spacing);
  layout->addWidget(OkCancel(this));
}

FontDialogValues FontsSpacingDialog::Values() const {
  return {size_->value(),
          word_bold_->isChecked(),
          word_italic_->isChecked(),
          answer_bold_->isChecked(),
          answer_italic_->isChecked(),
          line_spacing_->value(),
          column_spacing_->value(),
          word_spacing_->value()};
}

PageSetupDialog::PageSetupDialog(const PageSetup& setup, QWidget* parent)
    : QDialog(parent), setup_(setup) {
  setWindowTitle(tr("Page Setup"));
  const PageDialogValues values = PageDialogValuesOf(setup);

  auto* size_box = new QGroupBox(tr("Size (4 - 17 inches)"), this);
  sizes_ = {NumberBox(values.width, 4, 17, size_box), NumberBox(values.height, 4, 17, size_box)};
  auto* size_layout = new QFormLayout(size_box);
  size_layout->addRow(tr("&Width"), sizes_[0]);
  size_layout->addRow(tr("Hei&ght"), sizes_[1]);

  auto* margin_box = new QGroupBox(tr("Margins (0.5 - 1.5 inches)"), this);
  const double margin_values[] = {values.left, values.right, values.top, values.bottom};
  const QString margin_labels[] = {tr("&Left"), tr("&Right"), tr("&Top"), tr("&Bottom")};
  auto* margin_layout = new QFormLayout(margin_box);
  for (size_t i = 0; i < margins_.size(); ++i) {
    margins_[i] = NumberBox(margin_values[i], 0.5, 1.5, margin_box);
    margin_layout->addRow(margin_labels[i], margins_[i]);
  }

  const QString text_labels[] = {tr("Left Hea&der"), tr("&Middle Header"), tr("Right He&ader"),
                                 tr("Left Foot&er"), tr("M&iddle Footer"), tr("Right &Footer")};
  auto* texts = new QFormLayout;
  for (size_t i = 0; i < texts_.size(); ++i) {
    texts_[i] = new QLineEdit(Text(values.texts[i]), this);
    texts->addRow(text_labels[i], texts_[i]);
  }

  fonts_button_ = new QPushButton(tr("Fonts and &Spacing..."), this);
  connect(fonts_button_, &QPushButton::clicked, this, &PageSetupDialog::EditFonts);

  auto* boxes = new QHBoxLayout;
  boxes->addWidget(size_box);
  boxes->addWidget(margin_box);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addLayout(texts);
  layout->addWidget(fonts_button_, 0, Qt::AlignLeft);
  layout->addWidget(OkCancel(this));
}

void PageSetupDialog::EditFonts() {
  FontsSpacingDialog dialog(FontDialogValuesOf(setup_), this);
  if (dialog.exec() == QDialog::Accepted) ApplyFontDialog(dialog.Values(), setup_);
}

PageSetup PageSetupDialog::Result() const {
  PageDialogValues values;
  values.width = sizes_[0]->value();
  values.height = sizes_[1]->value();
  values.left = margins_[0]->value();
  values.right = margins_[1]->value();
  values.top = margins_[2]->value();
  values.bottom = margins_[3]->value();
  for (size_t i = 0; i < texts_.size(); ++i) values.texts[i] = texts_[i]->text().toStdString();
  PageSetup result = setup_;
  ApplyPageDialog(values, result);
  return result;
}

}  // namespace tavrune
