#ifndef TAVRUNE_SEARCH_UI_WORD_SEARCH_DIALOG_H_
#define TAVRUNE_SEARCH_UI_WORD_SEARCH_DIALOG_H_

#include <QDialog>
#include <array>

#include "engine/lexicon.h"
#include "engine/word_collection.h"
#include "platform/settings.h"
#include "platform/user_prompt.h"
#include "search/word_search.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrune {

class PagedListBox;

// "Word List Search": a quick look-up by pattern, anagram or build over the
// current lexicon, apart from the open list. The choices come from the
// settings when the dialog opens and go back when it is destroyed.
class WordSearchDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxInputLength = 63;

  // `mark` appends word-source symbols; empty when they are switched off.
  WordSearchDialog(const Lexicon& lexicon, Settings& settings, UserPrompt& prompt,
                   SourceMarker mark, QWidget* parent = nullptr);
  ~WordSearchDialog() override;

  // The choices as the controls show them.
  WordSearchChoices Choices() const;

  QRadioButton* TypeButton(WordSearchType type) const {
    return type_buttons_[static_cast<size_t>(type)];
  }
  QCheckBox* BuildBuildBox() const { return build_build_; }
  QCheckBox* SmallCapsBox() const { return small_caps_; }
  QLineEdit* InputEdit() const { return input_; }
  PagedListBox* Results() const { return list_; }
  QLabel* CountLabel() const { return count_; }
  QPushButton* SearchButton() const { return search_; }
  QPushButton* ClearButton() const { return clear_; }

 signals:
  void helpRequested();

 private:
  void Search();
  void Clear();
  void TypeChanged();
  void Refresh();

  const Lexicon& lexicon_;
  Settings& settings_;
  UserPrompt& prompt_;
  SourceMarker mark_;
  WordCollection results_;

  std::array<QRadioButton*, 3> type_buttons_{};
  QCheckBox* build_build_;
  QRadioButton* alphabetical_;
  QRadioButton* by_length_;
  QLineEdit* input_;
  PagedListBox* list_;
  QLabel* count_;
  QCheckBox* small_caps_;
  QPushButton* search_;
  QPushButton* clear_;
};

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_UI_WORD_SEARCH_DIALOG_H_
