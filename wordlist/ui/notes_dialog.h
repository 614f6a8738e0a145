#ifndef TAVRUNE_WORDLIST_UI_NOTES_DIALOG_H_
#define TAVRUNE_WORDLIST_UI_NOTES_DIALOG_H_

#include <QDialog>
#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace tavrune {

// "List Notes": the list's one-line description and its free notes. The
// texts are UTF-8; the notes come back with LF line ends.
class NotesDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxDescriptionLength = 40;
  static constexpr int kMaxNotesLength = 255;

  NotesDialog(const std::string& description, const std::string& notes, QWidget* parent = nullptr);

  std::string Description() const;
  std::string Notes() const;

  QLineEdit* DescriptionEdit() const { return description_; }
  QPlainTextEdit* NotesEdit() const { return notes_; }

 private:
  // A multi-line box has no length limit of its own: what goes beyond it is
  // cut off as it arrives.
  void LimitNotes();

  QLineEdit* description_;
  QPlainTextEdit* notes_;
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_UI_NOTES_DIALOG_H_
