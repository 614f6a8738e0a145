#include "options/ui/choose_dictionary_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/ui/center_window.h"

namespace tavrune {

ChooseDictionaryDialog::ChooseDictionaryDialog(const LexiconPresence& present, int preselected,
                                               QWidget* parent)
    : QDialog(parent), preselected_(preselected), choice_(preselected) {
  setWindowTitle(tr("Choose a Dictionary"));

  auto* box = new QGroupBox(tr("Dictionary"), this);
  auto* box_layout = new QVBoxLayout(box);
  group_ = new QButtonGroup(this);
  for (LexiconId id : kAllLexiconIds) {
    auto* button = new QRadioButton(QString::fromUtf8(LexiconLabel(id).data()), box);
    button->setEnabled(DictionaryEnabled(present, Index(id)));
    group_->addButton(button, Index(id));
    box_layout->addWidget(button);
    buttons_[static_cast<size_t>(Index(id))] = button;
  }
  if (QAbstractButton* chosen = group_->button(preselected)) chosen->setChecked(true);

  auto* note =
      new QLabel(tr("You can change the Dictionary later by choosing Options/Dictionary."), this);
  note->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QDialogButtonBox::Ok);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &ChooseDictionaryDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(note);
  layout->addWidget(buttons);
  setMinimumWidth(320);
}

void ChooseDictionaryDialog::accept() {
  if (group_->checkedId() >= 0) choice_ = group_->checkedId();
  QDialog::accept();
}

void ChooseDictionaryDialog::reject() {
  // The close box and Escape answer as OK would have with the preselection.
  choice_ = preselected_;
  done(Accepted);
}

void ChooseDictionaryDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget() == nullptr) CenterOnScreen(this);
}

}  // namespace tavrune
