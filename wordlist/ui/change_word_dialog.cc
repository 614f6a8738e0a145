#include "wordlist/ui/change_word_dialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "resources/string_table.h"
#include "search/ui/paged_list_box.h"
#include "search/ui/upper_case_validator.h"

namespace tavrune {
namespace {

constexpr int kWordNotInListText = 40023;

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ChangeWordDialog::ChangeWordDialog(const WordCollection& entries, int cursor, UserPrompt& prompt,
                                   QWidget* parent)
    : QDialog(parent), entries_(entries), prompt_(prompt), chosen_(cursor) {
  setWindowTitle(tr("Change Word"));

  list_ = new PagedListBox(this);
  index_label_ = new QLabel(tr("Word &Index (1-%1)").arg(entries.Count()), this);
  index_edit_ = new QLineEdit(this);
  go_to_index_ = new QPushButton(tr("&Go To"), this);
  index_label_->setBuddy(index_edit_);
  auto* word_label = new QLabel(tr("&Word"), this);
  word_edit_ = new QLineEdit(this);
  word_edit_->setValidator(new UpperCaseValidator(word_edit_));
  go_to_word_ = new QPushButton(tr("Go &To"), this);
  word_label->setBuddy(word_edit_);
  ok_ = new QPushButton(tr("OK"), this);
  cancel_ = new QPushButton(tr("Cancel"), this);
  ok_->setDefault(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(list_, 0, 0, 5, 1);
  grid->addWidget(index_label_, 0, 1, 1, 2);
  grid->addWidget(index_edit_, 1, 1);
  grid->addWidget(go_to_index_, 1, 2);
  grid->addWidget(word_label, 2, 1, 1, 2);
  grid->addWidget(word_edit_, 3, 1);
  grid->addWidget(go_to_word_, 3, 2);
  grid->setRowStretch(4, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  grid->addLayout(buttons, 5, 0, 1, 3);
  grid->setColumnMinimumWidth(0, 160);

  connect(go_to_index_, &QPushButton::clicked, this, &ChangeWordDialog::GoToIndex);
  connect(go_to_word_, &QPushButton::clicked, this, &ChangeWordDialog::GoToWord);
  connect(ok_, &QPushButton::clicked, this, &ChangeWordDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &ChangeWordDialog::reject);
  connect(list_, &PagedListBox::selectionChanged, this, &ChangeWordDialog::ListSelected);
  index_edit_->installEventFilter(this);
  word_edit_->installEventFilter(this);

  list_->Attach(&entries_);
  Choose(cursor);
}

void ChangeWordDialog::Choose(int index) {
  chosen_ = index;
  list_->Select(index);
  index_edit_->setText(QString::number(index + 1));
  word_edit_->setText(Latin1(entries_.Word(index)));
}

void ChangeWordDialog::ListSelected(int index) {
  if (index != chosen_) Choose(index);
}

bool ChangeWordDialog::ReadBoxes(int& index) {
  const int count = entries_.Count();
  bool number = false;
  index = index_edit_->text().trimmed().toInt(&number);
  if (!number || index < 1 || index > count) {
    if (number) {
      prompt_.ShowMessage(kIntegerRangeText, {"1", std::to_string(count)});
    } else {
      prompt_.ShowMessage(kIntegerText);
    }
    index_edit_->setFocus();
    index_edit_->selectAll();
    return false;
  }
  if (word_edit_->text().size() > kMaxWordLength) {
    prompt_.ShowMessage(kMaxCharsText, {std::to_string(kMaxWordLength)});
    word_edit_->setFocus();
    word_edit_->selectAll();
    return false;
  }
  return true;
}

void ChangeWordDialog::GoToIndex() {
  int index = 0;
  if (ReadBoxes(index)) Choose(index - 1);
}

int ChangeWordDialog::FindWord(std::string_view word) const {
  const int index = entries_.Find(word);
  if (index >= 0 || !entries_.sorted()) return index;
  // Entries whose letters were shuffled stay marked sorted though they are
  // out of order, where a binary search can miss.
  for (int i = 0; i < entries_.Count(); ++i) {
    if (entries_.Word(i) == word) return i;
  }
  return -1;
}

void ChangeWordDialog::GoToWord() {
  int unused = 0;
  if (!ReadBoxes(unused)) return;
  const std::string word = word_edit_->text().toLatin1().toStdString();
  int found = -1;
  if (!word.empty()) {
    WaitCursor wait(prompt_);
    found = FindWord(word);
  }
  if (found < 0) {
    prompt_.ShowMessage(kWordNotInListText);
    return;
  }
  Choose(found);
}

void ChangeWordDialog::accept() {
  int unused = 0;
  if (ReadBoxes(unused)) QDialog::accept();
}

bool ChangeWordDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter in a box performs that box's Go To.
  if (event->type() == QEvent::FocusIn) {
    (watched == word_edit_ ? go_to_word_ : go_to_index_)->setDefault(true);
  } else if (event->type() == QEvent::FocusOut) {
    ok_->setDefault(true);
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tavrune
