#ifndef TAVRUNE_SEARCH_UI_CUSTOM_LIST_DIALOG_H_
#define TAVRUNE_SEARCH_UI_CUSTOM_LIST_DIALOG_H_

#include <QDialog>
#include <array>

#include "search/custom_list_search.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tavrune {

class PagedListBox;

// "Custom List": builds a word list by successive searches (see
// CustomListSearch), showing the current type's inputs with their ranges
// and help, and the words found so far. After OK the caller takes the
// words from `working`, which it owns; Cancel leaves them as they were
// searched, so callers use them only after OK.
class CustomListDialog : public QDialog {
  Q_OBJECT

 public:
  // At most 63 characters, so a pattern extended by "*" still fits the
  // engine's 64.
  static constexpr int kMaxPatternLength = 63;

  CustomListDialog(WordCollection& working, bool prune_mode, const Lexicon& lexicon,
                   UserPrompt& prompt, bool build_build, QWidget* parent = nullptr);
  ~CustomListDialog() override;

  // Chooses a category and type by name, as clicking them would; false
  // when there is no such pair.
  bool SelectType(const QString& category, const QString& type);

  QListWidget* CategoryBox() const { return categories_; }
  QLineEdit* Input(SearchField field) const { return inputs_[static_cast<size_t>(field)]; }
  QLabel* Label(SearchField field) const { return labels_[static_cast<size_t>(field)]; }
  QLabel* HelpText() const { return help_text_; }
  QLabel* CountLabel() const { return count_; }
  // Shown while the last search left no words.
  QLabel* NoWordsLeftLabel() const { return no_words_left_; }
  PagedListBox* Results() const { return results_; }
  QPushButton* SearchButton() const { return search_; }
  QPushButton* UndoButton() const { return undo_; }
  QPushButton* NewSearchButton() const { return new_search_; }
  QPushButton* OkButton() const { return ok_; }

 signals:
  void helpRequested();

 private:
  void CategorySelected();
  void TypeSelected();
  void Search();
  void Undo();
  void NewSearch();
  // The count, the number labels (Probable follows the list's size) and
  // the results from the top.
  void Refresh();
  void NumbersToMinimums();

  CustomListSearch model_;
  UserPrompt& prompt_;
  const SearchCategory* category_ = nullptr;
  const SearchType* type_ = nullptr;

  QListWidget* categories_;
  QListWidget* types_;
  std::array<QLabel*, 4> labels_{};
  std::array<QLineEdit*, 4> inputs_{};
  QLabel* help_text_;
  QRadioButton* matching_;
  QRadioButton* not_matching_;
  PagedListBox* results_;
  QLabel* count_;
  QLabel* no_words_left_;
  QPushButton* ok_;
  QPushButton* undo_;
  QPushButton* search_;
  QPushButton* new_search_;
};

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_UI_CUSTOM_LIST_DIALOG_H_
