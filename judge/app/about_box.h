#ifndef TAVRUNE_JUDGE_APP_ABOUT_BOX_H_
#define TAVRUNE_JUDGE_APP_ABOUT_BOX_H_

#include <QDialog>

class QLabel;

namespace tavrune {

// The judge program's About box (dialog 100): name, version, one line per
// lexicon found beside the program, and the log folder, so a director can
// see where the logs go and whether lines wait to be written there.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 100;

  // `waiting` is the judge window's mark of waiting log lines, empty when
  // none waits.
  explicit AboutBox(const QString& lexicon_lines, const QString& log_folder = {},
                    const QString& waiting = {}, QWidget* parent = nullptr);

  QLabel* ProgramLine() const { return program_; }
  QLabel* LexiconLines() const { return lexicons_; }
  QLabel* LogFolderLine() const { return log_folder_; }

 private:
  QLabel* program_;
  QLabel* lexicons_;
  QLabel* log_folder_;
};

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_APP_ABOUT_BOX_H_
