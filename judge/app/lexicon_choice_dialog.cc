#include "judge/app/lexicon_choice_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrune {
namespace {

// The judge's own labels, which differ from the study program's.
QString ChoiceLabel(LexiconId id) {
  switch (id) {
    case LexiconId::kUK:
      return QObject::tr("&British");
    case LexiconId::kNA:
      return QObject::tr("Nort&h America");
    case LexiconId::kUKNA:
      return QObject::tr("Briti&sh and North America");
    case LexiconId::kFR:
      return QObject::tr("&French");
    case LexiconId::kNAF:
      return QObject::tr("North America Fa&mily");
  }
  return QString();
}

}  // namespace

LexiconChoiceDialog::LexiconChoiceDialog(const std::array<bool, kLexiconCount>& present,
                                         const JudgeSettings& initial, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Choose a Lexicon"));

  auto* lexicon_box = new QGroupBox(tr("Lexicon"), this);
  auto* lexicon_layout = new QVBoxLayout(lexicon_box);
  auto* lexicon_group = new QButtonGroup(this);
  for (LexiconId id : kAllLexiconIds) {
    auto* button = new QRadioButton(ChoiceLabel(id), lexicon_box);
    button->setEnabled(present[Index(id)]);
    lexicon_group->addButton(button, Index(id));
    lexicon_layout->addWidget(button);
    lexicons_[Index(id)] = button;
  }
  const std::optional<LexiconId> preselected = PreselectedLexicon(present, initial.current_lexicon);
  if (preselected) lexicons_[Index(*preselected)]->setChecked(true);

  auto* mouse_box = new QGroupBox(tr("Do you want to use a Mouse? "), this);
  auto* mouse_layout = new QHBoxLayout(mouse_box);
  mouse_yes_ = new QRadioButton(tr("&Yes"), mouse_box);
  mouse_no_ = new QRadioButton(tr("&No"), mouse_box);
  mouse_layout->addWidget(mouse_yes_);
  mouse_layout->addWidget(mouse_no_);
  mouse_layout->addStretch();
  (initial.no_mouse ? mouse_no_ : mouse_yes_)->setChecked(true);

  auto* log_label = new QLabel(
      tr("Challenge &Log Directory:\n - Files are created here to record the challenges\n"
         " - Directory should already exist"),
      this);
  log_directory_ = new QLineEdit(this);
  log_directory_->setMaxLength(static_cast<int>(kMaxLogDirectoryLength));
  log_directory_->setText(QString::fromStdString(initial.log_directory));
  log_label->setBuddy(log_directory_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lexicon_box);
  layout->addWidget(mouse_box);
  layout->addWidget(log_label);
  layout->addWidget(log_directory_);
  layout->addWidget(buttons);
  setMinimumWidth(360);
}

JudgeSettings LexiconChoiceDialog::Choice() const {
  JudgeSettings choice;
  for (LexiconId id : kAllLexiconIds) {
    if (lexicons_[Index(id)]->isChecked()) choice.current_lexicon = id;
  }
  choice.no_mouse = !mouse_yes_->isChecked();
  choice.log_directory = log_directory_->text().toStdString();
  return choice;
}

}  // namespace tavrune
