#include "judge/ui/judge_icons.h"

#include <QPainter>
#include <QSvgRenderer>

// The icons live in a static library, whose resource initialiser the linker
// would drop unless something calls it.
static void InitJudgeIconResources() { Q_INIT_RESOURCE(judge_icons); }

namespace tavrune {
namespace {

QString ResourcePath(JudgeIcon icon) {
  switch (icon) {
    case JudgeIcon::kProgram:
      return QStringLiteral(":/icons/judge_program.svg");
    case JudgeIcon::kCheckMark:
      return QStringLiteral(":/icons/check_mark.svg");
    case JudgeIcon::kRedCross:
      return QStringLiteral(":/icons/red_cross.svg");
    case JudgeIcon::kSmilingFace:
      return QStringLiteral(":/icons/smiling_face.svg");
    case JudgeIcon::kFrowningFace:
      return QStringLiteral(":/icons/frowning_face.svg");
  }
  return QString();
}

}  // namespace

QPixmap JudgeIconPixmap(JudgeIcon icon, int size, qreal device_pixel_ratio) {
  static const bool initialized = (InitJudgeIconResources(), true);
  (void)initialized;
  const int pixels = qMax(1, qRound(size * device_pixel_ratio));
  QPixmap pixmap(pixels, pixels);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(ResourcePath(icon));
  if (renderer.isValid()) {
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, pixels, pixels));
  }
  pixmap.setDevicePixelRatio(device_pixel_ratio);
  return pixmap;
}

QIcon JudgeIconSet(JudgeIcon icon) {
  QIcon set;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) set.addPixmap(JudgeIconPixmap(icon, size));
  return set;
}

}  // namespace tavrune
