#include "judge/ui/upper_case_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace tavrune {

UpperCaseEdit::UpperCaseEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

std::string UpperCaseEdit::Utf8Text() const { return toPlainText().toStdString(); }

void UpperCaseEdit::keyPressEvent(QKeyEvent* event) {
  const QString upper = event->text().toUpper();
  if (upper == event->text()) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent raised(event->type(), event->key(), event->modifiers(), upper, event->isAutoRepeat(),
                   event->count());
  QPlainTextEdit::keyPressEvent(&raised);
  event->setAccepted(raised.isAccepted());
}

void UpperCaseEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString upper = event->commitString().toUpper();
  if (upper == event->commitString()) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent raised(event->preeditString(), event->attributes());
  raised.setCommitString(upper, event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&raised);
  event->setAccepted(raised.isAccepted());
}

void UpperCaseEdit::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) return;
  // Plain text only; rich text would bring formatting the edit cannot show.
  QMimeData upper;
  upper.setText(source->text().toUpper());
  QPlainTextEdit::insertFromMimeData(&upper);
}

}  // namespace tavrune
