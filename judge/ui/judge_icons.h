#ifndef TAVRUNE_JUDGE_UI_JUDGE_ICONS_H_
#define TAVRUNE_JUDGE_UI_JUDGE_ICONS_H_

#include <QIcon>
#include <QPixmap>

namespace tavrune {

// Our own drawings (SVG in resources/), by their icon resource numbers.
enum class JudgeIcon {
  kProgram = 128,
  kCheckMark = 130,
  kRedCross = 131,
  kSmilingFace = 134,
  kFrowningFace = 136,
};

// The icon drawn `size` pixels square for a screen of the given ratio.
QPixmap JudgeIconPixmap(JudgeIcon icon, int size, qreal device_pixel_ratio = 1.0);
// The icon at the usual window-icon sizes.
QIcon JudgeIconSet(JudgeIcon icon);

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_UI_JUDGE_ICONS_H_
