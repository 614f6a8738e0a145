#include "search/ui/custom_list_dialog.h"

#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>

#include "resources/string_table.h"
#include "search/search_messages.h"
#include "search/ui/paged_list_box.h"
#include "search/ui/upper_case_validator.h"

namespace tavrune {
namespace {

constexpr SearchField kFields[] = {SearchField::kPattern1, SearchField::kPattern2,
                                   SearchField::kNumber1, SearchField::kNumber2};
// The labels the inputs carry until a type names them.
constexpr const char* kPlaceholderLabels[] = {"Word1", "Word2", "Num1", "Num2"};

bool IsNumber(SearchField field) {
  return field == SearchField::kNumber1 || field == SearchField::kNumber2;
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* MakeButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CustomListDialog::CustomListDialog(WordCollection& working, bool prune_mode, const Lexicon& lexicon,
                                   UserPrompt& prompt, bool build_build, QWidget* parent)
    : QDialog(parent), model_(working, prune_mode, lexicon, prompt, build_build), prompt_(prompt) {
  setWindowTitle(tr("Custom List"));

  categories_ = new QListWidget(this);
  types_ = new QListWidget(this);
  auto* category_label = new QLabel(tr("Search C&ategory"), this);
  auto* type_label = new QLabel(tr("Search &Type"), this);
  category_label->setBuddy(categories_);
  type_label->setBuddy(types_);

  help_text_ = new QLabel(this);
  help_text_->setWordWrap(true);
  help_text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  help_text_->setFrameShape(QFrame::StyledPanel);
  help_text_->setMinimumHeight(60);
  QFont help_font(QStringLiteral("Arial"));
  help_font.setPixelSize(11);
  help_text_->setFont(help_font);

  auto* inputs = new QGridLayout;
  for (size_t i = 0; i < 4; ++i) {
    labels_[i] = new QLabel(QString::fromLatin1(kPlaceholderLabels[i]), this);
    inputs_[i] = new QLineEdit(this);
    labels_[i]->setBuddy(inputs_[i]);
    if (IsNumber(kFields[i])) {
      inputs_[i]->setMaxLength(6);
    } else {
      inputs_[i]->setMaxLength(kMaxPatternLength);
      inputs_[i]->setValidator(new UpperCaseValidator(inputs_[i]));
    }
    inputs->addWidget(labels_[i], static_cast<int>(i) * 2, 0);
    inputs->addWidget(inputs_[i], static_cast<int>(i) * 2 + 1, 0);
  }
  matching_ = new QRadioButton(tr("&Matching conditions"), this);
  not_matching_ = new QRadioButton(tr("&Not Matching conditions"), this);
  matching_->setChecked(true);
  inputs->addWidget(matching_, 8, 0);
  inputs->addWidget(not_matching_, 9, 0);
  inputs->setRowStretch(10, 1);

  results_ = new PagedListBox(this);
  auto* results_label = new QLabel(tr("Search &Results"), this);
  // The box itself takes no focus; its rows do.
  results_label->setBuddy(results_->Rows());
  count_ = new QLabel(this);
  auto* count_row = new QHBoxLayout;
  count_row->addWidget(new QLabel(tr("Number of Words:"), this));
  count_row->addWidget(count_, 1);
  // Search is ignored then, and would otherwise say nothing.
  no_words_left_ = new QLabel(ToQString(StringText(kNoWordsLeftMessage)), this);
  no_words_left_->setWordWrap(true);

  ok_ = MakeButton(tr("&OK"), this);
  auto* cancel = MakeButton(tr("&Cancel"), this);
  undo_ = MakeButton(tr("&Undo"), this);
  search_ = new QPushButton(tr("&Search"), this);
  search_->setDefault(true);
  new_search_ = MakeButton(tr("Ne&w Search"), this);
  auto* help = MakeButton(tr("&Help"), this);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {ok_, cancel, undo_, search_, new_search_, help}) {
    buttons->addWidget(button);
  }
  buttons->addStretch();

  auto* lists = new QVBoxLayout;
  lists->addWidget(category_label);
  lists->addWidget(categories_);
  lists->addWidget(type_label);
  lists->addWidget(types_, 1);
  auto* found = new QVBoxLayout;
  found->addWidget(results_label);
  found->addWidget(results_);
  found->addLayout(count_row);
  found->addWidget(no_words_left_);
  found->addStretch();

  auto* grid = new QGridLayout(this);
  grid->addLayout(lists, 0, 0);
  grid->addLayout(inputs, 0, 1);
  grid->addLayout(found, 0, 2);
  grid->addLayout(buttons, 0, 3, 2, 1);
  grid->addWidget(help_text_, 1, 0, 1, 3);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  connect(categories_, &QListWidget::currentRowChanged, this, &CustomListDialog::CategorySelected);
  connect(types_, &QListWidget::currentRowChanged, this, &CustomListDialog::TypeSelected);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(undo_, &QPushButton::clicked, this, &CustomListDialog::Undo);
  connect(search_, &QPushButton::clicked, this, &CustomListDialog::Search);
  connect(new_search_, &QPushButton::clicked, this, &CustomListDialog::NewSearch);
  connect(help, &QPushButton::clicked, this, &CustomListDialog::helpRequested);
  connect(results_, &PagedListBox::wordDoubleClicked, this, &CustomListDialog::wordDoubleClicked);

  results_->Attach(&model_.working());
  undo_->setEnabled(false);
  new_search_->setEnabled(!prune_mode);
  {
    const QSignalBlocker blocker(categories_);
    const SearchTypeRegistry& registry = model_.registry();
    for (int i = 0; i < registry.CategoryCount(); ++i) {
      categories_->addItem(ToQString(registry.Category(i).name()));
    }
    categories_->setCurrentRow(0);
    // Room for the four categories and no more; the types take the rest.
    categories_->setFixedHeight(categories_->sizeHintForRow(0) * (registry.CategoryCount() + 1));
  }
  CategorySelected();
  Refresh();
}

CustomListDialog::~CustomListDialog() { results_->Attach(nullptr); }

bool CustomListDialog::SelectType(const QString& category, const QString& type) {
  const QList<QListWidgetItem*> categories = categories_->findItems(category, Qt::MatchExactly);
  if (categories.isEmpty()) return false;
  categories_->setCurrentItem(categories.front());
  const QList<QListWidgetItem*> types = types_->findItems(type, Qt::MatchExactly);
  if (types.isEmpty()) return false;
  types_->setCurrentItem(types.front());
  return true;
}

void CustomListDialog::CategorySelected() {
  const int row = categories_->currentRow();
  category_ = row < 0 ? nullptr : &model_.registry().Category(row);
  {
    const QSignalBlocker blocker(types_);
    types_->clear();
    if (category_ != nullptr) {
      for (int i = 0; i < category_->TypeCount(); ++i) {
        types_->addItem(ToQString(category_->Type(i).name()));
      }
    }
    types_->setCurrentRow(0);
  }
  TypeSelected();
}

void CustomListDialog::TypeSelected() {
  const int row = types_->currentRow();
  type_ = category_ == nullptr || row < 0 ? nullptr : &category_->Type(row);
  if (type_ == nullptr) return;
  Input(SearchField::kPattern1)->clear();
  Input(SearchField::kPattern2)->clear();
  for (size_t i = 0; i < 4; ++i) {
    const bool used = type_->Uses(kFields[i]);
    labels_[i]->setText(ToQString(model_.LabelWithRange(*type_, kFields[i])));
    labels_[i]->setVisible(used);
    inputs_[i]->setVisible(used);
  }
  NumbersToMinimums();
  help_text_->setText(ToQString(StringText(type_->help_id())));
}

void CustomListDialog::NumbersToMinimums() {
  if (type_ == nullptr) return;
  const SearchLimits limits = type_->GetLimits(model_.Source());
  Input(SearchField::kNumber1)->setText(QString::number(limits.min1));
  Input(SearchField::kNumber2)->setText(QString::number(limits.min2));
}

void CustomListDialog::Search() {
  if (type_ == nullptr) return;
  SearchParameters parameters;
  parameters.pattern1 = Input(SearchField::kPattern1)->text().toUpper().toUtf8().toStdString();
  parameters.pattern2 = Input(SearchField::kPattern2)->text().toUpper().toUtf8().toStdString();
  parameters.matching = matching_->isChecked();
  // Text that is no number is refused before anything else; the model
  // checks the ranges. A dead end ignores the search before any check.
  if (model_.working().IsEmpty() && (model_.prune_mode() || model_.Exhausted())) return;
  for (SearchField field : {SearchField::kNumber1, SearchField::kNumber2}) {
    if (!type_->Uses(field)) continue;
    bool ok = false;
    const int value = Input(field)->text().trimmed().toInt(&ok);
    if (!ok) {
      prompt_.ShowMessage(kIntegerText);
      Input(field)->setFocus();
      Input(field)->selectAll();
      return;
    }
    (field == SearchField::kNumber1 ? parameters.number1 : parameters.number2) = value;
  }
  std::optional<SearchMessage> refusal;
  const CustomListSearch::Outcome outcome = model_.Search(*type_, parameters, &refusal);
  if (outcome == CustomListSearch::Outcome::kRefused && refusal) {
    QLineEdit* at_fault = Input(refusal->field);
    at_fault->setFocus();
    at_fault->selectAll();
  }
  if (outcome == CustomListSearch::Outcome::kDone) Refresh();
  undo_->setEnabled(model_.CanUndo());
}

void CustomListDialog::Undo() {
  model_.Undo();
  Refresh();
}

void CustomListDialog::NewSearch() {
  Input(SearchField::kPattern1)->clear();
  Input(SearchField::kPattern2)->clear();
  model_.NewSearch();
  NumbersToMinimums();
  Refresh();
}

void CustomListDialog::Refresh() {
  count_->setText(QString::number(model_.working().Count()));
  no_words_left_->setVisible(model_.Exhausted());
  undo_->setEnabled(model_.CanUndo());
  if (type_ != nullptr) {
    for (size_t i = 0; i < 4; ++i) {
      labels_[i]->setText(ToQString(model_.LabelWithRange(*type_, kFields[i])));
    }
  }
  results_->Reset();
}

}  // namespace tavrune
