#include "wordlist/ui/notes_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

namespace tavrune {

NotesDialog::NotesDialog(const std::string& description, const std::string& notes, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("List Notes"));

  description_ = new QLineEdit(this);
  description_->setMaxLength(kMaxDescriptionLength);
  description_->setText(QString::fromStdString(description));
  auto* description_label = new QLabel(tr("&Description"), this);
  description_label->setBuddy(description_);

  notes_ = new QPlainTextEdit(this);
  notes_->setTabChangesFocus(true);
  // Lists written elsewhere may carry CR LF line ends.
  notes_->setPlainText(QString::fromStdString(notes).replace(QLatin1String("\r\n"), "\n"));
  auto* notes_label = new QLabel(tr("&Notes"), this);
  notes_label->setBuddy(notes_);
  LimitNotes();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(notes_, &QPlainTextEdit::textChanged, this, &NotesDialog::LimitNotes);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(description_label);
  layout->addWidget(description_);
  layout->addWidget(notes_label);
  layout->addWidget(notes_, 1);
  layout->addWidget(buttons);
  resize(380, 260);
}

void NotesDialog::LimitNotes() {
  const QString text = notes_->toPlainText();
  const int excess = static_cast<int>(text.size()) - kMaxNotesLength;
  if (excess <= 0) return;
  // What was just typed or pasted ends at the cursor: that is what goes.
  const QSignalBlocker blocker(notes_);
  QTextCursor cursor = notes_->textCursor();
  const int end = cursor.position() >= excess ? cursor.position() : static_cast<int>(text.size());
  cursor.setPosition(end - excess);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  notes_->setTextCursor(cursor);
}

std::string NotesDialog::Description() const { return description_->text().toStdString(); }

std::string NotesDialog::Notes() const { return notes_->toPlainText().toStdString(); }

}  // namespace tavrune
