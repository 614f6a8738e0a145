#include "options/ui/integer_field.h"

#include <QLineEdit>

#include "resources/string_table.h"

namespace tavrune {

QLineEdit* NewIntegerEdit(int value, QWidget* parent) {
  auto* edit = new QLineEdit(QString::number(value), parent);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6);
  return edit;
}

std::optional<int> ReadIntegerField(QLineEdit* edit, IntegerRange range, UserPrompt& prompt) {
  bool number = false;
  const int value = edit->text().trimmed().toInt(&number);
  if (number && range.Contains(value)) return value;
  if (number) {
    prompt.ShowMessage(kIntegerRangeText, range.MessageArgs());
  } else {
    prompt.ShowMessage(kIntegerText);
  }
  edit->setFocus();
  edit->selectAll();
  return std::nullopt;
}

}  // namespace tavrune
