#include "options/ui/dictionary_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>

namespace tavrune {
namespace {

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit* SymbolEdit(const std::string& symbol, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(1);
  edit->setText(Latin1(symbol));
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 3);
  return edit;
}

}  // namespace

DictionaryDialog::DictionaryDialog(const DictionaryChoices& choices, const LexiconPresence& present,
                                   QWidget* parent)
    : QDialog(parent), initial_(choices) {
  setWindowTitle(tr("Dictionary Options"));

  answer_box_ = new QGroupBox(tr("Show Answers From"), this);
  auto* answer_layout = new QVBoxLayout(answer_box_);
  answer_group_ = new QButtonGroup(this);
  const QString answer_labels[kAnswerSourceCount] = {tr("B&ritain only (unique)"),
                                                     tr("Nor&th America only (unique)"),
                                                     tr("Britain an&d North America")};
  for (int i = 0; i < kAnswerSourceCount; ++i) {
    auto* button = new QRadioButton(answer_labels[i], answer_box_);
    answer_group_->addButton(button, i);
    answer_layout->addWidget(button);
    answer_sources_[static_cast<size_t>(i)] = button;
  }

  auto* dictionary_box = new QGroupBox(tr("Dictionary"), this);
  auto* dictionary_layout = new QVBoxLayout(dictionary_box);
  dictionary_group_ = new QButtonGroup(this);
  for (LexiconId id : kAllLexiconIds) {
    auto* button = new QRadioButton(QString::fromUtf8(LexiconLabel(id).data()), dictionary_box);
    button->setEnabled(DictionaryEnabled(present, Index(id)));
    dictionary_group_->addButton(button, Index(id));
    dictionary_layout->addWidget(button);
    dictionaries_[static_cast<size_t>(Index(id))] = button;
  }

  use_symbols_ = new QCheckBox(tr("Use symbols to identify word source for Ans&wers"), this);
  use_symbols_for_main_word_ =
      new QCheckBox(tr("Use symbols to identify word source for &Main Word"), this);
  both_ = SymbolEdit(choices.symbols.both, this);
  uk_only_ = SymbolEdit(choices.symbols.uk_only, this);
  na_only_ = SymbolEdit(choices.symbols.na_only, this);
  use_symbols_->setChecked(choices.use_symbols);
  use_symbols_for_main_word_->setChecked(choices.use_symbols_for_main_word);
  auto* symbols = new QFormLayout;
  symbols->addRow(tr("Britain and Nort&h America"), both_);
  symbols->addRow(tr("Britain onl&y "), uk_only_);
  symbols->addRow(tr("North Am&erica only"), na_only_);
  // Marks tell the British from the North American words, which takes both.
  const bool symbols_enabled = SymbolsEnabled(present);
  for (QWidget* control : std::initializer_list<QWidget*>{use_symbols_, use_symbols_for_main_word_,
                                                          both_, uk_only_, na_only_}) {
    control->setEnabled(symbols_enabled);
  }
  for (int row = 0; row < symbols->rowCount(); ++row) {
    if (QLayoutItem* label = symbols->itemAt(row, QFormLayout::LabelRole)) {
      label->widget()->setEnabled(symbols_enabled);
    }
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(dictionary_box, 0, 0);
  grid->addWidget(answer_box_, 0, 1, Qt::AlignTop);
  grid->addWidget(use_symbols_, 1, 0, 1, 2);
  grid->addWidget(use_symbols_for_main_word_, 2, 0, 1, 2);
  grid->addLayout(symbols, 3, 0, 1, 2);
  grid->addWidget(buttons, 4, 0, 1, 2);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  if (QAbstractButton* chosen = dictionary_group_->button(choices.source)) {
    chosen->setChecked(true);
  }
  if (QAbstractButton* chosen = answer_group_->button(choices.answer_source)) {
    chosen->setChecked(true);
  }
  connect(dictionary_group_, &QButtonGroup::idClicked, this, &DictionaryDialog::DictionaryClicked);
  DictionaryClicked();
}

void DictionaryDialog::DictionaryClicked() {
  DictionaryChoices choices = Choices();
  ApplyAnswerSourceRule(choices);
  if (QAbstractButton* chosen = answer_group_->button(choices.answer_source)) {
    chosen->setChecked(true);
  }
  answer_box_->setEnabled(AnswerSourceEnabled(choices.source));
}

DictionaryChoices DictionaryDialog::Choices() const {
  DictionaryChoices choices = initial_;
  if (dictionary_group_->checkedId() >= 0) choices.source = dictionary_group_->checkedId();
  if (answer_group_->checkedId() >= 0) choices.answer_source = answer_group_->checkedId();
  choices.use_symbols = use_symbols_->isChecked();
  choices.use_symbols_for_main_word = use_symbols_for_main_word_->isChecked();
  choices.symbols.both = both_->text().toLatin1().toStdString();
  choices.symbols.uk_only = uk_only_->text().toLatin1().toStdString();
  choices.symbols.na_only = na_only_->text().toLatin1().toStdString();
  return choices;
}

}  // namespace tavrune
