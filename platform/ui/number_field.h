#ifndef TAVRUNE_PLATFORM_UI_NUMBER_FIELD_H_
#define TAVRUNE_PLATFORM_UI_NUMBER_FIELD_H_

#include <QString>
#include <optional>

#include "platform/user_prompt.h"

class QLineEdit;
class QWidget;

namespace tavrune {

// A text field for a number, as the dialogs lay it out. A plain field, not
// a spin box, so any value can be typed and a wrong one is explained on OK.
QLineEdit* NewNumberEdit(const QString& text, QWidget* parent);

// The number in `edit` when it lies in [minimum, maximum], a whole number
// unless `fractions`. Otherwise the user is told (not a number, or the
// range) and the field gets the focus with its text selected, so the
// dialog can stay open.
std::optional<double> ReadNumberField(QLineEdit* edit, double minimum, double maximum,
                                      bool fractions, UserPrompt& prompt);

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_UI_NUMBER_FIELD_H_
