#ifndef TAVRUNE_STUDY_UI_STUDY_ABOUT_BOX_H_
#define TAVRUNE_STUDY_UI_STUDY_ABOUT_BOX_H_

#include <QDialog>

class QLabel;

namespace tavrune {

// Help > About: the program's name and version, one line per lexicon found
// beside the program, and the notice the WordNet licence asks for.
class StudyAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit StudyAboutBox(const QString& lexicon_lines, QWidget* parent = nullptr);

  QLabel* ProgramLine() const { return program_; }
  QLabel* LexiconLines() const { return lexicons_; }
  QLabel* Notice() const { return notice_; }

 private:
  QLabel* program_;
  QLabel* lexicons_;
  QLabel* notice_;
};

// "Tavrune Version 3.2", the title line of the About box and the banner.
QString StudyTitleLine();

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_STUDY_ABOUT_BOX_H_
