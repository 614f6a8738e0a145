#ifndef TAVRUNE_WORDLIST_UI_CHANGE_WORD_DIALOG_H_
#define TAVRUNE_WORDLIST_UI_CHANGE_WORD_DIALOG_H_

#include <QDialog>

#include "engine/word_collection.h"
#include "platform/user_prompt.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrune {

class PagedListBox;

// "Change Word": the user picks an entry of the list by its position, by
// its text or in the list box. Only a choice confirmed with a Go To button
// or made in the list counts; OK still checks both boxes, so nothing
// invalid is left standing. The caller goes to ChosenIndex() after OK when
// it differs from the cursor.
class ChangeWordDialog : public QDialog {
  Q_OBJECT

 public:
  // The longest text the word box takes.
  static constexpr int kMaxWordLength = 15;

  ChangeWordDialog(const WordCollection& entries, int cursor, UserPrompt& prompt,
                   QWidget* parent = nullptr);

  int ChosenIndex() const { return chosen_; }

  PagedListBox* ListBox() const { return list_; }
  QLabel* IndexLabel() const { return index_label_; }
  QLineEdit* IndexEdit() const { return index_edit_; }
  QPushButton* GoToIndexButton() const { return go_to_index_; }
  QLineEdit* WordEdit() const { return word_edit_; }
  QPushButton* GoToWordButton() const { return go_to_word_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Checks both boxes; on a fault shows the message, puts the focus into
  // the box and returns false. `index` receives the index box's number.
  bool ReadBoxes(int& index);
  void GoToIndex();
  void GoToWord();
  void ListSelected(int index);
  // Makes `index` the chosen entry and shows it in both boxes.
  void Choose(int index);
  int FindWord(std::string_view word) const;

  const WordCollection& entries_;
  UserPrompt& prompt_;
  int chosen_;

  PagedListBox* list_;
  QLabel* index_label_;
  QLineEdit* index_edit_;
  QPushButton* go_to_index_;
  QLineEdit* word_edit_;
  QPushButton* go_to_word_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_UI_CHANGE_WORD_DIALOG_H_
