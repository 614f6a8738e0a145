#ifndef TAVRUNE_PLATFORM_UI_DIALOG_LOOK_H_
#define TAVRUNE_PLATFORM_UI_DIALOG_LOOK_H_

class QApplication;

namespace tavrune {

// Disabled labels, buttons and fields in a dark grey that still reads on
// the dialog grey (better than 3:1; the toolkit's own light grey all but
// vanishes there) and reads even better on lighter grounds. Once the
// application exists.
void UseReadableDisabledText();

// The study program's look: grey (192, 192, 192) dialogs with black text,
// whatever the desktop, and readable disabled text.
void UseGreyDialogs(QApplication& application);

}  // namespace tavrune

#endif  // TAVRUNE_PLATFORM_UI_DIALOG_LOOK_H_
