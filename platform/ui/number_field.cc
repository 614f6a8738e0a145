#include "platform/ui/number_field.h"

#include <QLineEdit>

#include "resources/string_table.h"

namespace tavrune {

QLineEdit* NewNumberEdit(const QString& text, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6);
  return edit;
}

std::optional<double> ReadNumberField(QLineEdit* edit, double minimum, double maximum,
                                      bool fractions, UserPrompt& prompt) {
  const QString text = edit->text().trimmed();
  bool number = false;
  const double value = fractions ? text.toDouble(&number) : text.toInt(&number);
  if (number && value >= minimum && value <= maximum) return value;
  if (number) {
    prompt.ShowMessage(kIntegerRangeText, {QString::number(minimum).toStdString(),
                                           QString::number(maximum).toStdString()});
  } else {
    prompt.ShowMessage(kIntegerText);
  }
  edit->setFocus();
  edit->selectAll();
  return std::nullopt;
}

}  // namespace tavrune
