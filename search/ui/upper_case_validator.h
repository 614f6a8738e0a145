#ifndef TAVRUNE_SEARCH_UI_UPPER_CASE_VALIDATOR_H_
#define TAVRUNE_SEARCH_UI_UPPER_CASE_VALIDATOR_H_

#include <QValidator>

namespace tavrune {

// Turns whatever reaches a one-line box (typed, pasted, dropped) into upper
// case, so words and patterns arrive as the lexicon spells them. It refuses
// nothing: the dialogs check the text themselves.
class UpperCaseValidator : public QValidator {
  Q_OBJECT

 public:
  explicit UpperCaseValidator(QObject* parent = nullptr) : QValidator(parent) {}

  State validate(QString& input, int& pos) const override;
};

}  // namespace tavrune

#endif  // TAVRUNE_SEARCH_UI_UPPER_CASE_VALIDATOR_H_
