#ifndef TAVRUNE_TESTS_UI_QT_TEST_APP_H_
#define TAVRUNE_TESTS_UI_QT_TEST_APP_H_

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QtGlobal>

namespace tavrune::testing {

// The one QApplication of a GUI test run, made on first use. It is never
// destroyed: tearing Qt down after main has returned is not safe.
inline void EnsureQtApp() {
  if (QApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tavrune_ui_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

// Types like a keyboard: QTest cannot click '\n' as a character.
inline void TypeText(QWidget* widget, const QString& text) {
  const QStringList lines = text.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClicks(widget, lines[i]);
  }
}

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_UI_QT_TEST_APP_H_
