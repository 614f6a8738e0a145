#ifndef TAVRUNE_OPTIONS_UI_DICTIONARY_DIALOG_H_
#define TAVRUNE_OPTIONS_UI_DICTIONARY_DIALOG_H_

#include <QDialog>
#include <array>

#include "dictionary/dictionary.h"
#include "options/dictionary_choice.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace tavrune {

// "Dictionary Options" (dialog 128): the lexicon to study, where the
// combined list's answers come from, and the word-source marks.
class DictionaryDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 128;
  static constexpr int kAnswerSourceCount = 3;

  DictionaryDialog(const DictionaryChoices& choices, const LexiconPresence& present,
                   QWidget* parent = nullptr);

  // What the controls show now. A mark field left empty gives an empty
  // text, which the application state turns into a blank mark.
  DictionaryChoices Choices() const;

  QRadioButton* DictionaryButton(int id) const { return dictionaries_[static_cast<size_t>(id)]; }
  QRadioButton* AnswerSourceButton(int index) const {
    return answer_sources_[static_cast<size_t>(index)];
  }
  QGroupBox* AnswerSourceBox() const { return answer_box_; }
  QCheckBox* SymbolsCheck() const { return use_symbols_; }
  QCheckBox* MainWordSymbolsCheck() const { return use_symbols_for_main_word_; }
  QLineEdit* BothSymbolEdit() const { return both_; }
  QLineEdit* UkSymbolEdit() const { return uk_only_; }
  QLineEdit* NaSymbolEdit() const { return na_only_; }

 private:
  // The answer-source rule, on opening and on every dictionary click.
  void DictionaryClicked();

  DictionaryChoices initial_;
  QButtonGroup* dictionary_group_;
  QButtonGroup* answer_group_;
  std::array<QRadioButton*, kLexiconCount> dictionaries_ = {};
  std::array<QRadioButton*, kAnswerSourceCount> answer_sources_ = {};
  QGroupBox* answer_box_;
  QCheckBox* use_symbols_;
  QCheckBox* use_symbols_for_main_word_;
  QLineEdit* both_;
  QLineEdit* uk_only_;
  QLineEdit* na_only_;
};

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_DICTIONARY_DIALOG_H_
