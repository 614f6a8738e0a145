#include "options/ui/anagram_options_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include "options/option_rules.h"
#include "options/ui/reorder_dialog.h"
#include "wordlist/wordlist_setting_keys.h"

namespace tavrune {
namespace {

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Lets only letters into the stem, upper-casing them as they are typed.
class StemValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int&) const override {
    const std::optional<std::string> stem = StemFromTyped(input.toLatin1().toStdString());
    if (!stem) return Invalid;
    input = Latin1(*stem);
    return Acceptable;
  }
};

}  // namespace

AnagramOptionsDialog::AnagramOptionsDialog(AnagramOrder order, const std::string& user_order,
                                           const std::string& stem, QWidget* parent)
    : QDialog(parent), user_order_(user_order) {
  setWindowTitle(tr("Anagram Options"));
  reorder_ = [this](const std::string& current) -> std::optional<std::string> {
    ReorderDialog dialog(current, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Order();
  };

  auto* box = new QGroupBox(tr("Presentation Order"), this);
  auto* grid = new QGridLayout(box);
  order_group_ = new QButtonGroup(this);
  const QString labels[kOrderCount] = {tr("&Alphabetical"), tr("Co&nsonant first"),
                                       tr("&Random"),       tr("&Stem"),
                                       tr("&Vowel first"),  tr("&User Specified")};
  for (int i = 0; i < kOrderCount; ++i) {
    auto* button = new QRadioButton(labels[i], box);
    order_group_->addButton(button, i);
    grid->addWidget(button, i, 0);
    orders_[static_cast<size_t>(i)] = button;
  }
  if (QAbstractButton* chosen = order_group_->button(static_cast<int>(order))) {
    chosen->setChecked(true);
  }

  stem_edit_ = new QLineEdit(box);
  stem_edit_->setMaxLength(MaxStemLength());
  stem_edit_->setValidator(new StemValidator(stem_edit_));
  stem_edit_->setText(Latin1(NormalizeSetting(setting::anagrams::kStem, stem)));
  grid->addWidget(stem_edit_, static_cast<int>(AnagramOrder::kStem), 1);

  edit_ = new QPushButton(tr("&Edit ..."), box);
  edit_->setAutoDefault(false);
  connect(edit_, &QPushButton::clicked, this, &AnagramOptionsDialog::EditUserOrder);
  grid->addWidget(edit_, static_cast<int>(AnagramOrder::kUserSpecified), 1);

  user_order_edit_ = new QLineEdit(Latin1(user_order_), box);
  user_order_edit_->setReadOnly(true);
  user_order_edit_->setMinimumWidth(
      user_order_edit_->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWWWWWWWWWWWWWWW")));
  grid->addWidget(user_order_edit_, kOrderCount, 0, 1, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(order_group_, &QButtonGroup::idClicked, this, &AnagramOptionsDialog::ApplyEnablingRule);
  ApplyEnablingRule();
}

void AnagramOptionsDialog::ApplyEnablingRule() {
  edit_->setEnabled(UserOrderEditEnabled(Order()));
  stem_edit_->setEnabled(StemEnabled(Order()));
}

void AnagramOptionsDialog::EditUserOrder() {
  const std::optional<std::string> edited = reorder_(user_order_);
  if (!edited) return;
  user_order_ = *edited;
  user_order_edit_->setText(Latin1(user_order_));
}

AnagramOrder AnagramOptionsDialog::Order() const {
  const int id = order_group_->checkedId();
  return id < 0 ? AnagramOrder::kAlphabetical : static_cast<AnagramOrder>(id);
}

std::string AnagramOptionsDialog::Stem() const { return stem_edit_->text().toStdString(); }

}  // namespace tavrune
