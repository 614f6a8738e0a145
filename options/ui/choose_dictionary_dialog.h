#ifndef TAVRUNE_OPTIONS_UI_CHOOSE_DICTIONARY_DIALOG_H_
#define TAVRUNE_OPTIONS_UI_CHOOSE_DICTIONARY_DIALOG_H_

#include <QDialog>
#include <array>

#include "options/dictionary_choice.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace tavrune {

// "Choose a Dictionary" (dialog 139), asked once at the first start when
// more than one lexicon file exists. There is no Cancel: closing the window
// keeps the preselected dictionary.
class ChooseDictionaryDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 139;

  ChooseDictionaryDialog(const LexiconPresence& present, int preselected,
                         QWidget* parent = nullptr);

  // The LexiconId chosen; the preselection until OK.
  int Choice() const { return choice_; }

  QRadioButton* DictionaryButton(int id) const { return buttons_[static_cast<size_t>(id)]; }
  QPushButton* OkButton() const { return ok_; }

  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const int preselected_;
  int choice_;
  QButtonGroup* group_;
  std::array<QRadioButton*, kLexiconCount> buttons_ = {};
  QPushButton* ok_;
};

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_CHOOSE_DICTIONARY_DIALOG_H_
