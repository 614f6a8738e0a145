#ifndef TAVRUNE_OPTIONS_UI_INTEGER_FIELD_H_
#define TAVRUNE_OPTIONS_UI_INTEGER_FIELD_H_

#include <optional>

#include "options/option_rules.h"
#include "platform/user_prompt.h"

class QLineEdit;
class QString;
class QWidget;

namespace tavrune {

// A text field for a whole number, as the option dialogs lay it out.
QLineEdit* NewIntegerEdit(int value, QWidget* parent);

// The number in `edit` when it lies in `range`. Otherwise the user is told
// (not a number, or the range) and the field gets the focus with its text
// selected, so the dialog can stay open.
std::optional<int> ReadIntegerField(QLineEdit* edit, IntegerRange range, UserPrompt& prompt);

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_UI_INTEGER_FIELD_H_
