#ifndef TAVRUNE_STUDY_UI_HELP_WINDOW_H_
#define TAVRUNE_STUDY_UI_HELP_WINDOW_H_

#include <QString>
#include <QWidget>

class QLineEdit;
class QTextBrowser;

namespace tavrune {

// The user manual in the program's own window, so help never depends on a
// browser: the manual's chapters and a field that finds a word in it.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // `manual` is the manual's HTML file; its pictures lie beside it.
  HelpWindow(QString manual, QWidget* parent);

  // Shows the manual at `chapter`, one of its anchors (the start when
  // empty), and brings the window forward. False when the manual is
  // missing.
  bool ShowChapter(const QString& chapter);
  // The window with an empty search field ready for a keyword.
  bool ShowSearch();

  QTextBrowser* Browser() const { return browser_; }

 private:
  void BringForward();
  // The next place that holds the search text, from the top again after the
  // last.
  void FindNext();

  QString manual_;
  QTextBrowser* browser_;
  QLineEdit* search_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_HELP_WINDOW_H_
