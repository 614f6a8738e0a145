#include "study/ui/study_pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library, whose resource initialiser the
// linker would drop unless something calls it.
static void InitStudyPictureResources() { Q_INIT_RESOURCE(study_pictures); }

namespace tavrune {
namespace {

void EnsureResources() {
  static const bool initialized = (InitStudyPictureResources(), true);
  (void)initialized;
}

QString ResourcePath(StudyPicture picture) {
  switch (picture) {
    case StudyPicture::kLogo:
      return QStringLiteral(":/study/tavrune_logo.svg");
    case StudyPicture::kLightbulb:
      return QStringLiteral(":/study/lightbulb.svg");
  }
  return QString();
}

}  // namespace

QPixmap StudyPicturePixmap(StudyPicture picture, QSize size, qreal device_pixel_ratio) {
  EnsureResources();
  QPixmap pixmap(size * device_pixel_ratio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(ResourcePath(picture));
  if (renderer.isValid()) {
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), pixmap.size()));
  }
  pixmap.setDevicePixelRatio(device_pixel_ratio);
  return pixmap;
}

QIcon StudyIcon(const QString& name) {
  EnsureResources();
  return QIcon(QStringLiteral(":/study/%1.svg").arg(name));
}

}  // namespace tavrune
