#include "search/ui/word_search_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "search/search_messages.h"
#include "search/ui/paged_list_box.h"
#include "search/ui/upper_case_validator.h"

namespace tavrune {
namespace {

QPushButton* MakeButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

WordSearchDialog::WordSearchDialog(const Lexicon& lexicon, Settings& settings, UserPrompt& prompt,
                                   SourceMarker mark, QWidget* parent)
    : QDialog(parent),
      lexicon_(lexicon),
      settings_(settings),
      prompt_(prompt),
      mark_(std::move(mark)) {
  setWindowTitle(tr("Word List Search"));
  const WordSearchChoices choices = WordSearchChoices::Read(settings_);

  auto* type_group = new QGroupBox(tr("Search Type"), this);
  auto* type_layout = new QVBoxLayout(type_group);
  const QString type_texts[] = {tr("&Pattern"), tr("&Anagram"), tr("&Build")};
  for (size_t i = 0; i < type_buttons_.size(); ++i) {
    type_buttons_[i] = new QRadioButton(type_texts[i], type_group);
    type_layout->addWidget(type_buttons_[i]);
    connect(type_buttons_[i], &QRadioButton::clicked, this, &WordSearchDialog::TypeChanged);
  }
  build_build_ = new QCheckBox(tr("Build Buil&d"), type_group);
  type_layout->addWidget(build_build_);

  auto* sort_group = new QGroupBox(tr("Sort By"), this);
  auto* sort_layout = new QVBoxLayout(sort_group);
  alphabetical_ = new QRadioButton(tr("Alphabe&t"), sort_group);
  by_length_ = new QRadioButton(tr("&Word Length"), sort_group);
  sort_layout->addWidget(alphabetical_);
  sort_layout->addWidget(by_length_);

  input_ = new QLineEdit(this);
  input_->setMaxLength(kMaxInputLength);
  input_->setValidator(new UpperCaseValidator(input_));
  auto* input_label = new QLabel(tr("&Input"), this);
  input_label->setBuddy(input_);

  list_ = new PagedListBox(this);
  auto* list_label = new QLabel(tr("Word List"), this);
  count_ = new QLabel(this);
  auto* count_row = new QHBoxLayout;
  count_row->addWidget(new QLabel(tr("Number of Words:"), this));
  count_row->addWidget(count_, 1);

  small_caps_ = new QCheckBox(tr("&Use small cap letters for wild card matches"), this);

  search_ = new QPushButton(tr("&Search"), this);
  search_->setDefault(true);
  clear_ = MakeButton(tr("C&lear"), this);
  auto* close = MakeButton(tr("&Close"), this);
  auto* help = MakeButton(tr("&Help"), this);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {search_, clear_, close, help}) buttons->addWidget(button);
  buttons->addStretch();

  auto* left = new QVBoxLayout;
  left->addWidget(type_group);
  left->addWidget(sort_group);
  left->addWidget(input_label);
  left->addWidget(input_);
  left->addStretch();
  auto* middle = new QVBoxLayout;
  middle->addWidget(list_label);
  middle->addWidget(list_);
  middle->addLayout(count_row);
  middle->addStretch();

  auto* grid = new QGridLayout(this);
  grid->addLayout(left, 0, 0);
  grid->addLayout(middle, 0, 1);
  grid->addLayout(buttons, 0, 2);
  grid->addWidget(small_caps_, 1, 0, 1, 3);

  connect(search_, &QPushButton::clicked, this, &WordSearchDialog::Search);
  connect(clear_, &QPushButton::clicked, this, &WordSearchDialog::Clear);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, &WordSearchDialog::helpRequested);
  connect(list_, &PagedListBox::wordDoubleClicked, this, &WordSearchDialog::wordDoubleClicked);

  TypeButton(choices.type)->setChecked(true);
  (choices.by_length ? by_length_ : alphabetical_)->setChecked(true);
  small_caps_->setChecked(choices.small_caps);
  const bool offered = BuildBuildOffered(settings_);
  build_build_->setVisible(offered);
  build_build_->setChecked(offered && choices.build_build);
  list_->Attach(&results_);
  Refresh();
  TypeChanged();
  input_->setFocus();
}

WordSearchDialog::~WordSearchDialog() {
  list_->Attach(nullptr);
  Choices().Write(settings_);
}

WordSearchChoices WordSearchDialog::Choices() const {
  WordSearchChoices choices;
  for (size_t i = 0; i < type_buttons_.size(); ++i) {
    if (type_buttons_[i]->isChecked()) choices.type = static_cast<WordSearchType>(i);
  }
  choices.by_length = by_length_->isChecked();
  choices.small_caps = small_caps_->isChecked();
  choices.build_build = !build_build_->isHidden() && build_build_->isChecked();
  return choices;
}

void WordSearchDialog::TypeChanged() {
  small_caps_->setEnabled(!TypeButton(WordSearchType::kPattern)->isChecked());
}

void WordSearchDialog::Search() {
  input_->setFocus();
  const WordSearchChoices choices = Choices();
  WordSearchRequest request;
  request.type = choices.type;
  request.input = WithoutSpaces(input_->text().toUpper().toUtf8().toStdString());
  request.small_caps = choices.small_caps;
  request.build_build = choices.type == WordSearchType::kBuild && choices.build_build;
  request.by_length = choices.by_length;
  if (const int message = CheckWordSearchInput(request.type, request.input); message != 0) {
    prompt_.ShowMessage(message);
    return;
  }
  // The old results go before the search starts.
  results_.Clear();
  Refresh();
  list_->repaint();
  {
    WaitCursor wait(prompt_);
    RunWordSearch(lexicon_, request, mark_, results_);
  }
  Refresh();
  if (results_.IsEmpty()) {
    prompt_.ShowMessage(kNoMatchingWordsMessage, {}, UserPrompt::Icon::kInformation);
  } else if (results_.IsFull()) {
    prompt_.ShowMessage(kSearchCutMessage, {}, UserPrompt::Icon::kInformation);
  }
}

void WordSearchDialog::Clear() {
  input_->clear();
  results_.Clear();
  Refresh();
  input_->setFocus();
}

void WordSearchDialog::Refresh() {
  count_->setText(QString::number(results_.Count()));
  list_->Reset();
}

}  // namespace tavrune
