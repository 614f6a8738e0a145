#include "platform/ui/dialog_look.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <cmath>

#include "tests/ui/qt_test_app.h"

namespace tavrune {
namespace {

double Luminance(const QColor& colour) {
  const auto linear = [](int component) {
    const double c = component / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
         0.0722 * linear(colour.blue());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Leaves the application's look as it found it for the other tests.
class DialogLookTest : public ::testing::Test {
 protected:
  DialogLookTest() {
    testing::EnsureQtApp();
    app_ = qApp;
    palette_ = QApplication::palette();
    style_sheet_ = app_->styleSheet();
  }
  ~DialogLookTest() override {
    app_->setStyleSheet(style_sheet_);
    QApplication::setPalette(palette_);
  }

  QApplication* app_;
  QPalette palette_;
  QString style_sheet_;
};

TEST_F(DialogLookTest, DisabledTextReadsOnTheDialogGrey) {
  UseGreyDialogs(*app_);
  QDialog dialog;
  auto* label = new QLabel(QStringLiteral("Show Answers From"), &dialog);
  auto* button = new QRadioButton(QStringLiteral("A&scending"), &dialog);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(label);
  layout->addWidget(button);
  label->setEnabled(false);
  button->setEnabled(false);
  dialog.show();

  const QImage image = dialog.grab().toImage();
  const QColor grey = image.pixelColor(1, 1);
  ASSERT_EQ(grey, QColor(192, 192, 192));
  QStyleOptionButton option;
  option.initFrom(button);
  // The button's text, its round indicator aside.
  const QRect button_text =
      button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
  for (QWidget* widget : {static_cast<QWidget*>(label), static_cast<QWidget*>(button)}) {
    const QRect area = widget == button ? button_text.translated(button->pos()) : label->geometry();
    QColor darkest = grey;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor pixel = image.pixelColor(x, y);
        if (Luminance(pixel) < Luminance(darkest)) darkest = pixel;
      }
    }
    EXPECT_GE(Contrast(darkest, grey), 3.0) << widget->metaObject()->className();
    EXPECT_GE(Contrast(widget->palette().color(QPalette::Disabled, widget->foregroundRole()), grey),
              3.0);
  }
}

}  // namespace
}  // namespace tavrune
