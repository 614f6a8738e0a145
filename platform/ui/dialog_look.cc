#include "platform/ui/dialog_look.h"

#include <QApplication>
#include <QPalette>

namespace tavrune {

void UseReadableDisabledText() {
  const QColor disabled_text(96, 96, 96);
  QPalette palette = QApplication::palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, disabled_text);
  }
  QApplication::setPalette(palette);
}

void UseGreyDialogs(QApplication& application) {
  application.setStyleSheet(
      QStringLiteral("QDialog { background-color: rgb(192, 192, 192); color: black; }"));
  UseReadableDisabledText();
}

}  // namespace tavrune
