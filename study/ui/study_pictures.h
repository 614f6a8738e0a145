#ifndef TAVRUNE_STUDY_UI_STUDY_PICTURES_H_
#define TAVRUNE_STUDY_UI_STUDY_PICTURES_H_

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tavrune {

// Our own drawings of the study program, kept as SVG in the resources.
enum class StudyPicture {
  kLogo,       // letter tiles spelling the program's name
  kLightbulb,  // the welcome tips
};

// The picture drawn at `size` (device-independent pixels) for the screen's
// pixel ratio.
QPixmap StudyPicturePixmap(StudyPicture picture, QSize size, qreal device_pixel_ratio = 1.0);

// A toolbar or window icon by name ("open", "tavrune", ...); SVG, so it is
// sharp at any size and pixel ratio.
QIcon StudyIcon(const QString& name);

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_UI_STUDY_PICTURES_H_
