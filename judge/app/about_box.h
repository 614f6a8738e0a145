#ifndef TAVRUNE_JUDGE_APP_ABOUT_BOX_H_
#define TAVRUNE_JUDGE_APP_ABOUT_BOX_H_

#include <QDialog>

class QLabel;

namespace tavrune {

// The judge program's About box (dialog 100): name, version and one line per
// lexicon found beside the program.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 100;

  explicit AboutBox(const QString& lexicon_lines, QWidget* parent = nullptr);

  QLabel* ProgramLine() const { return program_; }
  QLabel* LexiconLines() const { return lexicons_; }

 private:
  QLabel* program_;
  QLabel* lexicons_;
};

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_APP_ABOUT_BOX_H_
