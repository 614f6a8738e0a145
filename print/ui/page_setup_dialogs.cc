#include "print/ui/page_setup_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#include "platform/ui/number_field.h"
#include "print/print_setting_keys.h"

namespace tavrune {
namespace {

namespace ps = setting::page_setup;

// The dialogs' ranges are those the settings keep, in the dialogs' units.
struct FieldRange {
  double minimum;
  double maximum;
};

FieldRange InchRange(const IntSetting& setting) {
  return {TwipsToInches(setting.min), TwipsToInches(setting.max)};
}

FieldRange PointRange(const IntSetting& setting) {
  return {TwipsToPoints(setting.min), TwipsToPoints(setting.max)};
}

QLineEdit* InchEdit(double inches, QWidget* parent) {
  return NewNumberEdit(QString::number(inches, 'f', 2), parent);
}

QLineEdit* PointEdit(double points, QWidget* parent) {
  return NewNumberEdit(QString::number(std::lround(points)), parent);
}

// Reads the fields into `values` in order, stopping at the first that is
// out of its range.
template <size_t N>
bool ReadFields(const std::array<QLineEdit*, N>& edits, const std::array<FieldRange, N>& ranges,
                bool fractions, const std::array<double*, N>& values, UserPrompt& prompt) {
  for (size_t i = 0; i < N; ++i) {
    const std::optional<double> value =
        ReadNumberField(edits[i], ranges[i].minimum, ranges[i].maximum, fractions, prompt);
    if (!value) return false;
    *values[i] = *value;
  }
  return true;
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

FontsSpacingDialog::FontsSpacingDialog(const FontDialogValues& values, UserPrompt& prompt,
                                       QWidget* parent)
    : QDialog(parent), prompt_(prompt), values_(values) {
  setWindowTitle(tr("Fonts and Spacing"));
  numbers_ = {PointEdit(values.size, this), PointEdit(values.line_spacing, this),
              PointEdit(values.column_spacing, this), PointEdit(values.word_spacing, this)};
  auto* size_row = new QFormLayout;
  size_row->addRow(tr("Si&ze (6 - 30 pts)"), numbers_[0]);

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

  auto* spacing = new QFormLayout;
  spacing->addRow(tr("Between &Lines (0 - 3)"), numbers_[1]);
  spacing->addRow(tr("Between Colu&mns (10 - 40)"), numbers_[2]);
  spacing->addRow(tr("Between &Word and Answers (5 - 20)"), numbers_[3]);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(size_row);
  layout->addLayout(styles);
  layout->addLayout(spacing);
  layout->addWidget(OkCancel(this));
}

void FontsSpacingDialog::accept() {
  FontDialogValues values = values_;
  if (!ReadFields<4>(
          numbers_,
          {PointRange(ps::kFontSize), PointRange(ps::kVerticalSpacing),
           PointRange(ps::kColumnSpacing), PointRange(ps::kColumnTabSpacing)},
          false, {&values.size, &values.line_spacing, &values.column_spacing, &values.word_spacing},
          prompt_)) {
    return;
  }
  values.word_bold = word_bold_->isChecked();
  values.word_italic = word_italic_->isChecked();
  values.answer_bold = answer_bold_->isChecked();
  values.answer_italic = answer_italic_->isChecked();
  values_ = values;
  QDialog::accept();
}

PageSetupDialog::PageSetupDialog(const PageSetup& setup, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), prompt_(prompt), setup_(setup), result_(setup) {
  setWindowTitle(tr("Page Setup"));
  const PageDialogValues values = PageDialogValuesOf(setup);

  auto* size_box = new QGroupBox(tr("Size (4 - 17 inches)"), this);
  sizes_ = {InchEdit(values.width, size_box), InchEdit(values.height, size_box)};
  auto* size_layout = new QFormLayout(size_box);
  size_layout->addRow(tr("&Width"), sizes_[0]);
  size_layout->addRow(tr("Hei&ght"), sizes_[1]);

  auto* margin_box = new QGroupBox(tr("Margins (0.5 - 1.5 inches)"), this);
  const double margin_values[] = {values.left, values.right, values.top, values.bottom};
  const QString margin_labels[] = {tr("&Left"), tr("&Right"), tr("&Top"), tr("&Bottom")};
  auto* margin_layout = new QFormLayout(margin_box);
  for (size_t i = 0; i < margins_.size(); ++i) {
    margins_[i] = InchEdit(margin_values[i], margin_box);
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
  FontsSpacingDialog dialog(FontDialogValuesOf(setup_), prompt_, this);
  if (dialog.exec() == QDialog::Accepted) ApplyFontDialog(dialog.Values(), setup_);
}

void PageSetupDialog::accept() {
  PageDialogValues values;
  const FieldRange size = InchRange(ps::kWidth);
  const FieldRange margin = InchRange(ps::kLeftMargin);
  if (!ReadFields<2>(sizes_, {size, size}, true, {&values.width, &values.height}, prompt_) ||
      !ReadFields<4>(margins_, {margin, margin, margin, margin}, true,
                     {&values.left, &values.right, &values.top, &values.bottom}, prompt_)) {
    return;
  }
  for (size_t i = 0; i < texts_.size(); ++i) values.texts[i] = texts_[i]->text().toStdString();
  result_ = setup_;
  ApplyPageDialog(values, result_);
  QDialog::accept();
}

}  // namespace tavrune
