#include "options/ui/integer_field.h"

#include <QLineEdit>

#include "platform/ui/number_field.h"

namespace tavrune {

QLineEdit* NewIntegerEdit(int value, QWidget* parent) {
  return NewNumberEdit(QString::number(value), parent);
}

std::optional<int> ReadIntegerField(QLineEdit* edit, IntegerRange range, UserPrompt& prompt) {
  const std::optional<double> value =
      ReadNumberField(edit, range.minimum, range.maximum, false, prompt);
  if (!value) return std::nullopt;
  return static_cast<int>(*value);
}

}  // namespace tavrune
