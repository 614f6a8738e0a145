#include "search/ui/upper_case_validator.h"

namespace tavrune {

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const {
  input = input.toUpper();
  return Acceptable;
}

}  // namespace tavrune
